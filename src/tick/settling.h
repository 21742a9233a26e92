#pragma once

#include "board.h"
#include "options.h"

namespace lumera {

// With blinking on and bubbles on, a bubble changes phase (7 <-> 8) each tick.
void blinkCell(Board& board, const Options& options, int x, int y);

// A bubble in row 0 or under an empty cell becomes empty. Otherwise, with
// bubbles on it changes places with the cell above; with bubbles off it is
// carried to row 0 at once, the cells above moving down one row. Writes only
// this cell and cells above it.
void settleCell(Board& board, const Options& options, int x, int y);

// The leftmost column whose bottom cell is empty is replaced by its right
// neighbour, every column right of it moves one place left and column 31
// becomes empty. One column per tick.
void collapseColumns(Board& board);

} // namespace lumera
