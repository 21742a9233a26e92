#include "bmp_bytes.h"

#include <algorithm>
#include <stdexcept>

namespace lumera::testing {
namespace {

void put16(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putBgr(std::string& out, Colour colour)
{
    out.push_back(static_cast<char>((colour >> 16) & 0xFF));
    out.push_back(static_cast<char>((colour >> 8) & 0xFF));
    out.push_back(static_cast<char>(colour & 0xFF));
}

std::string headers(std::int32_t width, std::int32_t height, int bitsPerPixel, int compression,
                    std::uint32_t paletteEntries, std::size_t pixelBytes)
{
    const std::uint32_t offset = 14 + 40 + paletteEntries * 4;
    std::string out = "BM";
    put32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    put32(out, static_cast<std::uint32_t>(compression));
    put32(out, static_cast<std::uint32_t>(pixelBytes));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, paletteEntries);
    put32(out, 0);
    return out;
}

void padRow(std::string& out, std::size_t rowStart)
{
    while ((out.size() - rowStart) % 4 != 0) out.push_back('\0');
}

} // namespace

std::string bmpFile(int width, int height, const std::vector<Colour>& pixels, BmpLayout layout)
{
    if (pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw std::invalid_argument("pixel count does not match the size");
    const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; };

    std::vector<Colour> palette;
    if (layout == BmpLayout::Palette8 || layout == BmpLayout::Rle8) {
        for (Colour c : pixels)
            if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
        if (palette.size() > 256) throw std::invalid_argument("more than 256 colours");
    }
    const auto indexOf = [&](Colour c) {
        return static_cast<char>(std::find(palette.begin(), palette.end(), c) - palette.begin());
    };

    std::string body;
    const bool topDown = layout == BmpLayout::Rgb24TopDown;
    for (int i = 0; i < height; ++i) {
        const int y = topDown ? i : height - 1 - i;
        const std::size_t rowStart = body.size();
        for (int x = 0; x < width; ++x) {
            switch (layout) {
            case BmpLayout::Rgb24BottomUp:
            case BmpLayout::Rgb24TopDown: putBgr(body, at(x, y)); break;
            case BmpLayout::Rgb32:
                putBgr(body, at(x, y));
                body.push_back('\0'); // unused byte, not alpha
                break;
            case BmpLayout::Palette8: body.push_back(indexOf(at(x, y))); break;
            case BmpLayout::Rle8: {
                int run = 1;
                while (x + run < width && run < 255 && at(x + run, y) == at(x, y)) ++run;
                body.push_back(static_cast<char>(run));
                body.push_back(indexOf(at(x, y)));
                x += run - 1;
                break;
            }
            }
        }
        if (layout == BmpLayout::Rle8) {
            body.push_back('\0');
            body.push_back(static_cast<char>(i == height - 1 ? 1 : 0)); // end of line, or of bitmap
        } else {
            padRow(body, rowStart);
        }
    }

    const int bits = layout == BmpLayout::Rgb32 ? 32 : (palette.empty() ? 24 : 8);
    const int compression = layout == BmpLayout::Rle8 ? 1 : 0;
    std::string out = headers(width, topDown ? -height : height, bits, compression,
                              static_cast<std::uint32_t>(palette.size()), body.size());
    for (Colour c : palette) {
        putBgr(out, c);
        out.push_back('\0');
    }
    return out + body;
}

std::string bmpHeaderOnly(std::int32_t width, std::int32_t height, int pixelBytes)
{
    const std::size_t claimed = static_cast<std::size_t>(std::abs(static_cast<long long>(width)) * 3 + 3) / 4 * 4 *
                                static_cast<std::size_t>(std::abs(static_cast<long long>(height)));
    return headers(width, height, 24, 0, 0, claimed) + std::string(static_cast<std::size_t>(pixelBytes), '\0');
}

std::string withField32(std::string file, std::size_t at, std::uint32_t value)
{
    std::string field;
    put32(field, value);
    return file.replace(at, 4, field);
}

} // namespace lumera::testing
