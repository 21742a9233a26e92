#include "game_folder.h"

#include <vector>

#include "bmp_bytes.h"

namespace lumera::testing {

Colour fixtureTextureColour(int type, int i)
{
    return rgb(static_cast<std::uint8_t>(20 * i + 10), static_cast<std::uint8_t>(type * 40), 100);
}

Colour fixturePictureColour(int n)
{
    return rgb(0, static_cast<std::uint8_t>(100 + n), 50);
}

GameFolder::GameFolder()
{
    write("history.txt", "\xC8\xF1\xF2\xEE\xF0\xE8\xFF\r\n"); // "История"
    write("config.ini", "2\r\n2\r\nFirst\r\nSecond \r\n");
    write("data.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
    for (int n = 1; n <= 2; ++n)
        write("pic/" + std::to_string(n) + ".bmp",
              bmpFile(512, 512, std::vector<Colour>(512 * 512, fixturePictureColour(n)), BmpLayout::Rgb24BottomUp));
    for (int type = 1; type <= 2; ++type)
        for (int i = 0; i < GameFiles::kTexturesPerSet; ++i)
            write("img/" + std::to_string(type) + "/" + std::to_string(i) + ".bmp",
                  bmpFile(16, 16, std::vector<Colour>(256, fixtureTextureColour(type, i)), BmpLayout::Rgb24BottomUp));
}

} // namespace lumera::testing
