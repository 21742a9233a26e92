// Writes the game's own data into a working folder and, when asked, the
// game's icon into a folder for the desktop: one PNG a size (16x16.png, ...,
// 256x256.png) and scalable.svg.
//   lumera_data <data source folder> <working folder> [icon folder]
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "game_icon.h"
#include "working_folder.h"

namespace {

void writeIcons(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    for (const int size : lumera::kIconSizes) {
        const std::filesystem::path file = folder / (std::to_string(size) + "x" + std::to_string(size) + ".png");
        if (!lumera::gameIconImage(size).save(QString::fromStdString(file.string()), "PNG"))
            throw std::runtime_error("cannot write " + file.string());
    }
    const std::filesystem::path svg = folder / "scalable.svg";
    std::ofstream out(svg, std::ios::binary | std::ios::trunc);
    out << lumera::gameIconSvg();
    if (!out.flush()) throw std::runtime_error("cannot write " + svg.string());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <data source folder> <working folder> [icon folder]\n", argv[0]);
        return 2;
    }
    const QGuiApplication application(argc, argv);
    try {
        lumera::data::layOutWorkingFolder(argv[1], argv[2]);
        if (argc == 4) writeIcons(argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumera_data: %s\n", error.what());
        return 1;
    }
    return 0;
}
