#include <gtest/gtest.h>

#include "glyph_cache.h"
#include "surface.h"

namespace lumera {
namespace {

// Messages of the largest groups draw glyphs of over a thousand pixels; a
// new size for each of them must not grow the cache past its bytes.
TEST(GlyphCache, StaysWithinItsBytesWhateverTheSizes)
{
    constexpr std::size_t kBound = GlyphCache::kMaxBytes + SizedFont::kMaxBytes;
    Surface frame(600, 512);
    std::size_t largest = 0;
    for (int points = 1024; points > 1010; --points) {
        frame.setFontSize(points);
        frame.drawText(10, 10, "1024!!!");
        largest = std::max(largest, GlyphCache::instance().bytes());
        EXPECT_LE(GlyphCache::instance().bytes(), kBound) << points;
    }
    EXPECT_GT(largest, GlyphCache::kMaxBytes / 2); // the sizes did fill it
}

// One size whose glyphs outgrow a font's share drops the others, and a
// glyph drawn again after that is made again, the same.
TEST(GlyphCache, AFontDropsItsGlyphsWhenTheyOutgrowItsShare)
{
    SizedFont& font = GlyphCache::instance().font(QStringLiteral("MS Sans Serif"), GlyphCache::kMaxPixelSize);
    const Glyph first = font.glyph('W');
    for (int byte = 0xC0; byte <= 0xFF; ++byte) {
        font.glyph(static_cast<unsigned char>(byte));
        EXPECT_LE(font.bytes(), SizedFont::kMaxBytes);
    }
    const Glyph& again = font.glyph('W');
    EXPECT_EQ(again.ink, first.ink);
    EXPECT_EQ(again.advance, first.advance);
}

} // namespace
} // namespace lumera
