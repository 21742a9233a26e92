#pragma once

#include <cstdint>
#include <optional>

#include "game.h"

namespace lumera {

// What a press did: the size of the group pressed and the points it is
// worth, the square of its size; both 0 for a refused press.
struct PressOutcome {
    std::int32_t groupSize = 0;
    std::int32_t points = 0;
    friend bool operator==(const PressOutcome&, const PressOutcome&) = default;
};

// A press of the left button on `cell`, none when the pointer is off the
// field: an accepted press turns the group there into vacated cells and adds
// its points to the score.
PressOutcome leftPress(Game& game, std::optional<Cell> cell);

// A press of the right button: measures the same group and changes nothing.
PressOutcome rightPress(const Game& game, std::optional<Cell> cell);

} // namespace lumera
