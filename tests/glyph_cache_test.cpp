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
    const auto font = GlyphCache::instance().font(QStringLiteral("MS Sans Serif"), GlyphCache::kMaxPixelSize);
    const auto first = font->glyph('W');
    for (int byte = 0xC0; byte <= 0xFF; ++byte) {
        font->glyph(static_cast<unsigned char>(byte));
        EXPECT_LE(font->bytes(), SizedFont::kMaxBytes);
    }
    const auto again = font->glyph('W');
    EXPECT_NE(again, first) << "the first was dropped and made again";
    EXPECT_EQ(again->ink, first->ink); // the one held is still whole
    EXPECT_EQ(again->advance, first->advance);
}

// A font and a glyph live on while held, whatever the cache drops meanwhile.
TEST(GlyphCache, WhatIsHandedOutLivesWhileHeld)
{
    const auto font = GlyphCache::instance().font(QStringLiteral("MS Sans Serif"), 40);
    const auto glyph = font->glyph('A');
    const std::vector<std::uint8_t> ink = glyph->ink;
    for (int size = 1; size <= static_cast<int>(GlyphCache::kMaxSizes) + 1; ++size)
        GlyphCache::instance().font(QStringLiteral("MS Sans Serif"), 100 + size);
    EXPECT_GT(font->cellHeight(), 0);
    EXPECT_EQ(glyph->ink, ink);
}

} // namespace
} // namespace lumera
