#include <gtest/gtest.h>

#include "tick_targets.h"

namespace lumera {
namespace {

// Column x written top to bottom; cells the text leaves out hold `fill`.
Board withColumn(int x, const std::string& topToBottom, CellCode fill = 1)
{
    Board board = Board::fromText("", fill);
    for (std::size_t y = 0; y < topToBottom.size(); ++y) board.set(x, static_cast<int>(y), topToBottom[y] - '0');
    return board;
}

std::string columnOf(const Board& board, int x, int rows)
{
    std::string text;
    for (int y = 0; y < rows; ++y) text.push_back(static_cast<char>('0' + board.at(x, y)));
    return text;
}

class SettlingTest : public ::testing::Test, protected testing::TickTargets {
protected:
    SettlingTest() { picture.fill(picture.bounds(), rgb(0, 90, 0)); }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i) TickTargets::tick();
    }
};

struct ColumnCase {
    const char* name;
    bool bubblesOff;
    bool blink;
    std::string start;                    // column 3, top to bottom
    std::vector<std::string> afterTicks;  // the same rows after each tick
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

class ColumnSettling : public SettlingTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(ColumnSettling, MovesBubblesUpAndEmptiesThem)
{
    const ColumnCase& c = GetParam();
    options.bubblesOff = c.bubblesOff;
    options.blink = c.blink;
    game.board = withColumn(3, c.start);
    for (std::size_t t = 0; t < c.afterTicks.size(); ++t) {
        tick();
        EXPECT_EQ(columnOf(game.board, 3, static_cast<int>(c.start.size())), c.afterTicks[t]) << "after tick " << t + 1;
    }
    EXPECT_TRUE(game.board.guardRingIsClear());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnSettling,
    ::testing::Values(
        ColumnCase{"BubbleInRowZeroEmpties", false, false, "72", {"92"}},
        ColumnCase{"BubbleRisesOneRowATick", false, false, "2345672",
                   {"2345762", "2347562", "2374562", "2734562", "7234562", "9234562"}},
        ColumnCase{"ARunRisesAsABlockAndEmptiesTogether", false, false, "9993477", {"9993774", "9997734", "9999934"}},
        ColumnCase{"BubblesOffCarryToTheTopAtOnce", true, false, "9993477", {"7799934", "9999934"}},
        ColumnCase{"BlinkTurnsSevenToEightAsItRises", false, true, "3372", {"3832", "7332", "9332"}},
        ColumnCase{"NothingBlinksWithBubblesOff", true, true, "3372", {"7332", "9332"}},
        ColumnCase{"AnEightLeftByTheBlinkRisesLikeASeven", false, false, "3822", {"8322", "9322"}},
        ColumnCase{"ABubbleBelowABubbleFollowsIt", false, false, "3872", {"8732", "9932"}},
        ColumnCase{"AMapsEmptyCellMidColumnEmptiesTheBubbleBelowIt", false, false, "19712", {"19912"}}),
    [](const auto& row) { return std::string(row.param.name); });

Board columnsEmptied(std::initializer_list<int> columns)
{
    Board board;
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) board.set(x, y, x % 6 + 1);
    for (int x : columns)
        for (int y = 0; y < Board::kSize; ++y) board.set(x, y, 9);
    return board;
}

TEST_F(SettlingTest, OneEmptyColumnClosesInOneTick)
{
    game.board = columnsEmptied({10});
    const Board before = game.board;
    tick();
    for (int x = 0; x < 10; ++x) EXPECT_EQ(game.board.at(x, 5), before.at(x, 5));
    for (int x = 10; x < 31; ++x) EXPECT_EQ(game.board.at(x, 5), before.at(x + 1, 5)) << x;
    EXPECT_EQ(columnOf(game.board, 31, 32), std::string(32, '9'));
}

TEST_F(SettlingTest, TwoEmptyColumnsCloseOneATick)
{
    game.board = columnsEmptied({10, 11});
    const Board before = game.board;
    tick();
    EXPECT_EQ(columnOf(game.board, 10, 32), std::string(32, '9'));
    for (int x = 11; x < 31; ++x) EXPECT_EQ(game.board.at(x, 0), before.at(x + 1, 0)) << x;
    tick();
    for (int x = 10; x < 30; ++x) EXPECT_EQ(game.board.at(x, 0), before.at(x + 2, 0)) << x;
    EXPECT_EQ(columnOf(game.board, 30, 32), std::string(32, '9'));
}

TEST_F(SettlingTest, AnEmptyLastColumnMovesNothing)
{
    game.board = columnsEmptied({31});
    const Board before = game.board;
    tick(3);
    EXPECT_EQ(game.board, before);
}

TEST_F(SettlingTest, AColumnWithAnEmptyBottomCellIsOverwrittenWhole)
{
    game.board = withColumn(4, "1234569999999999999999999999999" "9");
    const CellCode right = game.board.at(5, 0);
    tick();
    EXPECT_EQ(game.board.at(4, 0), right);
    EXPECT_TRUE(game.board.guardRingIsClear());
}

TEST_F(SettlingTest, ABubbleUnderAnEmptyCellIsDrawnEmptyInTheTickThatEmptiesIt)
{
    game.board = withColumn(3, "971");
    tick();
    EXPECT_EQ(game.board.at(3, 1), 9);
    EXPECT_EQ(frame.pixel(3 * 16 + 8, 16 + 8), rgb(0, 90, 0)); // the picture, in this very frame
}

TEST_F(SettlingTest, AMovingBubbleIsDrawnAtItsOldPlace)
{
    options.flatCells = true;
    game.board = withColumn(3, "27");
    tick();
    EXPECT_EQ(columnOf(game.board, 3, 2), "72");
    EXPECT_EQ(frame.pixel(3 * 16 + 8, 8), rgb(255, 255, 0)); // row 0 still shows the yellow
    EXPECT_EQ(frame.pixel(3 * 16 + 8, 24), kBlack);          // row 1 still shows the bubble
}

TEST_F(SettlingTest, StrangeCodesOnlyMoveWhenABubblePassesThem)
{
    game.board = withColumn(0, "9");
    game.board.set(3, 0, 42);
    game.board.set(3, 1, 7);
    game.board.set(3, 2, -3);
    tick();
    EXPECT_EQ(game.board.at(3, 0), 7);
    EXPECT_EQ(game.board.at(3, 1), 42);
    EXPECT_EQ(game.board.at(3, 2), -3);
}

} // namespace
} // namespace lumera
