#pragma once

#include "board.h"
#include "frame_targets.h"
#include "game.h"
#include "options.h"
#include "surface.h"

namespace lumera {

// Brush and count, on the code the cell held when the tick began: the brush
// takes the code's fill colour and codes 0..6 are counted. A code outside
// 0..9 changes neither, so the cell is drawn with the brush before it.
void chooseBrushAndCount(Surface& frame, CodeTally& tally, CellCode startCode);

// Draws cell (x, y) as it stands after its settle step: the grid pen, a flat
// or textured body, the background picture for an empty cell and the black
// edge lines where an empty cell meets a non-empty one or the board's edge.
void drawCell(const FrameTargets& targets, const Board& board, const Options& options, int x, int y);

} // namespace lumera
