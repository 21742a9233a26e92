#pragma once

#include <cstdint>

#include "game.h"
#include "surface.h"

namespace lumera {

// Puts a message with `value` at (x, y) in the first free slot; with every
// slot busy it is lost. A value of 0 still takes the slot's place, position
// and timing, and leaves the slot free.
void queueFloatingMessage(FloatingMessages& messages, std::int32_t value, std::int32_t x, std::int32_t y);

// Ages every busy slot and, unless the messages are switched off, draws the
// ones in a shown blink phase: the group's size and "!!!" in white on black,
// in a font of that many points, moved left of the press point where it would
// cross into the status panel. A slot is freed after its 21st tick.
void advanceFloatingMessages(Surface& frame, FloatingMessages& messages, bool messagesOff);

} // namespace lumera
