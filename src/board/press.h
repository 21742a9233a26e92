#pragma once

#include <cstdint>

#include "game.h"

namespace lumera {

// A press of the left button at client pixel (x, y): an accepted press turns
// the group under it into vacated cells, adds the square of its size to the
// score and queues a floating message with the size at (x, y).
void leftPress(Game& game, std::int32_t x, std::int32_t y);

// A press of the right button: measures the same group and keeps the points
// a left press would bring, with the pointer's position, for display.
void rightPress(Game& game, std::int32_t x, std::int32_t y);

// The release of any button clears the right button's preview.
void releasePress(Game& game);

} // namespace lumera
