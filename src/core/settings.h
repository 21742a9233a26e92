#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "line_buffer.h"
#include "options.h"

namespace lumera {

// The texture sets the menu offers; data.ini may name any other number,
// whose folder then usually fails to load.
inline constexpr std::int32_t kDarkTextures = 1;
inline constexpr std::int32_t kLightTextures = 2;

// What data.ini keeps: the six display options and the texture set.
struct Settings {
    Options options;
    std::int32_t textureSet = 0;
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The six options in the order data.ini keeps them, one a line.
inline constexpr std::array<bool Options::*, 6> kSavedOptions{
    &Options::gridOff, &Options::bubblesOff, &Options::picturesOff,
    &Options::blink,   &Options::flatCells,  &Options::messagesOff,
};

// Applies data.ini's lines in order: lines 1..6 the options (any number but
// 0 turns one on), line 7 the texture set; lines after it are ignored. A
// line that is not a number stops it with the parser's error: the lines
// before it are applied, the rest keep their values.
void readSettings(const LineBuffer& lines, Settings& settings);

// The seven lines data.ini is written as: "0" or "1" for each option, then
// the texture set, each line ending in CR LF.
LineBuffer settingsLines(const Settings& settings);

// Reads the file into `settings` as readSettings does; a file that cannot be
// read changes nothing.
void loadSettings(const std::filesystem::path& file, Settings& settings);
void saveSettings(const std::filesystem::path& file, const Settings& settings);

} // namespace lumera
