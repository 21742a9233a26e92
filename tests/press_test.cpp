#include <gtest/gtest.h>

#include <climits>

#include "press.h"

namespace lumera {
namespace {

Game gameWith(const std::string& board, CellCode fill, std::int32_t colourCount = 6)
{
    Game game;
    game.board = Board::fromText(board, fill);
    game.colourCount = colourCount;
    return game;
}

int busySlots(const Game& game)
{
    int busy = 0;
    for (const FloatingMessage& m : game.messages) busy += m.value != 0;
    return busy;
}

struct RefusedPress {
    const char* name;
    std::string board;
    CellCode fill;
    std::int32_t colourCount;
    std::int32_t x, y;
};

void PrintTo(const RefusedPress& c, std::ostream* os) { *os << c.name; }

class PressRefused : public ::testing::TestWithParam<RefusedPress> {};

TEST_P(PressRefused, ChangesNothingAndPreviewsZero)
{
    const RefusedPress& c = GetParam();
    Game game = gameWith(c.board, c.fill, c.colourCount);
    game.score = 7;
    const Game before = game;
    leftPress(game, c.x, c.y);
    EXPECT_EQ(game.board, before.board);
    EXPECT_EQ(game.score, 7);
    EXPECT_EQ(busySlots(game), 0);
    rightPress(game, c.x, c.y);
    EXPECT_EQ(game.previewValue, 0);
    EXPECT_EQ(game.previewX, c.x);
    EXPECT_EQ(game.previewY, c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, PressRefused,
    ::testing::Values(RefusedPress{"LoneCell", "12\n21", 3, 6, 5, 5},
                      RefusedPress{"NoColourCountYet", "", 1, 0, 100, 100},
                      RefusedPress{"Bubble", "77", 3, 6, 5, 5},
                      RefusedPress{"BlinkingBubble", "88", 3, 6, 5, 5},
                      RefusedPress{"EmptyCell", "99", 3, 6, 5, 5},
                      RefusedPress{"StatusPanel", "", 1, 6, 512, 5},
                      RefusedPress{"BelowTheBoard", "", 1, 6, 5, 512},
                      RefusedPress{"LeftOfTheWindow", "", 1, 6, -1, 5},
                      RefusedPress{"FarAway", "", 1, 6, INT_MAX, INT_MIN}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Press, APairBecomesTwoBubblesScoresFourAndQueuesTheSize)
{
    Game game = gameWith("12\n13", 3);
    leftPress(game, 3, 21); // on (0, 1), the lower of the two 1s
    EXPECT_EQ(game.board, Board::fromText("72\n73", 3));
    EXPECT_EQ(game.score, 4);
    EXPECT_EQ(game.messages[0].value, 2);
    EXPECT_EQ(game.messages[0].x, 3);
    EXPECT_EQ(game.messages[0].y, 21);
    EXPECT_EQ(game.messages[0].blink, 1);
    EXPECT_EQ(game.messages[0].life, 20);
    EXPECT_EQ(busySlots(game), 1);
}

TEST(Press, RightPressShowsWhatTheLeftPressThenScores)
{
    Game game = gameWith("1122\n1222\n3333", 3);
    rightPress(game, 40, 5);
    EXPECT_EQ(game.previewValue, 25);
    EXPECT_EQ(game.board, Board::fromText("1122\n1222\n3333", 3));
    releasePress(game);
    EXPECT_EQ(game.previewValue, 0);
    EXPECT_EQ(game.previewX, 0);
    EXPECT_EQ(game.previewY, 0);
    rightPress(game, 40, 5);
    leftPress(game, 40, 5);
    EXPECT_EQ(game.score, game.previewValue);
}

TEST(Press, AOneColourBoardGoesInOnePress)
{
    Game game = gameWith("", 4, 1);
    leftPress(game, 511, 511); // column 31, row 31
    EXPECT_EQ(game.score, 1048576);
    EXPECT_EQ(game.messages[0].value, 1024);
    EXPECT_EQ(game.board, Board::fromText("", 7));
    EXPECT_TRUE(game.board.guardRingIsClear());
}

TEST(Press, WithAllSlotsBusyTheScoreStillGrowsAndFreedSlotsFillLowestFirst)
{
    Game game = gameWith("", 2);
    for (FloatingMessage& m : game.messages) m.value = 3;
    Board board = Board::fromText("11\n22\n33", 4);
    game.board = board;
    leftPress(game, 1, 1);
    EXPECT_EQ(game.score, 4);
    EXPECT_EQ(busySlots(game), 51);
    game.messages[40].value = 0;
    game.messages[7].value = 0;
    leftPress(game, 1, 17);
    EXPECT_EQ(game.messages[7].value, 2);
    EXPECT_EQ(game.messages[40].value, 0);
}

TEST(Press, TheScoreWrapsLikeA32BitNumber)
{
    Game game = gameWith("11", 3);
    game.score = INT_MAX;
    leftPress(game, 1, 1);
    EXPECT_EQ(game.score, INT_MIN + 3);
}

} // namespace
} // namespace lumera
