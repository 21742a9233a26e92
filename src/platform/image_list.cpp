#include "image_list.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "game_error.h"

namespace lumera {

int ImageList::add(const Surface& image, const Surface& mask)
{
    if (image.width() < kSide || image.height() < kSide || mask.width() < kSide || mask.height() < kSide)
        throw GameError("Invalid image size");
    const int first = count();
    const int added = image.width() / kSide;
    entries_.reserve(entries_.size() + static_cast<std::size_t>(added));
    for (int k = 0; k < added; ++k) {
        Entry entry;
        for (int v = 0; v < kSide; ++v) {
            bool opaque = true;
            for (int u = 0; u < kSide; ++u) {
                const int x = k * kSide + u;
                // A mask narrower than the image leaves the rest opaque.
                const bool transparent = x < mask.width() && mask.pixel(x, v) == kWhite;
                const auto at = static_cast<std::size_t>(v * kSide + u);
                entry.keep[at] = transparent ? 0xFFFF'FFFFu : 0xFF00'0000u;
                entry.image[at] = transparent ? 0u : pixelOf(image.pixel(x, v));
                opaque = opaque && !transparent;
            }
            if (opaque) entry.opaqueRows |= 1u << v;
        }
        entries_.push_back(entry);
        version_ = newContentVersion();
    }
    return first;
}

namespace {

// One row of an entry onto the frame: kept where transparent, replaced where
// opaque. Four pixels at a time where the processor has 128-bit integers.
inline void drawRow(std::uint32_t* target, const std::uint32_t* keep, const std::uint32_t* image)
{
#if defined(__SSE2__)
    for (int u = 0; u < ImageList::kSide; u += 4) {
        const __m128i below = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + u));
        const __m128i kept = _mm_and_si128(below, _mm_loadu_si128(reinterpret_cast<const __m128i*>(keep + u)));
        const __m128i drawn = _mm_or_si128(kept, _mm_loadu_si128(reinterpret_cast<const __m128i*>(image + u)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + u), drawn);
    }
#else
    for (int u = 0; u < ImageList::kSide; ++u) target[u] = (target[u] & keep[u]) | image[u];
#endif
}

// A row without transparent pixels replaces what lies below, so it is
// written without reading it. On a row that starts a cache line (a board
// cell's, on the frame's aligned rows) the stores bypass the caches: the
// whole line is written, the processor need not fetch it first, and the
// tick does not read it again.
inline void replaceRow(std::uint32_t* target, const std::uint32_t* image)
{
#if defined(__SSE2__)
    if (reinterpret_cast<std::uintptr_t>(target) % 64 == 0) {
        for (int u = 0; u < ImageList::kSide; u += 4)
            _mm_stream_si128(reinterpret_cast<__m128i*>(target + u), _mm_loadu_si128(reinterpret_cast<const __m128i*>(image + u)));
        return;
    }
#endif
    std::copy(image, image + ImageList::kSide, target);
}

} // namespace

void ImageList::draw(Surface& surface, int x, int y, std::int32_t index) const
{
    if (index < 0 || index >= count()) return;
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    const PixelRect area = PixelRect{0, 0, kSide, kSide}.translated(x, y);
    const PixelRect visible = area.intersected(surface.bounds());
    if (visible.isEmpty()) return;
    const auto rows = surface.pixels();
    if (visible == area) { // the whole entry lands on the surface: whole rows
        for (int v = 0; v < kSide; ++v) {
            std::uint32_t* target = rows.row(area.top + v) + area.left;
            if (entry.opaqueRows & (1u << v)) replaceRow(target, entry.image.data() + v * kSide);
            else drawRow(target, entry.keep.data() + v * kSide, entry.image.data() + v * kSide);
        }
        return;
    }
    for (auto py = visible.top; py < visible.bottom; ++py) {
        std::uint32_t* line = rows.row(py);
        const auto v = static_cast<std::size_t>(py - area.top);
        for (auto px = visible.left; px < visible.right; ++px) {
            const auto at = v * kSide + static_cast<std::size_t>(px - area.left);
            line[px] = (line[px] & entry.keep[at]) | entry.image[at];
        }
    }
}

void ImageList::remove(std::int32_t index)
{
    if (index < 0 || index >= count()) throw GameError("Invalid ImageList Index");
    entries_.erase(entries_.begin() + index);
    version_ = newContentVersion();
}

} // namespace lumera
