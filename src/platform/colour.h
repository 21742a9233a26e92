#pragma once

#include <cstdint>

namespace lumera {

// A colour as the game stores it: r + 256*g + 65536*b. The few system
// colours have the high bit set and are resolved only when drawn.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return Colour{r} | (Colour{g} << 8) | (Colour{b} << 16);
}

constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kSkyBlue = rgb(166, 202, 240);

constexpr Colour kSystemColourFlag = 0x8000'0000u;
constexpr Colour kWindowTextColour = kSystemColourFlag | 8u;
constexpr Colour kButtonFaceColour = kSystemColourFlag | 15u;
constexpr Colour kInfoBackgroundColour = kSystemColourFlag | 24u;
constexpr Colour kDesktopColour = kSystemColourFlag | 1u;

// The r, g, b of a colour, with system colours resolved to this desktop's
// look (a classic light theme).
constexpr Colour resolvedColour(Colour colour)
{
    if ((colour & kSystemColourFlag) == 0) return colour & 0xFF'FFFFu;
    switch (colour) {
    case kWindowTextColour: return kBlack;
    case kButtonFaceColour: return rgb(240, 240, 240);
    case kInfoBackgroundColour: return rgb(255, 255, 225);
    case kDesktopColour: return rgb(0, 0, 0);
    default: return kBlack;
    }
}

// The same colour as a 0xffRRGGBB pixel of a QImage::Format_RGB32 image.
constexpr std::uint32_t pixelOf(Colour colour)
{
    const Colour c = resolvedColour(colour);
    return 0xFF00'0000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// And back: the packed colour of a pixel.
constexpr Colour colourOfPixel(std::uint32_t pixel)
{
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

} // namespace lumera
