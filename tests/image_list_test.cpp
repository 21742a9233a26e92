#include <gtest/gtest.h>

#include <functional>

#include "error_text.h"
#include "game_error.h"
#include "image_list.h"
#include "pixel_check.h"

namespace lumera {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kAlmostWhite = rgb(255, 255, 254);

// A 16 x 16 texture: white on its left column, almost white on its top row,
// blue elsewhere.
Surface texture(Colour body = kBlue)
{
    Surface s(16, 16, body);
    s.fill({0, 0, 1, 16}, kWhite);
    s.fill({1, 0, 16, 1}, kAlmostWhite);
    return s;
}

using testing::errorOf;

TEST(ImageList, WhiteTexturePixelsKeepTheSurfaceOthersAreDrawn)
{
    ImageList list;
    const Surface t = texture();
    EXPECT_EQ(list.add(t, t), 0);
    Surface surface(40, 40, kRed);
    list.draw(surface, 8, 4, 0);
    EXPECT_TRUE(testing::pixelsMatch(surface, [](int x, int y) {
        if (x < 9 || x >= 24 || y < 4 || y >= 20) return kRed; // outside, or the white column
        return y == 4 ? kAlmostWhite : kBlue;
    }));
}

TEST(ImageList, WhitePixelsShowWhatTheFrameHeld)
{
    ImageList list;
    const Surface t = texture();
    list.add(t, t);
    Surface fresh(16, 16);
    list.draw(fresh, 0, 0, 0);
    EXPECT_EQ(fresh.pixel(0, 5), kWhite);
    Surface cleared(16, 16, kBlack);
    list.draw(cleared, 0, 0, 0);
    EXPECT_EQ(cleared.pixel(0, 5), kBlack);
    EXPECT_EQ(cleared.pixel(5, 5), kBlue);
}

// Rows without a transparent pixel are written whole, without reading the
// surface, and on a cache-line start by stores that bypass the caches; at
// every horizontal offset they must give what the masked rows give.
TEST(ImageList, OpaqueAndSeeThroughRowsAtEveryOffset)
{
    ImageList list;
    Surface image(16, 16, kBlue);
    image.fill({0, 5, 16, 6}, kRed);   // an opaque row of its own colour
    image.fill({7, 9, 8, 10}, kWhite); // row 9 lets one pixel through
    list.add(image, image);
    for (int left = 0; left <= 32; ++left) {
        Surface surface(64, 24, kAlmostWhite);
        list.draw(surface, left, 3, 0);
        ASSERT_TRUE(testing::pixelsMatch(surface, [left](int x, int y) {
            const int u = x - left, v = y - 3;
            if (u < 0 || u >= 16 || v < 0 || v >= 16 || (u == 7 && v == 9)) return kAlmostWhite;
            return v == 5 ? kRed : kBlue;
        })) << "left " << left;
    }
}

TEST(ImageList, AWideBitmapAddsOneEntryPerSixteenColumns)
{
    ImageList list;
    Surface wide(40, 20, kBlue);
    wide.fill({16, 0, 32, 20}, kRed);
    EXPECT_EQ(list.add(texture(), texture()), 0);
    EXPECT_EQ(list.add(wide, wide), 1);
    EXPECT_EQ(list.count(), 3);
    Surface surface(16, 16, kWhite);
    list.draw(surface, 0, 0, 2);
    EXPECT_EQ(surface.pixel(0, 0), kRed);
}

TEST(ImageList, MaskMarksExactlyWhiteAsTransparent)
{
    ImageList list;
    const Surface image(16, 16, kBlue);
    Surface mask(16, 16, kBlack);
    mask.fill({0, 0, 8, 16}, kWhite);
    list.add(image, mask);
    Surface surface(16, 16, kRed);
    list.draw(surface, 0, 0, 0);
    EXPECT_TRUE(testing::pixelsMatch(surface, [](int x, int) { return x < 8 ? kRed : kBlue; }));
}

TEST(ImageList, TooSmallBitmapsAddNothing)
{
    ImageList list;
    for (const Surface& small : {Surface(15, 16), Surface(16, 15), Surface()}) {
        EXPECT_EQ(errorOf([&] { list.add(small, small); }), "Invalid image size");
        EXPECT_EQ(errorOf([&] { list.add(texture(), small); }), "Invalid image size");
    }
    EXPECT_EQ(list.count(), 0);
}

TEST(ImageList, IndicesThatNameNoEntryDrawNothing)
{
    ImageList list;
    list.add(texture(), texture());
    Surface surface(16, 16, kRed);
    for (const std::int32_t index : {-1, 1, 9, 2147483647, -2147483647 - 1}) list.draw(surface, 0, 0, index);
    EXPECT_TRUE(testing::pixelsMatch(surface, [](int, int) { return kRed; }));
}

TEST(ImageList, DrawingIsClippedAtTheEdges)
{
    ImageList list;
    list.add(Surface(16, 16, kBlue), Surface(16, 16, kBlue));
    Surface surface(20, 20, kRed);
    list.draw(surface, -8, 12, 0);
    list.draw(surface, 2147483647, -2147483647 - 1, 0);
    EXPECT_TRUE(testing::pixelsMatch(surface, [](int x, int y) { return x < 8 && y >= 12 ? kBlue : kRed; }));
}

TEST(ImageList, DeletingMovesLaterEntriesDownAndRefusesBadIndices)
{
    ImageList list;
    for (int i = 0; i < 10; ++i) list.add(Surface(16, 16, rgb(static_cast<std::uint8_t>(i), 0, 0)), Surface(16, 16, kBlack));
    list.remove(3);
    Surface surface(16, 16);
    list.draw(surface, 0, 0, 3);
    EXPECT_EQ(surface.pixel(0, 0), rgb(4, 0, 0));
    EXPECT_EQ(errorOf([&] { list.remove(9); }), "Invalid ImageList Index");
    EXPECT_EQ(errorOf([&] { list.remove(-1); }), "Invalid ImageList Index");
    EXPECT_EQ(list.count(), 9);
    for (int i = 0; i < 9; ++i) list.remove(0);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(errorOf([&] { list.remove(0); }), "Invalid ImageList Index");
}

} // namespace
} // namespace lumera
