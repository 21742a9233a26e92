#pragma once

#include "game.h"
#include "surface.h"

namespace lumera {

// The black strip right of the board, outlined with the pen the board pass
// left: a count line for each colour in play, "Очки=" and the score on the
// line after, and the right button's preview value 12 pixels above the
// pointer (after a release that is "0" at (0, -12), above the frame).
void drawStatusPanel(Surface& frame, const Game& game);

} // namespace lumera
