#include <QColor>
#include <QSet>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include "game_icon.h"

namespace lumera {
namespace {

QSet<QRgb> tileColours()
{
    QSet<QRgb> colours;
    for (const QColor base : {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255), QColor(0, 200, 0)})
        colours << base.rgb() << base.lighter(150).rgb() << base.darker(170).rgb();
    return colours;
}

// Outside the bubble every pixel is one of the tiles' own colours: nothing
// is blended by scaling, at any size.
TEST(GameIcon, EverySizeIsCrispOutsideTheBubble)
{
    const QSet<QRgb> allowed = tileColours();
    for (const int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = gameIconImage(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        // The bubble and its outline lie within grid units 9.75 to 22.25.
        const int bubbleFirst = size * 9 / 32 - 1;
        const int bubbleLast = (size * 23 + 31) / 32;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const bool inBubble = x >= bubbleFirst && x <= bubbleLast && y >= bubbleFirst && y <= bubbleLast;
                if (!inBubble) {
                    ASSERT_TRUE(allowed.contains(icon.pixel(x, y))) << x << "," << y;
                }
            }
    }
}

// The tiles' bevels survive at the smallest size, at least a pixel wide, and
// the tiles meet in the middle.
TEST(GameIcon, EverySizeShowsFourBevelledTiles)
{
    for (const int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = gameIconImage(size);
        const int half = size / 2;
        EXPECT_EQ(icon.pixel(half / 2, half / 2), QColor(255, 0, 0).rgb());
        EXPECT_EQ(icon.pixel(half + half / 2, half / 2), QColor(255, 255, 0).rgb());
        EXPECT_EQ(icon.pixel(half / 2, half + half / 2), QColor(0, 0, 255).rgb());
        EXPECT_EQ(icon.pixel(half + half / 2, half + half / 2), QColor(0, 200, 0).rgb());
        EXPECT_EQ(icon.pixel(half / 2, 0), QColor(255, 0, 0).lighter(150).rgb());
        EXPECT_EQ(icon.pixel(size / 8, half - 1), QColor(255, 0, 0).darker(170).rgb());
        EXPECT_EQ(icon.pixel(half, size / 8), QColor(255, 255, 0).lighter(150).rgb());
        EXPECT_EQ(icon.pixel(size - 1, size / 4 * 3), QColor(0, 200, 0).darker(170).rgb());
    }
}

TEST(GameIcon, TheWindowIconIsTheThirtyTwoPixelOne)
{
    const QImage window = windowIcon32().pixmap(32, 32).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window, gameIconImage(32));
}

TEST(GameIcon, TheSvgIsAWellFormedDocumentOnTheSameGrid)
{
    QXmlStreamReader svg(QByteArray::fromStdString(gameIconSvg()));
    int rects = 0;
    int circles = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement) continue;
        if (svg.name() == QStringLiteral("svg")) {
            EXPECT_EQ(svg.attributes().value("viewBox"), QStringLiteral("0 0 32 32"));
        }
        rects += svg.name() == QStringLiteral("rect");
        circles += svg.name() == QStringLiteral("circle");
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(rects, 20);
    EXPECT_EQ(circles, 2);
}

} // namespace
} // namespace lumera
