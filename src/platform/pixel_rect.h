#pragma once

#include <algorithm>
#include <cstdint>

namespace lumera {

// A rectangle by its corners; the right and bottom edges are not part of it.
struct PixelRect {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;

    std::int64_t width() const { return right - left; }
    std::int64_t height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }

    PixelRect intersected(const PixelRect& other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
    PixelRect translated(std::int64_t dx, std::int64_t dy) const
    {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace lumera
