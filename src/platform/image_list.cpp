#include "image_list.h"

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
            for (int u = 0; u < kSide; ++u) {
                const int x = k * kSide + u;
                // A mask narrower than the image leaves the rest opaque.
                const bool transparent = x < mask.width() && mask.pixel(x, v) == kWhite;
                const auto at = static_cast<std::size_t>(v * kSide + u);
                entry.keep[at] = transparent ? 0xFFFF'FFFFu : 0xFF00'0000u;
                entry.image[at] = transparent ? 0u : pixelOf(image.pixel(x, v));
            }
        }
        entries_.push_back(entry);
        version_ = newContentVersion();
    }
    return first;
}

void ImageList::draw(Surface& surface, int x, int y, std::int32_t index) const
{
    if (index < 0 || index >= count()) return;
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    const PixelRect area = PixelRect{0, 0, kSide, kSide}.translated(x, y);
    const PixelRect visible = area.intersected(surface.bounds());
    const auto rows = surface.pixels();
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
