// Writes the game's own data into a working folder and, when asked, the
// game's icon as an icon theme lays it out: hicolor/NxN/apps/NAME.png for
// every size and hicolor/scalable/apps/NAME.svg.
//   lumera_data <data source folder> <working folder> [<icon folder> <icon name>]
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "game_icon.h"
#include "working_folder.h"

namespace {

void writeIcons(const std::filesystem::path& folder, const std::string& name)
{
    const std::filesystem::path theme = folder / "hicolor";
    for (const int size : lumera::kIconSizes) {
        const std::string square = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path file = theme / square / "apps" / (name + ".png");
        std::filesystem::create_directories(file.parent_path());
        if (!lumera::gameIconImage(size).save(QString::fromStdString(file.string()), "PNG"))
            throw std::runtime_error("cannot write " + file.string());
    }
    const std::filesystem::path svg = theme / "scalable" / "apps" / (name + ".svg");
    std::filesystem::create_directories(svg.parent_path());
    lumera::data::writeBytes(svg, lumera::gameIconSvg());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: %s <data source folder> <working folder> [<icon folder> <icon name>]\n", argv[0]);
        return 2;
    }
    const QGuiApplication application(argc, argv);
    try {
        lumera::data::layOutWorkingFolder(argv[1], argv[2]);
        if (argc == 5) writeIcons(argv[3], argv[4]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumera_data: %s\n", error.what());
        return 1;
    }
    return 0;
}
