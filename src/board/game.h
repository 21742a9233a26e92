#pragma once

#include <array>
#include <cstdint>

#include "board.h"
#include "cell_code.h"
#include "random.h"

namespace lumera {

// A score message rising over the board; value 0 marks a free slot.
struct FloatingMessage {
    std::int32_t value = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t blink = 0;
    std::int32_t life = 0;
    friend bool operator==(const FloatingMessage&, const FloatingMessage&) = default;
};

constexpr int kFloatingMessageSlots = 51;
using FloatingMessages = std::array<FloatingMessage, kFloatingMessageSlots>;

// Cells of each code 0..6 on the board at the start of the current tick.
using CodeTally = std::array<std::int32_t, kColourCodes>;

// Every value of one game, owned by the game core and handed by reference
// to whatever changes it. A plain value: tests copy one, act and compare.
struct Game {
    Board board;
    std::int32_t score = 0;
    std::int32_t colourCount = 0;
    std::int32_t pictureCount = 0;
    std::int32_t mapListLoaded = 0;
    std::int32_t previewValue = 0;
    std::int32_t previewX = 0;
    std::int32_t previewY = 0;
    FloatingMessages messages{};
    CodeTally tally{};
    Random random;
    friend bool operator==(const Game&, const Game&) = default;
};

} // namespace lumera
