#pragma once

#include <filesystem>
#include <string>

namespace lumera::data {

// Lays out the game's working folder from the sources in `sourceFolder`
// (text in UTF-8, maps drawn row by row): the pictures, both texture sets,
// config.ini, history.txt and the maps, text in Windows-1251 with CR LF.
// A data.ini already there is the player's and is left alone.
// Writes exactly `bytes` to the file, replacing it; throws when it cannot.
void writeBytes(const std::filesystem::path& file, const std::string& bytes);

void layOutWorkingFolder(const std::filesystem::path& sourceFolder, const std::filesystem::path& target);

} // namespace lumera::data
