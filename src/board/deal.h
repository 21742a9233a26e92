#pragma once

#include <cstdint>

#include "board.h"
#include "random.h"

namespace lumera {

// Fills the field column by column from the left, each column from the top,
// with draw(colourCount) + 1: codes 1..colourCount, all 1 when the count is
// 0. Counts a map may set (negative, above 9) give other codes, never
// undefined behaviour. The guard ring is not touched.
void dealBoard(Board& board, std::int32_t colourCount, Random& random);

} // namespace lumera
