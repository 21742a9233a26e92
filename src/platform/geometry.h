#pragma once

// Where everything lies on the window, in pixels, in one place: the board's
// cells, the frame with the status panel at its right, the client area as
// designed and as laid out for the game, and the components of the overlay
// panel that holds the map chooser and the history. No toolkit types, so
// every layer can use it.
namespace lumera::geometry {

struct Point {
    int x;
    int y;
};

struct Size {
    int width;
    int height;
};

struct Rect {
    int x;
    int y;
    int width;
    int height;
};

// The board: 32 x 32 cells of 16 pixels from the client area's top left.
inline constexpr int kBoardCells = 32;
inline constexpr int kCellPixels = 16;
inline constexpr int kBoardPixels = kBoardCells * kCellPixels;

// The frame a tick draws: the board, then the status panel to its right.
inline constexpr Size kFrame{600, kBoardPixels};
inline constexpr int kPanelLeft = kBoardPixels;
// The black square a new random board and the status panel are cleared
// with reaches below the frame, which clips it.
inline constexpr int kClearedBottom = 600;

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
// Pictures of the window before the layout gives them their sizes.
inline constexpr Size kDesignPicture{105, 105};

// The same laid out for the game: the panel covers the board, the list
// fills its left, the preview and its caption stand at its right.
inline constexpr Rect kOverlayPanel{0, 0, kBoardPixels, kBoardPixels};
inline constexpr Rect kHistoryView = kOverlayPanel;
inline constexpr Rect kMapList{0, 0, 384, kBoardPixels};
inline constexpr Size kMapPreview{128, 128}; // keeps its designed top
inline constexpr int kMapPreviewLeft = 384;
inline constexpr Point kPreviewCaption{384, 128};
inline constexpr Size kBackgroundPicture{kBoardPixels, kBoardPixels};

// A prepared map's preview: one 4 x 4 square a cell.
inline constexpr int kPreviewSquarePixels = 4;

} // namespace lumera::geometry
