#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <string_view>

#include "colour.h"
#include "content_version.h"
#include "pixel_rect.h"

namespace lumera {

// A 24-bit pixel grid with a drawing state (brush, pen, font, current
// position) that lasts as long as the surface: every operation sets only
// what it is asked to, nothing is ever reset behind the game's back.
// Rectangles and lines exclude their right/bottom edge and end point;
// everything outside the grid is clipped.
class Surface {
public:
    static constexpr std::string_view kInitialFace = "MS Sans Serif";
    static constexpr std::int32_t kInitialFontPoints = 8;

    Surface() = default; // 0 x 0
    Surface(int width, int height, Colour fill = kWhite);
    // Takes over a decoded picture, in Format_RGB32.
    explicit Surface(QImage image);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    PixelRect bounds() const { return {0, 0, width(), height()}; }
    const QImage& image() const { return image_; }
    Colour pixel(int x, int y) const; // packed colour; (x, y) must be inside

    void setBrushColour(Colour colour) { brush_ = colour; }
    Colour brushColour() const { return brush_; }
    void setPenColour(Colour colour) { pen_ = colour; }
    Colour penColour() const { return pen_; }
    void setFontColour(Colour colour) { fontColour_ = colour; }
    Colour fontColour() const { return fontColour_; }
    // Points at 96 pixels per inch: the character height (without internal
    // leading) becomes points * 96 / 72 pixels, halves rounded away from 0.
    void setFontSize(std::int32_t points) { fontPoints_ = points; }
    std::int32_t fontSize() const { return fontPoints_; }
    const QString& fontFace() const { return face_; }
    int penX() const { return penX_; }
    int penY() const { return penY_; }

    // Everything the drawing operations read besides the pixels.
    struct DrawingState {
        Colour brush;
        Colour pen;
        Colour fontColour;
        std::int32_t fontPoints;
        int penX;
        int penY;
        friend bool operator==(const DrawingState&, const DrawingState&) = default;
    };
    DrawingState drawingState() const { return {brush_, pen_, fontColour_, fontPoints_, penX_, penY_}; }

    // Changes whenever the pixels may have: at every write access. Copies
    // share it with what they were copied from, as they share the pixels.
    std::uint64_t version() const { return version_; }

    // Outline ring in the pen colour, inside in the brush colour.
    void rectangle(int x1, int y1, int x2, int y2);
    void moveTo(int x, int y);
    // Draws from the current position up to, not including, (x, y), which
    // becomes the current position.
    void lineTo(int x, int y);

    // Windows-1251 text: its box (text width x text height) is filled with
    // the brush, then the glyphs are drawn in the font colour, two colours
    // only. (x, y) is the box's top left corner.
    void drawText(int x, int y, std::string_view cp1251Text);
    int textWidth(std::string_view cp1251Text) const;
    int textHeight(std::string_view cp1251Text) const;

    // Pixel size of the current font: the character height of its points.
    int fontPixelSize() const;

    // Replaces the destination rectangle with the source rectangle. Equal
    // sizes copy pixel for pixel; otherwise the source is scaled to the
    // nearest pixel. Source pixels outside the source leave the destination
    // as it was; everything is clipped to the destination. Corners must lie
    // in the 32-bit range; a rectangle beyond it copies nothing.
    static void copy(Surface& destination, const PixelRect& to, const Surface& source, const PixelRect& from);

    // Asks the processor to bring the rows of `area` into its caches ahead of
    // writes that go down a column, where it would not guess them itself:
    // one row of a column lies a whole frame width past the one before.
    void prefetchForWriting(const PixelRect& area) const;

    // Fills a clipped rectangle with one colour (no outline).
    void fill(const PixelRect& area, Colour colour);

    // The pixels as rows of 0xffRRGGBB words, for the drawing code of this
    // layer. Taken once per operation: asking the image for writable pixels
    // is not free, and an operation may touch hundreds of rows.
    template <typename Word>
    struct PixelRows {
        Word* base;
        std::ptrdiff_t stride; // words per row
        Word* row(std::int64_t y) const { return base + y * stride; }
    };
    PixelRows<std::uint32_t> pixels();
    PixelRows<const std::uint32_t> pixels() const;

private:
    void drawSlantedLine(std::int64_t dx, std::int64_t dy);
    void rectangleInside(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);

    QImage image_;
    Colour brush_ = kWhite;
    Colour pen_ = kBlack;
    Colour fontColour_ = kWindowTextColour;
    std::int32_t fontPoints_ = kInitialFontPoints;
    QString face_ = QString::fromUtf8(kInitialFace.data(), static_cast<qsizetype>(kInitialFace.size()));
    int penX_ = 0;
    int penY_ = 0;
    std::uint64_t version_ = newContentVersion();
};

// Character height in pixels of a font of `points` at 96 pixels per inch.
std::int64_t pointsToPixels(std::int32_t points);

} // namespace lumera
