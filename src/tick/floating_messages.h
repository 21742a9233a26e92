#pragma once

#include "game.h"
#include "surface.h"

namespace lumera {

// Ages every busy slot and, unless the messages are switched off, draws the
// ones in a shown blink phase: the group's size and "!!!" in white on black,
// in a font of that many points, moved left of the press point where it would
// cross into the status panel. A slot is freed after its 21st tick.
void advanceFloatingMessages(Surface& frame, FloatingMessages& messages, bool messagesOff);

} // namespace lumera
