#pragma once

#include "frame_geometry.h"

// Where the window and its components lie, in pixels: the client area as
// designed and as laid out for the game, and the components of the overlay
// panel that holds the map chooser and the history.
namespace lumera::geometry {

struct Point {
    int x;
    int y;
};

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

// The window where the design puts it and the client area it designs; the
// game lays the client area out to exactly the frame.
inline constexpr Point kDesignPosition{222, 66};
inline constexpr Size kDesignClient{496, 372};
inline constexpr Size kGameClient = kFrame;

// The overlay panel and what it holds, as designed.
inline constexpr Rect kDesignOverlayPanel{24, 152, 177, 129};
inline constexpr Rect kDesignMapPreview{0, 0, 105, 105};
inline constexpr Rect kDesignPreviewCaption{16, 104, 111, 22};
inline constexpr Rect kDesignMapList{48, 0, 105, 97};
inline constexpr Rect kDesignHistoryView{-8, 0, 185, 89};

// The same laid out for the game: the panel covers the board, the list
// fills its left, the preview and its caption stand at its right.
inline constexpr Rect kOverlayPanel{0, 0, kBoardPixels, kBoardPixels};
inline constexpr Rect kHistoryView = kOverlayPanel;
inline constexpr Rect kMapList{0, 0, 384, kBoardPixels};
inline constexpr int kMapPreviewLeft = 384; // the preview keeps its designed top
inline constexpr Point kPreviewCaption{384, 128};

} // namespace lumera::geometry
