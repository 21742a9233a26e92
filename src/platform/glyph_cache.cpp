#include "glyph_cache.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "cp1251.h"
#include "font_faces.h"

namespace lumera {
namespace {

QFont fontOf(const QString& face, int pixelSize)
{
    QFont font = gameFont(face, pixelSize);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

QString characterOf(unsigned char byte)
{
    const char32_t code = cp1251ToUnicode(byte);
    return QString::fromUcs4(&code, 1);
}

} // namespace

SizedFont::SizedFont(const QString& face, int pixelSize) : face_(face), pixelSize_(pixelSize)
{
    const QFontMetrics metrics(fontOf(face_, pixelSize_));
    ascent_ = metrics.ascent();
    cellHeight_ = metrics.ascent() + metrics.descent();
}

std::shared_ptr<const Glyph> SizedFont::glyph(unsigned char byte)
{
    auto& slot = glyphs_[byte];
    if (slot) return slot;
    auto made = std::make_shared<const Glyph>(render(byte));
    if (bytes_ + bytesOf(*made) > kMaxBytes) {
        for (auto& other : glyphs_) other.reset();
        bytes_ = 0;
    }
    bytes_ += bytesOf(*made);
    slot = std::move(made);
    return slot;
}

Glyph SizedFont::render(unsigned char byte) const
{
    const QFont font = fontOf(face_, pixelSize_);
    const QFontMetrics metrics(font);
    const QString character = characterOf(byte);
    Glyph glyph;
    glyph.advance = metrics.horizontalAdvance(character);
    if (byte < 0x20 || byte == 0x7F) return glyph; // control bytes draw no ink

    // Render with a generous margin: bounding boxes of hinted glyphs are not
    // always exact, and italic or accented shapes reach past their cell.
    const QRect bounds = metrics.boundingRect(character);
    const int margin = 2 + pixelSize_ / 8;
    const int originX = std::max(0, -bounds.left()) + margin;
    const int originY = std::max(ascent_, -bounds.top()) + margin;
    const int canvasWidth = originX + std::max(glyph.advance, bounds.right() + 1) + margin;
    const int canvasHeight = originY + std::max(cellHeight_ - ascent_, bounds.bottom() + 1) + margin;
    QImage canvas(canvasWidth, canvasHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QPoint(originX, originY), character);
    }

    int minX = canvasWidth, minY = canvasHeight, maxX = -1, maxY = -1;
    for (int y = 0; y < canvasHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvasWidth; ++x) {
            if (qGreen(line[x]) < 128) continue;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
            minY = std::min(minY, y);
            maxY = std::max(maxY, y);
        }
    }
    if (maxX < 0) return glyph;
    glyph.left = minX - originX;
    glyph.top = minY - (originY - ascent_);
    glyph.width = maxX - minX + 1;
    glyph.height = maxY - minY + 1;
    glyph.ink.resize(static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(minY + y));
        for (int x = 0; x < glyph.width; ++x)
            glyph.ink[static_cast<std::size_t>(y * glyph.width + x)] = qGreen(line[minX + x]) >= 128 ? 1 : 0;
    }
    return glyph;
}

GlyphCache::GlyphCache() = default;

GlyphCache& GlyphCache::instance()
{
    static GlyphCache cache;
    return cache;
}

std::shared_ptr<SizedFont> GlyphCache::font(const QString& face, int pixelSize)
{
    pixelSize = std::clamp(pixelSize, 1, kMaxPixelSize);
    const auto key = std::make_pair(face, pixelSize);
    if (auto found = fonts_.find(key); found != fonts_.end()) return found->second;
    if (fonts_.size() >= kMaxSizes || bytes() >= kMaxBytes) fonts_.clear();
    auto inserted = fonts_.emplace(key, std::make_shared<SizedFont>(face, pixelSize));
    return inserted.first->second;
}

std::size_t GlyphCache::bytes() const
{
    std::size_t total = 0;
    for (const auto& entry : fonts_) total += entry.second->bytes();
    return total;
}

} // namespace lumera
