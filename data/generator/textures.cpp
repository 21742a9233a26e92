#include "textures.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace lumera::data {
namespace {

constexpr int kSide = 16;

// Never exactly white, which would turn a pixel transparent.
QColor opaque(QColor colour)
{
    if (colour.red() == 255 && colour.green() == 255 && colour.blue() == 255) return QColor(254, 254, 254);
    return colour;
}

QColor mix(QColor a, QColor b, double t)
{
    const auto channel = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

QImage tile(QColor base, TextureSet set, bool marked)
{
    const bool dark = set == TextureSet::Dark;
    const QColor body = dark ? mix(base, QColor(0, 0, 0), 0.25) : mix(base, QColor(255, 255, 255), 0.35);
    const QColor light = mix(body, QColor(255, 255, 255), dark ? 0.45 : 0.6);
    const QColor shade = mix(body, QColor(0, 0, 0), dark ? 0.55 : 0.3);
    const QColor rim = dark ? QColor(20, 20, 24) : mix(body, QColor(60, 60, 70), 0.6);
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const bool edge = x == 0 || y == 0 || x == kSide - 1 || y == kSide - 1;
            const bool lowerRight = x >= kSide - 3 || y >= kSide - 3;
            const bool upperLeft = x <= 2 || y <= 2;
            const double fromCentre = std::abs(x - 7.5) + std::abs(y - 7.5);
            QColor c = mix(body, shade, (x + y) / 60.0);
            if (upperLeft) c = light;
            if (lowerRight) c = shade;
            if (edge) c = rim;
            if (marked && fromCentre <= 3) c = fromCentre <= 2 ? light : shade;
            image.setPixelColor(x, y, opaque(c));
        }
    }
    return image;
}

QImage bubble(TextureSet set, bool secondPhase)
{
    const bool dark = set == TextureSet::Dark;
    QColor ground = dark ? QColor(14, 14, 22) : QColor(60, 64, 78);
    QColor ring = dark ? QColor(90, 100, 140) : QColor(170, 180, 210);
    QColor shine = dark ? QColor(200, 210, 240) : QColor(245, 248, 254);
    if (secondPhase) std::swap(ground, ring);
    QImage image(kSide, kSide, QImage::Format_RGB32);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double d = std::hypot(x - 7.5, y - 7.5);
            QColor c = ground;
            if (d >= 4.6 && d <= 6.0) c = ring;
            if (std::hypot(x - 5.5, y - 5.5) <= 1.1) c = shine;
            image.setPixelColor(x, y, opaque(c));
        }
    }
    return image;
}

QImage emptyCell(TextureSet set)
{
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(set == TextureSet::Dark ? QColor(10, 10, 16) : QColor(56, 60, 72));
    return image;
}

} // namespace

std::vector<QImage> textureSet(TextureSet set)
{
    const QColor colours[] = {QColor(255, 0, 255), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255),
                              QColor(0, 200, 0),   QColor(255, 0, 255), QColor(0, 255, 255)};
    std::vector<QImage> textures;
    for (int code = 0; code <= 6; ++code) textures.push_back(tile(colours[code], set, code == 0));
    textures.push_back(bubble(set, false));
    textures.push_back(bubble(set, true));
    textures.push_back(emptyCell(set));
    return textures;
}

} // namespace lumera::data
