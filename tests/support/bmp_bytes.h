#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "colour.h"

namespace lumera::testing {

enum class BmpLayout { Rgb24BottomUp, Rgb24TopDown, Rgb32, Palette8, Rle8 };

// A BMP file written byte by byte: `pixels` are packed colours row by row
// from the top, `width` per row. Palette layouts take up to 256 colours.
std::string bmpFile(int width, int height, const std::vector<Colour>& pixels, BmpLayout layout);

// Only the 14-byte file header and the 40-byte info header, claiming the
// given size, with `pixelBytes` zero bytes after them.
std::string bmpHeaderOnly(std::int32_t width, std::int32_t height, int pixelBytes);

// The file with the little-endian 32-bit field at byte `at` replaced.
std::string withField32(std::string file, std::size_t at, std::uint32_t value);

} // namespace lumera::testing
