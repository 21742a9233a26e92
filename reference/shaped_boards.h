#pragma once

#include "board.h"

namespace lumera::reference {

// A square spiral path of `path` one cell wide through `wall`, ending in
// the middle: the neighbour steps follow it, a walk along it turns 60 times.
Board spiralBoard(CellCode path, CellCode wall);

// Eight spines joined at the right edge, each with one-cell teeth on both
// sides: every tooth is a dead end for the neighbour steps and costs the
// rescanning walk a scan of the whole field, its worst case.
Board combBoard(CellCode teeth, CellCode gaps);

} // namespace lumera::reference
