#pragma once

#include <cstdint>
#include <optional>

#include "board.h"

// Where the board's cells and the status panel lie on the frame a tick
// draws, in pixels, and the sizes of the pictures drawn with it. No toolkit
// types: the core and the window use it too.
namespace lumera::geometry {

struct Size {
    int width;
    int height;
};

// The board: 32 x 32 cells of 16 pixels from the frame's top left.
inline constexpr int kCellPixels = 16;
inline constexpr int kBoardPixels = Board::kSize * kCellPixels;

// The frame: the board, then the status panel to its right.
inline constexpr Size kFrame{600, kBoardPixels};
inline constexpr int kPanelLeft = kBoardPixels;
// The black square a new random board and the status panel are cleared
// with reaches below the frame, which clips it.
inline constexpr int kClearedBottom = 600;

// The pictures before the game's layout gives them their sizes, and after.
inline constexpr Size kDesignPicture{105, 105};
inline constexpr Size kBackgroundPicture{kBoardPixels, kBoardPixels};

// A prepared map's preview: one 4 x 4 square a cell.
inline constexpr int kPreviewSquarePixels = 4;
inline constexpr Size kMapPreview{Board::kSize * kPreviewSquarePixels, Board::kSize * kPreviewSquarePixels};

// The playing cell under a pixel of the frame; none off the board.
inline std::optional<Cell> cellUnder(std::int32_t x, std::int32_t y)
{
    if (x < 0 || y < 0 || x >= kBoardPixels || y >= kBoardPixels) return std::nullopt;
    return Cell{x / kCellPixels, y / kCellPixels};
}

} // namespace lumera::geometry
