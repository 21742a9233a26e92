#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace lumera {

// One glyph as a two-colour mask, placed relative to the left end of its
// text box's top edge.
struct Glyph {
    int advance = 0;
    int left = 0; // mask's offset from the pen position
    int top = 0;  // mask's offset from the box's top
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink; // width * height, 1 where the glyph is drawn
};

// A face at one pixel size, its glyphs made on first use for each of the
// 256 Windows-1251 bytes. Glyphs are rendered without antialiasing, so
// drawn text holds exactly two colours.
class SizedFont {
public:
    SizedFont(const QString& face, int pixelSize);
    int cellHeight() const { return cellHeight_; }
    // A font whose glyphs outgrow kMaxBytes drops the others to make room;
    // a glyph handed out lives on for as long as it is held.
    std::shared_ptr<const Glyph> glyph(unsigned char byte);
    std::size_t bytes() const { return bytes_; }

    static constexpr std::size_t kMaxBytes = 16u * 1024u * 1024u;

private:
    Glyph render(unsigned char byte) const;
    static std::size_t bytesOf(const Glyph& glyph) { return sizeof(Glyph) + glyph.ink.size(); }

    QString face_;
    int pixelSize_;
    int ascent_ = 0;
    int cellHeight_ = 0;
    std::array<std::shared_ptr<const Glyph>, 256> glyphs_;
    std::size_t bytes_ = 0;
};

// The fonts in use, by face and pixel size. Text is drawn every tick, so
// glyphs are rendered once and then only copied. The cache holds a bounded
// number of sizes and of bytes and starts afresh when either is reached, so
// floating messages of every size cannot grow it without end.
class GlyphCache {
public:
    static constexpr std::size_t kMaxSizes = 96;
    static constexpr std::size_t kMaxBytes = 32u * 1024u * 1024u;
    // Larger pixel sizes are drawn at this size: a 1024-point message (the
    // largest group) needs 1365 pixels, and a glyph of this size still
    // renders in a few megabytes.
    static constexpr int kMaxPixelSize = 2048;

    static GlyphCache& instance();
    // The cache may drop a font to make room; one handed out lives on for
    // as long as it is held.
    std::shared_ptr<SizedFont> font(const QString& face, int pixelSize);
    std::size_t bytes() const;

private:
    GlyphCache();
    std::map<std::pair<QString, int>, std::shared_ptr<SizedFont>> fonts_;
};

} // namespace lumera
