#pragma once

#include "board.h"
#include "frame_targets.h"
#include "game.h"
#include "options.h"
#include "surface.h"

namespace lumera {

// The frame's brush and pen carry from one cell to the next: a cell takes
// the brush of the code it held when the tick began, and a code outside 0..9
// has no fill colour, so its cell is drawn with the brush of the cell before.
void chooseBrush(Surface& frame, CellCode startCode);

// Counts the code the cell held when the tick began, if it is 0..6.
void countCode(CodeTally& tally, CellCode startCode);

// Draws cell (x, y) as it stands after its settle step: the grid pen, a flat
// or textured body, the background picture for an empty cell and the black
// edge lines where an empty cell meets a non-empty one or the board's edge.
void drawCell(const FrameTargets& targets, const Board& board, const Options& options, int x, int y);

} // namespace lumera
