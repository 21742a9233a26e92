// Writes the game's own data into a working folder, and the window's icon
// as a PNG for the desktop:
//   lumera_data <data source folder> <working folder> [icon.png]
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "window_icon.h"
#include "working_folder.h"

int main(int argc, char* argv[])
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <data source folder> <working folder> [icon.png]\n", argv[0]);
        return 2;
    }
    const QGuiApplication application(argc, argv);
    try {
        lumera::data::layOutWorkingFolder(argv[1], argv[2]);
        if (argc == 4 && !lumera::windowIconImage().save(QString::fromLocal8Bit(argv[3]), "PNG"))
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumera_data: %s\n", error.what());
        return 1;
    }
    return 0;
}
