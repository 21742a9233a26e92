#include <gtest/gtest.h>

#include "pixel_check.h"
#include "tick_targets.h"

namespace lumera {
namespace {

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kBlue = rgb(0, 0, 255);
constexpr Colour kMagenta = rgb(255, 0, 255);
constexpr Colour kAlmostWhite = rgb(255, 255, 254);

Colour textureColour(int i) { return rgb(static_cast<std::uint8_t>(30 + 20 * i), 90, 60); }
Colour pictureColour(int x, int y) { return rgb(static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(y % 256), 77); }

// A frame, a background picture whose every pixel tells where it came from,
// and ten flat textures; texture 2 has one exactly white and one almost
// white pixel.
class RenderingTest : public ::testing::Test, protected testing::TickTargets {
protected:
    RenderingTest()
    {
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) picture.fill({x, y, x + 1, y + 1}, pictureColour(x, y));
        addFlatTextures(textureColour, [](int i, Surface& texture) {
            if (i != 2) return;
            texture.fill({3, 3, 4, 4}, kWhite);
            texture.fill({4, 4, 5, 5}, kAlmostWhite);
        });
    }

    void tick(const std::string& board, CellCode fill)
    {
        game.board = Board::fromText(board, fill);
        TickTargets::tick();
    }
};

TEST_F(RenderingTest, FlatCellsWithTheGridShowBlackLinesOnTheirLeftAndTopEdges)
{
    options.flatCells = true;
    tick("", 3);
    EXPECT_TRUE(testing::pixelsMatch(frame, [&](int x, int y) {
        if (x >= 512) return frame.pixel(x, y); // the status panel's strip
        return x % 16 == 0 || y % 16 == 0 ? kBlack : kBlue;
    }));
}

TEST_F(RenderingTest, FlatCellsWithoutTheGridAreUniformSquares)
{
    options.flatCells = true;
    options.gridOff = true;
    tick("", 3);
    EXPECT_TRUE(testing::pixelsMatch(frame, [&](int x, int y) { return x < 512 ? kBlue : frame.pixel(x, y); }));
    EXPECT_EQ(frame.penColour(), kBlue); // the panel's outline takes this pen
}

TEST_F(RenderingTest, FlatCodesZeroAndFiveLookAlikeAndAreCountedApart)
{
    options.flatCells = true;
    tick("05\n50", 1);
    EXPECT_EQ(frame.pixel(8, 8), kMagenta);
    EXPECT_EQ(frame.pixel(24, 8), kMagenta);
    EXPECT_EQ(game.tally[0], 2);
    EXPECT_EQ(game.tally[5], 2);
    EXPECT_EQ(game.tally[1], 1020);
}

TEST_F(RenderingTest, ACodeOutsideTheTableKeepsTheBrushBeforeIt)
{
    options.flatCells = true;
    game.board = Board::fromText("", 1);
    game.board.set(0, 0, 3);
    game.board.set(0, 1, 12);
    game.board.set(0, 2, -5);
    TickTargets::tick();
    EXPECT_EQ(frame.pixel(8, 24), kBlue);
    EXPECT_EQ(frame.pixel(8, 40), kBlue);
    EXPECT_EQ(game.tally[3], 1);
    EXPECT_EQ(game.tally[1], 1021); // the strange codes are counted nowhere
}

TEST_F(RenderingTest, TexturesShowTheirCodeAndBubblesAndEmptiesShowTextureSeven)
{
    options.picturesOff = true;
    tick("1278\n9", 4);
    EXPECT_EQ(frame.pixel(8, 8), textureColour(1));
    EXPECT_EQ(frame.pixel(24, 8), textureColour(2));
    EXPECT_EQ(frame.pixel(40, 8), textureColour(7));
    EXPECT_EQ(frame.pixel(56, 8), textureColour(7)); // 8 looks like 7
    EXPECT_EQ(frame.pixel(4, 20), textureColour(7)); // an empty cell, pictures off
    EXPECT_EQ(frame.pixel(72, 8), textureColour(4));
}

TEST_F(RenderingTest, WhiteTexturePixelsShowWhatTheFrameHeld)
{
    frame.fill(frame.bounds(), kRed);
    tick("2", 1);
    EXPECT_EQ(frame.pixel(16 * 0 + 3, 3), kRed);
    EXPECT_EQ(frame.pixel(4, 4), kAlmostWhite);
    EXPECT_EQ(frame.pixel(5, 5), textureColour(2));
}

TEST_F(RenderingTest, ATextureIndexTheListLacksDrawsNothing)
{
    frame.fill(frame.bounds(), kRed);
    game.board = Board::fromText("", 1);
    game.board.set(0, 1, 12); // coloured brush left by the red cell above
    TickTargets::tick();
    EXPECT_EQ(frame.pixel(8, 24), kRed);
}

TEST_F(RenderingTest, EmptyCellsShowThePictureInsideTheirEdgeLines)
{
    // Row 31: an empty cell at column 10. Column 0 and column 31: one empty
    // cell each, in row 5. Row 20: three empty cells side by side.
    Board board = Board::fromText("", 1);
    board.set(10, 31, 9);
    board.set(0, 5, 9);
    board.set(31, 5, 9);
    for (int x = 4; x <= 6; ++x) board.set(x, 20, 9);
    game.board = board;
    options.flatCells = true;
    TickTargets::tick();

    const auto expectEmptyCell = [&](int cx, int cy, bool bottom, bool right, bool left) {
        for (int y = cy * 16; y < cy * 16 + 16; ++y) {
            for (int x = cx * 16; x < cx * 16 + 16; ++x) {
                const bool line = (bottom && y == cy * 16 + 15) || (right && x == cx * 16 + 15) || (left && x == cx * 16);
                ASSERT_EQ(frame.pixel(x, y), line ? kBlack : pictureColour(x, y)) << cx << ',' << cy << " at " << x << ',' << y;
            }
        }
    };
    expectEmptyCell(10, 31, true, true, true); // the line on pixel row 511
    expectEmptyCell(0, 5, true, true, true);   // the line on pixel column 0
    expectEmptyCell(31, 5, true, true, true);  // the line on pixel column 511
    expectEmptyCell(4, 20, true, false, true);
    expectEmptyCell(5, 20, true, false, false); // only the bottom line
    expectEmptyCell(6, 20, true, true, false);
    EXPECT_EQ(frame.pixel(16 * 11, 31 * 16 + 3), kBlack); // the next cell's grid line covers the picture's 17th column
}

TEST_F(RenderingTest, EmptyCellsWithPicturesOffKeepTheirBody)
{
    options.flatCells = true;
    options.picturesOff = true;
    tick("191", 1);
    EXPECT_EQ(frame.pixel(24, 8), kBlack);
    EXPECT_EQ(frame.pixel(16, 8), kBlack);
}

TEST_F(RenderingTest, ThePassCountsTheBoardAsTheTickFoundIt)
{
    tick("0123456789", 6);
    EXPECT_EQ(game.tally, (CodeTally{1, 1, 1, 1, 1, 1, 1024 - 10 + 1}));
}

} // namespace
} // namespace lumera
