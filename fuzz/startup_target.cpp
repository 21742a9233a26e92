// The start-up of the real window on fuzzed config.ini and data.ini.
#include "targets.h"

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "main_window.h"
#include "message_box_error_display.h"
#include "shown_errors.h"

namespace lumera::fuzz {
namespace {

void writeFile(const std::filesystem::path& file, std::string_view bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Everything the start-up reads besides the two fuzzed files, made once.
const std::filesystem::path& gameFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "lumera-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        const std::filesystem::path made = pattern;
        writeFile(made / "history.txt", "\xC8\xF1\xF2\xEE\xF0\xE8\xFF");
        QImage tile(16, 16, QImage::Format_RGB32);
        for (int type = 0; type <= 2; ++type) {
            for (int i = 0; i < 10; ++i) {
                tile.fill(QColor(20 * i, 50 * type, 90));
                std::filesystem::create_directories(made / "img" / std::to_string(type));
                tile.save(QString::fromStdString((made / "img" / std::to_string(type) / (std::to_string(i) + ".bmp")).string()), "BMP");
            }
        }
        std::filesystem::create_directories(made / "pic");
        tile.save(QString::fromStdString((made / "pic" / "1.bmp").string()), "BMP");
        return made;
    }();
    return folder;
}

} // namespace

int startup(const std::uint8_t* data, std::size_t size)
{
    ensureApplication();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\xFF\xFE");
    const std::string_view config = input.substr(0, split);
    const std::string_view settings = split == std::string_view::npos ? std::string_view("0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n") : input.substr(split + 2);
    const std::filesystem::path& folder = gameFolder();
    writeFile(folder / "config.ini", config);
    writeFile(folder / "data.ini", settings);

    LaidOutErrorDisplay errors;
    GameCore core{GameFiles{folder}};
    MainWindow window(core, errors);
    core.clock().stop();
    window.start();
    window.runWindowTick();
    window.start(); // a restart reads both files again
    window.runWindowTick();
    if (!core.game().board.guardRingIsClear()) std::abort();
    return 0;
}

} // namespace lumera::fuzz
