#include <gtest/gtest.h>

#include <climits>

#include <optional>

#include "game_core.h"
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

// A headless core on a board in its text form: presses at pixels of the
// frame, as the window hands them on.
struct CoreOn {
    CoreOn(const std::string& board, CellCode fill, std::int32_t colourCount = 6)
    {
        core.game() = gameWith(board, fill, colourCount);
    }
    GameCore core{GameFiles{}};
};

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
    CoreOn on(c.board, c.fill, c.colourCount);
    GameCore& core = on.core;
    Game& game = core.game();
    game.score = 7;
    const Game before = game;
    core.leftPress(c.x, c.y);
    EXPECT_EQ(game.board, before.board);
    EXPECT_EQ(game.score, 7);
    EXPECT_EQ(busySlots(game), 0);
    core.rightPress(c.x, c.y);
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
    CoreOn on("12\n13", 3);
    GameCore& core = on.core;
    Game& game = core.game();
    core.leftPress(3, 21); // on (0, 1), the lower of the two 1s
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
    CoreOn on("1122\n1222\n3333", 3);
    GameCore& core = on.core;
    Game& game = core.game();
    core.rightPress(40, 5);
    EXPECT_EQ(game.previewValue, 25);
    EXPECT_EQ(game.board, Board::fromText("1122\n1222\n3333", 3));
    core.release();
    EXPECT_EQ(game.previewValue, 0);
    EXPECT_EQ(game.previewX, 0);
    EXPECT_EQ(game.previewY, 0);
    core.rightPress(40, 5);
    core.leftPress(40, 5);
    EXPECT_EQ(game.score, game.previewValue);
}

TEST(Press, AOneColourBoardGoesInOnePress)
{
    CoreOn on("", 4, 1);
    GameCore& core = on.core;
    Game& game = core.game();
    core.leftPress(511, 511); // column 31, row 31
    EXPECT_EQ(game.score, 1048576);
    EXPECT_EQ(game.messages[0].value, 1024);
    EXPECT_EQ(game.board, Board::fromText("", 7));
    EXPECT_TRUE(game.board.guardRingIsClear());
}

TEST(Press, WithAllSlotsBusyTheScoreStillGrowsAndFreedSlotsFillLowestFirst)
{
    CoreOn on("", 2);
    GameCore& core = on.core;
    Game& game = core.game();
    for (FloatingMessage& m : game.messages) m.value = 3;
    Board board = Board::fromText("11\n22\n33", 4);
    game.board = board;
    core.leftPress(1, 1);
    EXPECT_EQ(game.score, 4);
    EXPECT_EQ(busySlots(game), 51);
    game.messages[40].value = 0;
    game.messages[7].value = 0;
    core.leftPress(1, 17);
    EXPECT_EQ(game.messages[7].value, 2);
    EXPECT_EQ(game.messages[40].value, 0);
}

TEST(Press, TheScoreWrapsLikeA32BitNumber)
{
    CoreOn on("11", 3);
    GameCore& core = on.core;
    Game& game = core.game();
    game.score = INT_MAX;
    core.leftPress(1, 1);
    EXPECT_EQ(game.score, INT_MIN + 3);
}

// The board's own presses work in cells and say what they did.
TEST(PressOnCells, SayWhatTheyDidAndTouchNothingWhenRefused)
{
    const struct {
        const char* name;
        std::optional<Cell> cell;
        PressOutcome outcome;
        const char* after;
    } rows[] = {
        {"a group of three", Cell{0, 0}, {3, 9}, "7722\n7233"},
        {"a lone cell", Cell{1, 1}, {0, 0}, "1122\n1233"},
        {"off the field", std::nullopt, {0, 0}, "1122\n1233"},
        {"the guard ring", Cell{-1, 0}, {0, 0}, "1122\n1233"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Game game = gameWith("1122\n1233", 4);
        game.score = 5;
        EXPECT_EQ(rightPress(game, row.cell), row.outcome);
        EXPECT_EQ(game.board, Board::fromText("1122\n1233", 4)); // measuring changes nothing
        EXPECT_EQ(leftPress(game, row.cell), row.outcome);
        EXPECT_EQ(game.board, Board::fromText(row.after, 4));
        EXPECT_EQ(game.score, 5 + row.outcome.points);
        EXPECT_EQ(game.messages, FloatingMessages{}); // messages are the core's business
    }
}

} // namespace
} // namespace lumera
