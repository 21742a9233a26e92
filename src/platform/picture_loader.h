#pragma once

#include <cstdint>
#include <filesystem>

#include "surface.h"

namespace lumera {

// Allocation bounds for pictures: a file is read whole only up to
// kMaxPictureFileBytes, and a picture may hold at most kMaxPicturePixels
// (64 MiB of pixels once decoded). A header that claims more is refused as
// "Bitmap image is not valid" before anything is allocated for it.
constexpr std::size_t kMaxPictureFileBytes = 64u * 1024u * 1024u;
constexpr std::int64_t kMaxPicturePixels = 4096 * 4096;

// Decodes a BMP file. Throws GameError with the player's message:
// "Unknown picture file extension (.ext)" for a name not ending in ".bmp"
// (in any case), "Cannot open file ...", "Stream read error" for 1 to 13
// bytes, "Bitmap image is not valid" for anything the BMP reader refuses.
// An empty file gives a 0 x 0 picture.
Surface loadPicture(const std::filesystem::path& name);

// The same, for bytes already read (the fuzz target's way in).
Surface decodePicture(const std::string& bytes);

} // namespace lumera
