#pragma once

#include <cstdint>

#include "board.h"

namespace lumera::reference {

// The group walks exactly as the game's rules first described them: a
// neighbour step in the order right, left, below, above, and at every dead end
// a rescan of the whole field for an unvisited cell of the group next to a
// marked one. Kept as the yardstick for the fast search, in tests and
// benchmarks; never used by the game.
std::int32_t removeGroupByRescanning(Board& board, int a, int b, CellCode c);
std::int32_t measureGroupByRescanning(const Board& board, int a, int b, CellCode c);

} // namespace lumera::reference
