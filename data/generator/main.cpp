// Writes the game's own data into a working folder:
//   lumera_data <data source folder> <working folder>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "working_folder.h"

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data source folder> <working folder>\n", argv[0]);
        return 2;
    }
    const QGuiApplication application(argc, argv);
    try {
        lumera::data::layOutWorkingFolder(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lumera_data: %s\n", error.what());
        return 1;
    }
    return 0;
}
