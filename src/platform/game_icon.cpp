#include "game_icon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace lumera {
namespace {

constexpr int kGrid = 32;

struct IconRect {
    int x, y, width, height;
    QColor colour;
};

struct IconCircle {
    double centreX, centreY, radius;
    QColor fill;
    QColor stroke; // invalid: no outline
    double strokeWidth;
};

struct IconDescription {
    std::vector<IconRect> rects;     // painted in order, later over earlier
    std::vector<IconCircle> circles; // painted over the rects, in order
};

void addTile(IconDescription& icon, int x, int y, QColor colour)
{
    const QColor light = colour.lighter(150);
    const QColor dark = colour.darker(170);
    icon.rects.push_back({x, y, 16, 16, colour});
    icon.rects.push_back({x, y, 16, 2, light});
    icon.rects.push_back({x, y, 2, 16, light});
    icon.rects.push_back({x, y + 14, 16, 2, dark});
    icon.rects.push_back({x + 14, y, 2, 16, dark});
}

const IconDescription& description()
{
    static const IconDescription icon = [] {
        IconDescription made;
        addTile(made, 0, 0, QColor(255, 0, 0));
        addTile(made, 16, 0, QColor(255, 255, 0));
        addTile(made, 0, 16, QColor(0, 0, 255));
        addTile(made, 16, 16, QColor(0, 200, 0));
        made.circles.push_back({16, 16, 5.5, QColor(20, 20, 40), QColor(255, 255, 255), 1.5});
        made.circles.push_back({14.5, 14.5, 1.5, QColor(255, 255, 255), QColor(), 0});
        return made;
    }();
    return icon;
}

// A grid line's pixel at `size`: rounding every edge (not every width) keeps
// touching rectangles touching and each at least as wide as its neighbours'
// rounding allows.
int snapped(int gridPosition, int size)
{
    return static_cast<int>(std::lround(static_cast<double>(gridPosition) * size / kGrid));
}

// Independent of the locale, which may write a decimal comma.
std::string svgNumber(double value)
{
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return std::string(text.data(), end);
}

std::string svgColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb).toStdString();
}

} // namespace

QImage gameIconImage(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const IconRect& rect : description().rects) {
        const int left = snapped(rect.x, size);
        const int top = snapped(rect.y, size);
        painter.fillRect(left, top, snapped(rect.x + rect.width, size) - left, snapped(rect.y + rect.height, size) - top,
                         rect.colour);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = static_cast<double>(size) / kGrid;
    for (const IconCircle& circle : description().circles) {
        if (circle.stroke.isValid())
            painter.setPen(QPen(circle.stroke, std::max(1.0, circle.strokeWidth * scale)));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(circle.fill);
        const double radius = circle.radius * scale;
        painter.drawEllipse(QRectF(circle.centreX * scale - radius, circle.centreY * scale - radius, 2 * radius, 2 * radius));
    }
    return image;
}

std::string gameIconSvg()
{
    const std::string grid = std::to_string(kGrid);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + grid + "\" height=\"" + grid +
                      "\" viewBox=\"0 0 " + grid + " " + grid + "\">\n"
                      "  <g shape-rendering=\"crispEdges\">\n";
    for (const IconRect& rect : description().rects)
        svg += "    <rect x=\"" + std::to_string(rect.x) + "\" y=\"" + std::to_string(rect.y) + "\" width=\"" +
               std::to_string(rect.width) + "\" height=\"" + std::to_string(rect.height) + "\" fill=\"" +
               svgColour(rect.colour) + "\"/>\n";
    svg += "  </g>\n";
    for (const IconCircle& circle : description().circles) {
        svg += "  <circle cx=\"" + svgNumber(circle.centreX) + "\" cy=\"" + svgNumber(circle.centreY) + "\" r=\"" +
               svgNumber(circle.radius) + "\" fill=\"" + svgColour(circle.fill) + "\"";
        if (circle.stroke.isValid())
            svg += " stroke=\"" + svgColour(circle.stroke) + "\" stroke-width=\"" + svgNumber(circle.strokeWidth) + "\"";
        svg += "/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

QIcon windowIcon32()
{
    return QIcon(QPixmap::fromImage(gameIconImage(32)));
}

} // namespace lumera
