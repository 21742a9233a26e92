#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "game_error.h"

namespace lumera {

// A file name as the game spells it (Windows-1251, "\" between folders)
// turned into a path of this platform.
std::filesystem::path gamePath(std::string_view cp1251Name);

// The name completed against the working folder, as error messages show it.
std::string fullPathText(const std::filesystem::path& name);

// The system's text for an errno value, trimmed as below.
std::string systemErrorText(int errorNumber);
// A system text as the game's messages quote it, before their own period:
// without trailing blanks, control characters and periods.
std::string trimmedSystemText(std::string text);

GameError cannotOpenFile(const std::filesystem::path& name, int errorNumber);
GameError cannotCreateFile(const std::filesystem::path& name, int errorNumber);

struct WholeFile {
    std::string bytes;
    bool tooLarge = false; // the file holds more than the limit; `bytes` is then empty
};

// Reads the whole file, but never more than `limit` bytes into memory.
// Throws "Cannot open file ..." when it cannot be opened, "Stream read error"
// when reading fails.
WholeFile readWholeFile(const std::filesystem::path& name, std::size_t limit);

// Reads the file from its start, handing each piece to `take`, until the end
// or until `take` returns false; so a reader that needs only a part of a file
// (up to a NUL, up to a limit) never holds more of it. Throws as
// readWholeFile does.
void readFileInPieces(const std::filesystem::path& name, const std::function<bool(std::string_view)>& take);

// Replaces the file's content with exactly `bytes`. Where it is safe, the
// bytes go to a new file in the same folder that is then renamed over the
// old one, so a write that fails half way (a full disk) leaves the old file
// whole: the folder takes a new file, the file has one link and no access
// list, and the new file can get its owner, group and mode. Otherwise the
// file is written in place. Either way the file keeps its owner, group,
// mode and links. A file that is read-only (no write permission at all,
// even for root) or that cannot be opened for writing fails with "Cannot
// create file ..."; a failed write with "Stream write error".
void replaceFile(const std::filesystem::path& name, std::string_view bytes);

} // namespace lumera
