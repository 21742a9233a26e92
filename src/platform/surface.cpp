#include "surface.h"

#include <algorithm>
#include <cstdlib>

#include "glyph_cache.h"

namespace lumera {

namespace {

bool within32Bits(const PixelRect& rect)
{
    const auto fits = [](std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
    return fits(rect.left) && fits(rect.top) && fits(rect.right) && fits(rect.bottom);
}

// The source index that a stretched copy takes for destination offset
// `offset`; 128-bit since both lengths may span the 32-bit range.
std::int64_t stretchedIndex(std::int64_t offset, std::int64_t sourceLength, std::int64_t targetLength)
{
    __extension__ using Wide = __int128;
    return static_cast<std::int64_t>(Wide{offset} * sourceLength / targetLength);
}

// Rows that start on 64-byte boundaries: a cell of the board is 16 pixels,
// 64 bytes, so each of its rows fills one cache line instead of straddling
// two, which halves what a tick on a cold cache must fetch before it writes.
QImage imageWithAlignedRows(int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    constexpr std::size_t kLine = 64;
    const std::size_t stride = (static_cast<std::size_t>(width) * 4 + kLine - 1) / kLine * kLine;
    const std::size_t bytes = stride * static_cast<std::size_t>(height);
    // Huge or empty pictures take Qt's own allocation and its limits.
    if (bytes == 0 || bytes > (std::size_t{1} << 30)) return QImage(width, height, QImage::Format_RGB32);
    void* data = std::aligned_alloc(kLine, bytes);
    if (!data) return QImage();
    return QImage(static_cast<uchar*>(data), width, height, static_cast<qsizetype>(stride), QImage::Format_RGB32,
                  [](void* memory) { std::free(memory); }, data);
}

} // namespace

std::int64_t pointsToPixels(std::int32_t points)
{
    // points * 96 / 72, halves rounded away from zero.
    const std::int64_t scaled = static_cast<std::int64_t>(points) * 96;
    const std::int64_t magnitude = (std::llabs(scaled) + 36) / 72;
    return scaled < 0 ? -magnitude : magnitude;
}

Surface::Surface(int width, int height, Colour fill) : image_(imageWithAlignedRows(width, height))
{
    image_.fill(pixelOf(fill));
}

Surface::Surface(QImage image) : image_(std::move(image))
{
    if (image_.format() != QImage::Format_RGB32) image_ = image_.convertToFormat(QImage::Format_RGB32);
}

Surface::PixelRows<std::uint32_t> Surface::pixels()
{
    version_ = newContentVersion();
    return {reinterpret_cast<std::uint32_t*>(image_.bits()), image_.bytesPerLine() / 4};
}

Surface::PixelRows<const std::uint32_t> Surface::pixels() const
{
    return {reinterpret_cast<const std::uint32_t*>(image_.constBits()), image_.bytesPerLine() / 4};
}

Colour Surface::pixel(int x, int y) const
{
    return colourOfPixel(pixels().row(y)[x]);
}

void Surface::prefetchForWriting(const PixelRect& area) const
{
    const PixelRect clipped = area.intersected(bounds());
    if (clipped.isEmpty()) return;
    const auto rows = pixels();
    for (auto y = clipped.top; y < clipped.bottom; ++y) {
        __builtin_prefetch(rows.row(y) + clipped.left, 1);
        __builtin_prefetch(rows.row(y) + clipped.right - 1, 1);
    }
}

void Surface::fill(const PixelRect& area, Colour colour)
{
    const PixelRect clipped = area.intersected(bounds());
    if (clipped.isEmpty()) return;
    const std::uint32_t value = pixelOf(colour);
    const auto rows = pixels();
    for (auto y = clipped.top; y < clipped.bottom; ++y) std::fill(rows.row(y) + clipped.left, rows.row(y) + clipped.right, value);
}

void Surface::rectangle(int ix1, int iy1, int ix2, int iy2)
{
    std::int64_t x1 = ix1, y1 = iy1, x2 = ix2, y2 = iy2;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (x1 == x2 || y1 == y2) return;
    if (x2 - x1 >= 2 && y2 - y1 >= 2 && bounds().intersected({x1, y1, x2, y2}) == PixelRect{x1, y1, x2, y2}) {
        rectangleInside(x1, y1, x2, y2);
        return;
    }
    fill({x1, y1, x2, y1 + 1}, pen_);
    if (y2 - 1 > y1) fill({x1, y2 - 1, x2, y2}, pen_);
    fill({x1, y1 + 1, x1 + 1, y2 - 1}, pen_);
    if (x2 - 1 > x1) fill({x2 - 1, y1 + 1, x2, y2 - 1}, pen_);
    fill({x1 + 1, y1 + 1, x2 - 1, y2 - 1}, brush_);
}

// The whole rectangle on the surface: each row written once, from one
// access to the pixels, as the board's flat cells are drawn every tick.
void Surface::rectangleInside(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2)
{
    const std::uint32_t pen = pixelOf(pen_);
    const std::uint32_t brush = pixelOf(brush_);
    const auto rows = pixels();
    std::fill(rows.row(y1) + x1, rows.row(y1) + x2, pen);
    for (std::int64_t y = y1 + 1; y < y2 - 1; ++y) {
        std::uint32_t* row = rows.row(y);
        row[x1] = pen;
        std::fill(row + x1 + 1, row + x2 - 1, brush);
        row[x2 - 1] = pen;
    }
    std::fill(rows.row(y2 - 1) + x1, rows.row(y2 - 1) + x2, pen);
}

void Surface::moveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void Surface::lineTo(int x, int y)
{
    const std::int64_t dx = std::int64_t{x} - penX_;
    const std::int64_t dy = std::int64_t{y} - penY_;
    if (dy == 0) {
        // From the start up to, not including, the end.
        fill(dx >= 0 ? PixelRect{penX_, y, x, y + 1LL} : PixelRect{x + 1LL, y, penX_ + 1LL, y + 1LL}, pen_);
    } else if (dx == 0) {
        fill(dy >= 0 ? PixelRect{x, penY_, x + 1LL, y} : PixelRect{x, y + 1LL, x + 1LL, penY_ + 1LL}, pen_);
    } else {
        drawSlantedLine(dx, dy);
    }
    moveTo(x, y);
}

void Surface::drawSlantedLine(std::int64_t dx, std::int64_t dy)
{
    // Step along the longer axis; only the steps that land inside the surface
    // along that axis are walked, however long the line.
    const std::int64_t steps = std::max(std::llabs(dx), std::llabs(dy));
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t start = alongX ? penX_ : penY_;
    const std::int64_t direction = (alongX ? dx : dy) > 0 ? 1 : -1;
    const std::int64_t extent = alongX ? width() : height();
    std::int64_t first = 0;
    std::int64_t last = steps - 1;
    if (direction > 0) {
        first = std::max<std::int64_t>(first, -start);
        last = std::min<std::int64_t>(last, extent - 1 - start);
    } else {
        first = std::max<std::int64_t>(first, start - (extent - 1));
        last = std::min<std::int64_t>(last, start);
    }
    // Nearest pixel on the shorter axis, halves rounded up; 128-bit because
    // step times length can pass 2^63 for lines between far-off points.
    __extension__ using Wide = __int128;
    const auto offset = [steps](std::int64_t i, std::int64_t delta) {
        const Wide numerator = Wide{2} * i * delta + steps;
        const Wide denominator = Wide{2} * steps;
        const Wide quotient = numerator / denominator;
        return static_cast<std::int64_t>(numerator % denominator < 0 ? quotient - 1 : quotient);
    };
    const std::uint32_t value = pixelOf(pen_);
    const auto rows = pixels();
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t px = alongX ? penX_ + i * direction : penX_ + offset(i, dx);
        const std::int64_t py = alongX ? penY_ + offset(i, dy) : penY_ + i * direction;
        if (px >= 0 && px < width() && py >= 0 && py < height()) rows.row(py)[px] = value;
    }
}

int Surface::fontPixelSize() const
{
    return static_cast<int>(std::clamp<std::int64_t>(pointsToPixels(fontPoints_), 1, GlyphCache::kMaxPixelSize));
}

int Surface::textWidth(std::string_view text) const
{
    const auto font = GlyphCache::instance().font(face_, fontPixelSize());
    int width = 0;
    for (char c : text) width += font->glyph(static_cast<unsigned char>(c))->advance;
    return width;
}

int Surface::textHeight(std::string_view text) const
{
    if (text.empty()) return 0;
    return GlyphCache::instance().font(face_, fontPixelSize())->cellHeight();
}

void Surface::drawText(int x, int y, std::string_view text)
{
    if (text.empty()) return;
    const auto font = GlyphCache::instance().font(face_, fontPixelSize());
    fill({x, y, std::int64_t{x} + textWidth(text), std::int64_t{y} + font->cellHeight()}, brush_);
    const std::uint32_t ink = pixelOf(fontColour_);
    const auto rows = pixels();
    std::int64_t penX = x;
    for (char c : text) {
        const auto held = font->glyph(static_cast<unsigned char>(c));
        const Glyph& glyph = *held;
        const PixelRect box = PixelRect{0, 0, glyph.width, glyph.height}.translated(penX + glyph.left, y + glyph.top);
        const PixelRect visible = box.intersected(bounds());
        for (auto py = visible.top; py < visible.bottom; ++py) {
            const std::uint8_t* source = glyph.ink.data() + (py - box.top) * glyph.width;
            std::uint32_t* target = rows.row(py);
            for (auto px = visible.left; px < visible.right; ++px)
                if (source[px - box.left]) target[px] = ink;
        }
        penX += glyph.advance;
    }
}

void Surface::copy(Surface& destination, const PixelRect& to, const Surface& source, const PixelRect& from)
{
    if (to.isEmpty() || from.isEmpty()) return;
    if (!within32Bits(to) || !within32Bits(from)) return;
    if (&destination == &source) {
        // Writing detaches the destination's pixels from this snapshot.
        const Surface snapshot = source;
        copy(destination, to, snapshot, from);
        return;
    }
    const PixelRect target = to.intersected(destination.bounds());
    if (target.isEmpty()) return;
    const bool sameSize = to.width() == from.width() && to.height() == from.height();
    const PixelRect sourceBounds = source.bounds();
    const auto sourceRows = source.pixels();
    const auto targetRows = destination.pixels();
    for (auto y = target.top; y < target.bottom; ++y) {
        const std::int64_t sy = from.top + (sameSize ? y - to.top : stretchedIndex(y - to.top, from.height(), to.height()));
        if (sy < sourceBounds.top || sy >= sourceBounds.bottom) continue;
        const std::uint32_t* sourceRow = sourceRows.row(sy);
        std::uint32_t* targetRow = targetRows.row(y);
        if (sameSize) {
            // Only the source columns that exist are copied.
            const std::int64_t left = std::max(target.left, to.left + (sourceBounds.left - from.left));
            const std::int64_t right = std::min(target.right, to.left + (sourceBounds.right - from.left));
            if (left < right)
                std::copy(sourceRow + (from.left + (left - to.left)), sourceRow + (from.left + (right - to.left)), targetRow + left);
            continue;
        }
        for (auto x = target.left; x < target.right; ++x) {
            const std::int64_t sx = from.left + stretchedIndex(x - to.left, from.width(), to.width());
            if (sx >= sourceBounds.left && sx < sourceBounds.right) targetRow[x] = sourceRow[sx];
        }
    }
}

} // namespace lumera
