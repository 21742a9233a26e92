#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "colour.h"

namespace lumera {

// What a cell holds: 1..6 the colours of play, 0 a colour only maps place,
// 7 a vacated cell (a bubble), 8 the bubble in its second blink phase,
// 9 an empty cell showing the background picture.
using CellCode = std::int32_t;

constexpr CellCode kMapOnlyColour = 0;
constexpr CellCode kVacated = 7;
constexpr CellCode kVacatedBlink = 8;
constexpr CellCode kEmpty = 9;
constexpr int kColourCodes = 7; // codes 0..6 form groups and are counted
constexpr int kPanelColours = 6; // colours 1..6 have a label in the panel

constexpr bool isColourCell(CellCode code) { return code >= 0 && code <= 6; }
constexpr bool isBubble(CellCode code) { return code == kVacated || code == kVacatedBlink; }

// The fill colour of a code, none for codes outside 0..9.
std::optional<Colour> fillColour(CellCode code);

// The status panel's label for colour 1..6 (UTF-8, e.g. "Красный="); empty
// for any other code.
std::string_view panelLabel(CellCode code);

} // namespace lumera
