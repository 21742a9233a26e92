#pragma once

#include "frame_targets.h"
#include "game.h"
#include "options.h"

namespace lumera {

// One tick of the game, after the menu refresh and before the frame is shown:
// the tally reset, the board pass (brush and count, blink and settle, draw)
// and the column collapse, then the floating messages and the status panel.
// Runs headless; allocates nothing.
void runTick(Game& game, const Options& options, const FrameTargets& targets);

} // namespace lumera
