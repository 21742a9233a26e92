#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "surface.h"

namespace lumera {

// A list of masked 16 x 16 images, numbered from 0 in the order added.
class ImageList {
public:
    static constexpr int kSide = 16;

    // Cuts the image into width / 16 entries from the left (rows below 16
    // unused); a mask pixel that is exactly white makes the pixel
    // transparent, any other opaque. Transparent image pixels are stored
    // black. Returns the first new index; throws "Invalid image size" when
    // either bitmap is smaller than 16 x 16.
    int add(const Surface& image, const Surface& mask);

    // Each opaque pixel becomes the stored image pixel, each transparent one
    // keeps what the surface held. An index that names no entry draws nothing.
    void draw(Surface& surface, int x, int y, std::int32_t index) const;

    // Throws "Invalid ImageList Index" unless 0 <= index < count().
    void remove(std::int32_t index);

    int count() const { return static_cast<int>(entries_.size()); }
    // Changes with every entry added or removed.
    std::uint64_t version() const { return version_; }

private:
    struct Entry {
        std::array<std::uint32_t, kSide * kSide> keep{};  // all ones where transparent
        std::array<std::uint32_t, kSide * kSide> image{}; // 0xffRRGGBB, 0 where transparent
        std::uint32_t opaqueRows = 0;                      // bit v set: row v has no transparent pixel
    };
    std::vector<Entry> entries_;
    std::uint64_t version_ = newContentVersion();
};

} // namespace lumera
