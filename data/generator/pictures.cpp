#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "random.h"

namespace lumera::data {
namespace {

constexpr double kPi = 3.14159265358979323846;

QImage canvas()
{
    QImage image(kPictureSide, kPictureSide, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void verticalGradient(QPainter& painter, int top, int bottom, const QGradientStops& stops)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setStops(stops);
    painter.fillRect(0, top, kPictureSide, bottom - top, gradient);
}

double unit(Random& random)
{
    return random.draw(1'000'000) / 1'000'000.0;
}

QImage sunset()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    verticalGradient(painter, 0, 330,
                     {{0.0, QColor(40, 20, 90)}, {0.5, QColor(200, 70, 110)}, {1.0, QColor(255, 170, 80)}});
    QRadialGradient glow(256, 330, 140);
    glow.setColorAt(0, QColor(255, 240, 170));
    glow.setColorAt(0.35, QColor(255, 200, 90, 200));
    glow.setColorAt(1, QColor(255, 150, 80, 0));
    painter.fillRect(0, 190, kPictureSide, 140, glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 236, 160));
    painter.drawEllipse(QPointF(256, 330), 62, 62);
    verticalGradient(painter, 330, kPictureSide, {{0.0, QColor(90, 40, 90)}, {1.0, QColor(15, 10, 45)}});
    for (int row = 0; row < 24; ++row) {
        const int y = 336 + row * 7 + row * row / 6;
        const int half = 70 - row * 2;
        painter.setBrush(QColor(255, 210, 130, 200 - row * 7));
        painter.drawRoundedRect(QRectF(256 - half + (row % 3) * 6, y, half * 2, 2.5), 1, 1);
    }
    return image;
}

QImage night()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    verticalGradient(painter, 0, kPictureSide, {{0.0, QColor(5, 8, 30)}, {1.0, QColor(25, 40, 90)}});
    Random random(1251);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const double x = unit(random) * kPictureSide;
        const double y = unit(random) * kPictureSide;
        const double size = 0.4 + std::pow(unit(random), 6) * 2.2;
        const int light = 150 + random.draw(100);
        painter.setBrush(QColor(light, light, std::min(255, light + 30)));
        painter.drawEllipse(QPointF(x, y), size, size);
    }
    painter.setBrush(QColor(245, 240, 210));
    painter.drawEllipse(QPointF(380, 120), 46, 46);
    painter.setBrush(QColor(8, 12, 38));
    painter.drawEllipse(QPointF(400, 108), 42, 42);
    return image;
}

QImage mountains()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    verticalGradient(painter, 0, kPictureSide, {{0.0, QColor(120, 180, 235)}, {0.7, QColor(225, 235, 245)}});
    const QColor layers[] = {QColor(150, 165, 200), QColor(95, 115, 160), QColor(55, 75, 115), QColor(25, 40, 60)};
    for (int layer = 0; layer < 4; ++layer) {
        QPainterPath ridge;
        ridge.moveTo(0, kPictureSide);
        for (int x = 0; x <= kPictureSide; x += 4) {
            const double t = x / 512.0;
            const double height = 200 + layer * 70 - 60 * std::sin(t * kPi * (2 + layer) + layer) -
                                  25 * std::sin(t * kPi * (7 + 2 * layer) + 1.3 * layer) -
                                  10 * std::sin(t * kPi * 19 + layer);
            ridge.lineTo(x, height);
        }
        ridge.lineTo(kPictureSide, kPictureSide);
        ridge.closeSubpath();
        painter.fillPath(ridge, layers[layer]);
    }
    return image;
}

QImage aurora()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    verticalGradient(painter, 0, kPictureSide, {{0.0, QColor(2, 10, 25)}, {1.0, QColor(10, 35, 50)}});
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int band = 0; band < 5; ++band) {
        for (int x = 0; x < kPictureSide; ++x) {
            const double t = x / 512.0;
            const double centre = 150 + band * 45 + 50 * std::sin(t * kPi * 2.5 + band * 1.7) + 15 * std::sin(t * 17 + band);
            QLinearGradient curtain(0, centre - 90, 0, centre + 20);
            curtain.setColorAt(0, QColor(0, 0, 0, 0));
            curtain.setColorAt(0.8, QColor(band % 2 ? 40 : 10, 120 + band * 10, band % 2 ? 130 : 70, 90));
            curtain.setColorAt(1, QColor(0, 0, 0, 0));
            painter.fillRect(QRectF(x, centre - 90, 1, 110), curtain);
        }
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(5, 15, 20));
    QPainterPath hills;
    hills.moveTo(0, kPictureSide);
    for (int x = 0; x <= kPictureSide; x += 8) hills.lineTo(x, 450 + 20 * std::sin(x / 60.0));
    hills.lineTo(kPictureSide, kPictureSide);
    painter.drawPath(hills);
    return image;
}

QImage stainedGlass()
{
    QImage image = canvas();
    Random random(512);
    struct Seed {
        double x, y;
        QRgb colour;
    };
    std::vector<Seed> seeds;
    const QColor palette[] = {QColor(180, 40, 60), QColor(40, 90, 170), QColor(230, 180, 40), QColor(60, 150, 90),
                              QColor(120, 60, 150), QColor(220, 110, 40), QColor(50, 150, 170)};
    for (int i = 0; i < 70; ++i)
        seeds.push_back({unit(random) * kPictureSide, unit(random) * kPictureSide,
                         palette[random.draw(7)].lighter(85 + random.draw(40)).rgb()});
    for (int y = 0; y < kPictureSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kPictureSide; ++x) {
            double best = 1e18, second = 1e18;
            QRgb colour = 0;
            for (const Seed& s : seeds) {
                const double d = (s.x - x) * (s.x - x) + (s.y - y) * (s.y - y);
                if (d < best) {
                    second = best;
                    best = d;
                    colour = s.colour;
                } else if (d < second) {
                    second = d;
                }
            }
            const bool lead = std::sqrt(second) - std::sqrt(best) < 2.5;
            line[x] = lead ? qRgb(30, 25, 20) : colour;
        }
    }
    return image;
}

QImage ocean()
{
    QImage image = canvas();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    verticalGradient(painter, 0, kPictureSide, {{0.0, QColor(40, 170, 200)}, {1.0, QColor(5, 30, 70)}});
    painter.setPen(Qt::NoPen);
    for (int ray = 0; ray < 7; ++ray) {
        QPainterPath beam;
        const double x = 40 + ray * 75;
        beam.moveTo(x, 0);
        beam.lineTo(x + 30, 0);
        beam.lineTo(x + 110, kPictureSide);
        beam.lineTo(x + 50, kPictureSide);
        QLinearGradient fade(0, 0, 0, kPictureSide);
        fade.setColorAt(0, QColor(255, 255, 230, 60));
        fade.setColorAt(1, QColor(255, 255, 230, 0));
        painter.fillPath(beam, fade);
    }
    Random random(2024);
    for (int i = 0; i < 60; ++i) {
        const double x = unit(random) * kPictureSide;
        const double y = unit(random) * kPictureSide;
        const double r = 2 + unit(random) * 7;
        painter.setPen(QPen(QColor(200, 240, 255, 160), 1.2));
        painter.setBrush(QColor(200, 240, 255, 40));
        painter.drawEllipse(QPointF(x, y), r, r);
    }
    return image;
}

} // namespace

std::vector<QImage> backgroundPictures()
{
    return {sunset(), night(), mountains(), aurora(), stainedGlass(), ocean()};
}

} // namespace lumera::data
