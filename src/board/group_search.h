#pragma once

#include <cstdint>

#include "board.h"

namespace lumera {

// Whether a press on playing cell (column, row) may act: the cell holds a colour
// (0..6), one of its neighbours inside the field holds the same code, and a
// colour count is set. The guard ring never makes a press acceptable.
bool groupPressAccepted(const Board& board, std::int32_t colourCount, int column, int row);

// The 4-connected group of `code` around (column, row), inside the field
// only.
// removeGroup turns it into vacated cells (7); measureGroup changes nothing.
// Both return its size and take time in proportion to it, without
// allocating.
std::int32_t removeGroup(Board& board, int column, int row, CellCode code);
std::int32_t measureGroup(const Board& board, int column, int row, CellCode code);

} // namespace lumera
