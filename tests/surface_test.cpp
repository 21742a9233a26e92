#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "cp1251.h"
#include "pixel_check.h"
#include "surface.h"

namespace lumera {
namespace {

using testing::pixelsMatch;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kGrey = rgb(128, 128, 128);

bool inside(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x < right && y >= top && y < bottom;
}

TEST(Surface, StartsWhiteWithTheInitialDrawingState)
{
    const Surface surface(7, 5);
    EXPECT_TRUE(pixelsMatch(surface, [](int, int) { return kWhite; }));
    EXPECT_EQ(surface.brushColour(), kWhite);
    EXPECT_EQ(surface.penColour(), kBlack);
    EXPECT_EQ(surface.fontColour(), kWindowTextColour);
    EXPECT_EQ(surface.fontSize(), 8);
    EXPECT_EQ(surface.fontFace(), "MS Sans Serif");
    EXPECT_EQ(surface.penX(), 0);
    EXPECT_EQ(surface.penY(), 0);
}

TEST(Surface, BrushReadsBackExactlyAsSet)
{
    Surface surface(1, 1);
    for (const Colour colour : {kBlack, kWhite, Colour{0x123456}, kButtonFaceColour, Colour{0x7F000001}}) {
        surface.setBrushColour(colour);
        EXPECT_EQ(surface.brushColour(), colour);
    }
}

// The cell rectangle (16, 32, 33, 49): black columns 16 and 32 and rows 32
// and 48, red inside, nothing at column 33 or row 49.
Colour oneRedCellOutlinedBlack(int x, int y)
{
    if (inside(x, y, 17, 33, 32, 48)) return kRed;
    if (inside(x, y, 16, 32, 33, 49)) return kBlack;
    return kWhite;
}

struct RectangleCase {
    const char* name;
    int x1, y1, x2, y2;
    Colour pen, brush;
    std::function<Colour(int, int)> expected; // on a white 600 x 512 surface
};

void PrintTo(const RectangleCase& c, std::ostream* os) { *os << c.name; }

class SurfaceRectangle : public ::testing::TestWithParam<RectangleCase> {};

TEST_P(SurfaceRectangle, ExcludesRightAndBottomEdges)
{
    const auto& c = GetParam();
    Surface surface(600, 512);
    surface.setPenColour(c.pen);
    surface.setBrushColour(c.brush);
    surface.rectangle(c.x1, c.y1, c.x2, c.y2);
    EXPECT_TRUE(pixelsMatch(surface, c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SurfaceRectangle,
    ::testing::Values(
        RectangleCase{"WholeFrameBlack", 0, 0, 600, 600, kBlack, kBlack, [](int, int) { return kBlack; }},
        RectangleCase{"OneCell", 16, 32, 33, 49, kBlack, kRed, oneRedCellOutlinedBlack},
        RectangleCase{"BottomOutlineClipped", 0, 0, 600, 600, kRed, kBlack,
                      [](int x, int y) { return x == 0 || x == 599 || y == 0 ? kRed : kBlack; }},
        RectangleCase{"CornersGivenBackwards", 33, 49, 16, 32, kBlack, kRed, oneRedCellOutlinedBlack},
        RectangleCase{"TwoPixelsIsAllOutline", 3, 3, 5, 5, kRed, kBlack,
                      [](int x, int y) { return inside(x, y, 3, 3, 5, 5) ? kRed : kWhite; }},
        RectangleCase{"Empty", 3, 3, 3, 9, kRed, kBlack, [](int, int) { return kWhite; }},
        RectangleCase{"FarOutside", INT_MIN, INT_MIN, INT_MAX, -1, kRed, kBlack, [](int, int) { return kWhite; }},
        RectangleCase{"HugeAroundTheSurface", INT_MIN, INT_MIN, INT_MAX, INT_MAX, kRed, kBlack,
                      [](int, int) { return kBlack; }}),
    [](const auto& row) { return std::string(row.param.name); });

struct LineCase {
    const char* name;
    int fromX, fromY, toX, toY;
    std::set<std::pair<int, int>> coloured; // on a 20 x 20 surface
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class SurfaceLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(SurfaceLine, LeavesOutTheEndPointAndMovesThere)
{
    const auto& c = GetParam();
    Surface surface(20, 20);
    surface.setPenColour(kRed);
    surface.moveTo(c.fromX, c.fromY);
    surface.lineTo(c.toX, c.toY);
    EXPECT_TRUE(pixelsMatch(surface, [&](int x, int y) { return c.coloured.count({x, y}) ? kRed : kWhite; }));
    EXPECT_EQ(surface.penX(), c.toX);
    EXPECT_EQ(surface.penY(), c.toY);
}

std::set<std::pair<int, int>> row(int y, int from, int to)
{
    std::set<std::pair<int, int>> pixels;
    for (int x = from; x < to; ++x) pixels.insert({x, y});
    return pixels;
}

std::set<std::pair<int, int>> column(int x, int from, int to)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = from; y < to; ++y) pixels.insert({x, y});
    return pixels;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SurfaceLine,
    ::testing::Values(LineCase{"Rightwards", 0, 15, 16, 15, row(15, 0, 16)},
                      LineCase{"Leftwards", 16, 15, 0, 15, row(15, 1, 17)},
                      LineCase{"Downwards", 15, 0, 15, 16, column(15, 0, 16)},
                      LineCase{"Upwards", 15, 16, 15, 0, column(15, 1, 17)},
                      LineCase{"Diagonal", 0, 0, 4, 4, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
                      LineCase{"Slanted", 0, 0, 4, 2, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
                      LineCase{"SingleStepIsNothingButTheStart", 5, 5, 5, 5, {}},
                      LineCase{"FarOffEndsAreClipped", -2000000000, 5, 2000000000, 5, row(5, 0, 20)},
                      LineCase{"AcrossThe32BitRange", INT_MIN, INT_MIN, INT_MAX, INT_MAX,
                               {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9},
                                {10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}, {15, 15}, {16, 16}, {17, 17},
                                {18, 18}, {19, 19}}},
                      LineCase{"EntirelyOutside", -50, -3, 50, -3, {}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FontSize, PointsBecomeCharacterHeightAt96PixelsPerInch)
{
    const std::pair<std::int32_t, std::int64_t> cases[] = {{1, 1},       {7, 9},          {8, 11},
                                                           {20, 27},     {100, 133},      {1024, 1365},
                                                           {-7, -9},     {3, 4},          {INT_MAX, 2863311529LL},
                                                           {INT_MIN, -2863311531LL}};
    for (const auto& [points, pixels] : cases) EXPECT_EQ(pointsToPixels(points), pixels) << points;
}

TEST(SurfaceText, FillsItsBoxWithTheBrushAndDrawsTwoColours)
{
    Surface surface(600, 512, kGrey);
    surface.setBrushColour(kBlack);
    surface.setFontColour(kWhite);
    surface.setFontSize(7);
    const std::string text = utf8ToCp1251("Очки=125");
    const int width = surface.textWidth(text);
    const int height = surface.textHeight(text);
    surface.drawText(512, 0, text);

    std::set<Colour> inBox;
    EXPECT_TRUE(pixelsMatch(surface, [&](int x, int y) {
        if (inside(x, y, 512, 0, 512 + width, height)) {
            inBox.insert(surface.pixel(x, y));
            return surface.pixel(x, y) == kWhite ? kWhite : kBlack;
        }
        return kGrey;
    }));
    EXPECT_EQ(inBox, (std::set<Colour>{kBlack, kWhite}));
    EXPECT_EQ(surface.pixel(512, 0), kBlack); // the box's top left corner
    EXPECT_EQ(surface.brushColour(), kBlack);  // drawing changes no state
    EXPECT_EQ(surface.fontSize(), 7);
}

TEST(SurfaceText, HeightIsTheFullCellAndWidthTheSumOfAdvances)
{
    Surface surface(10, 10);
    surface.setFontSize(7);
    EXPECT_EQ(surface.fontPixelSize(), 9);
    const int height = surface.textHeight("0");
    EXPECT_GT(height, 9);
    EXPECT_EQ(surface.textHeight("Wide text!!!"), height);
    EXPECT_EQ(surface.textHeight(""), 0);
    EXPECT_EQ(surface.textWidth("102!!!"), surface.textWidth("1") + surface.textWidth("0") + surface.textWidth("2") +
                                               3 * surface.textWidth("!"));
    surface.setFontSize(20);
    EXPECT_GT(surface.textHeight("0"), height);
}

TEST(SurfaceText, OutsideTheSurfaceIsClippedAndHugeFontsWork)
{
    Surface surface(600, 512, kGrey);
    surface.setBrushColour(kBlack);
    surface.setFontColour(kWhite);
    surface.drawText(0, 1 - surface.textHeight("0"), "0");
    EXPECT_EQ(surface.pixel(0, 0), kBlack); // the box's last row, the only one below y = 0
    EXPECT_EQ(surface.pixel(0, 1), kGrey);
    surface.setFontSize(1024);
    const int width = surface.textWidth("1024!!!");
    EXPECT_GT(width, 512);
    surface.drawText(100 - width, 300, "1024!!!");
    surface.drawText(INT_MAX - 5, INT_MIN, "1024!!!");
    EXPECT_EQ(surface.pixel(599, 0), kGrey);
}

TEST(SurfaceCopy, EqualSizesCopyPixelForPixel)
{
    Surface picture(512, 512, kRed);
    picture.setPenColour(kBlack);
    picture.moveTo(0, 16);
    picture.lineTo(512, 16);
    Surface frame(600, 512);
    Surface::copy(frame, {16, 0, 33, 17}, picture, {16, 0, 33, 17});
    EXPECT_TRUE(pixelsMatch(frame, [](int x, int y) {
        if (!inside(x, y, 16, 0, 33, 17)) return kWhite;
        return y == 16 ? kBlack : kRed;
    }));
}

TEST(SurfaceCopy, SourcePixelsOutsideTheSourceLeaveTheDestination)
{
    const Surface small(8, 8, kRed);
    Surface frame(40, 40, kGrey);
    Surface::copy(frame, {0, 0, 17, 17}, small, {0, 0, 17, 17});
    Surface::copy(frame, {20, 20, 37, 37}, small, {-4, -4, 13, 13});
    EXPECT_TRUE(pixelsMatch(frame, [](int x, int y) {
        return inside(x, y, 0, 0, 8, 8) || inside(x, y, 24, 24, 32, 32) ? kRed : kGrey;
    }));
}

TEST(SurfaceCopy, DestinationIsClipped)
{
    const Surface source(17, 17, kRed);
    Surface frame(20, 20, kGrey);
    Surface::copy(frame, {10, -5, 27, 12}, source, {0, 0, 17, 17});
    EXPECT_TRUE(pixelsMatch(frame, [](int x, int y) { return inside(x, y, 10, 0, 20, 12) ? kRed : kGrey; }));
    Surface::copy(frame, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, source, {0, 0, 17, 17});
}

TEST(SurfaceCopy, DifferentSizesScaleToTheNearestPixel)
{
    Surface source(2, 1, kRed);
    source.setPenColour(kBlack);
    source.moveTo(1, 0);
    source.lineTo(2, 0);
    Surface frame(6, 2, kGrey);
    Surface::copy(frame, {0, 0, 4, 2}, source, {0, 0, 2, 1});
    EXPECT_TRUE(pixelsMatch(frame, [](int x, int) { return x < 2 ? kRed : (x < 4 ? kBlack : kGrey); }));
}

TEST(SurfaceCopy, OntoItself)
{
    Surface surface(4, 1, kGrey);
    surface.fill({0, 0, 1, 1}, kRed);
    Surface::copy(surface, {1, 0, 4, 1}, surface, {0, 0, 3, 1});
    EXPECT_TRUE(pixelsMatch(surface, [](int x, int) { return x <= 1 ? kRed : kGrey; }));
}

} // namespace
} // namespace lumera
