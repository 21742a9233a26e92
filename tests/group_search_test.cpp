#include <gtest/gtest.h>

#include "deal.h"
#include "group_search.h"
#include "reference_walk.h"
#include "shaped_boards.h"

namespace lumera {
namespace {

// Presses every accepted cell of the board with both searches and compares
// the boards they leave and the sizes they give.
void expectSameAsTheRescanningWalk(const Board& board, const std::string& what)
{
    for (int a = 0; a < Board::kSize; ++a) {
        for (int b = 0; b < Board::kSize; ++b) {
            if (!groupPressAccepted(board, 6, a, b)) continue;
            const CellCode c = board.at(a, b);
            Board fast = board;
            Board slow = board;
            const std::int32_t d = removeGroup(fast, a, b, c);
            ASSERT_EQ(d, reference::removeGroupByRescanning(slow, a, b, c)) << what << " at " << a << ',' << b;
            ASSERT_EQ(fast, slow) << what << " at " << a << ',' << b;
            ASSERT_EQ(measureGroup(board, a, b, c), d) << what << " at " << a << ',' << b;
            ASSERT_EQ(reference::measureGroupByRescanning(board, a, b, c), d) << what << " at " << a << ',' << b;
        }
    }
}

Board spiral(CellCode path, CellCode wall) { return reference::spiralBoard(path, wall); }
Board comb(CellCode teeth, CellCode gaps) { return reference::combBoard(teeth, gaps); }

TEST(GroupSearch, MatchesTheRescanningWalkOnRandomBoards)
{
    for (std::int32_t colours = 1; colours <= 6; ++colours) {
        for (std::uint32_t seed = 0; seed < 6; ++seed) {
            Board board;
            Random random(seed * 7919u + static_cast<std::uint32_t>(colours));
            dealBoard(board, colours, random);
            expectSameAsTheRescanningWalk(board, "colours " + std::to_string(colours) + " seed " + std::to_string(seed));
        }
    }
}

TEST(GroupSearch, MatchesTheRescanningWalkOnSpiralsCombsAndOneColourBoards)
{
    expectSameAsTheRescanningWalk(spiral(1, 2), "spiral");
    expectSameAsTheRescanningWalk(comb(3, 4), "comb");
    expectSameAsTheRescanningWalk(Board::fromText("", 5), "one colour");
    Board withBubbles = Board::fromText("", 2);
    for (int i = 0; i < Board::kSize; ++i) withBubbles.set(i, (i * 7) % 32, 7);
    expectSameAsTheRescanningWalk(withBubbles, "bubbles splitting a colour");
}

TEST(GroupSearch, SpiralAndCombGroupsAreRemovedWhole)
{
    Board board = spiral(1, 2);
    std::int32_t cells = 0;
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y < 32; ++y) cells += board.at(x, y) == 1;
    EXPECT_EQ(removeGroup(board, 0, 0, 1), cells);
    Board teeth = comb(3, 4);
    // 8 spines of 32, 8 rows of 16 teeth above them, 8 rows of 16 below
    // them and the bar between, 8 bar cells in the blank rows.
    EXPECT_EQ(removeGroup(teeth, 0, 1, 3), 8 * 32 + 8 * 16 + 8 * 17 + 8);
}

TEST(GroupSearch, GroupsTouchingOnlyAtACornerStayApart)
{
    const Board board = Board::fromText("1222\n2122\n2222", 3);
    EXPECT_FALSE(groupPressAccepted(board, 3, 0, 0));
    EXPECT_EQ(measureGroup(board, 0, 0, 1), 1);
}

TEST(GroupSearch, CodeZeroNeverReachesTheGuardRing)
{
    // A lone 0 in the corner: the guard's 0s neither make it acceptable nor
    // count towards it.
    Board corner = Board::fromText("01\n11", 1);
    EXPECT_FALSE(groupPressAccepted(corner, 3, 0, 0));
    // A 0 group along the top edge: only its own cells count and change.
    Board edge = Board::fromText("000\n111", 1);
    ASSERT_TRUE(groupPressAccepted(edge, 3, 1, 0));
    EXPECT_EQ(measureGroup(edge, 1, 0, 0), 3);
    EXPECT_EQ(removeGroup(edge, 1, 0, 0), 3);
    EXPECT_EQ(edge, Board::fromText("777\n111", 1));
    EXPECT_TRUE(edge.guardRingIsClear());
    // A whole board of 0s is one group of 1024 like any other colour.
    Board zeros = Board::fromText("", 0);
    EXPECT_EQ(removeGroup(zeros, 31, 31, 0), 1024);
    EXPECT_TRUE(zeros.guardRingIsClear());
    // Inside the field a 0 group behaves like any other.
    Board inside = Board::fromText("1111\n1001\n1111", 1);
    expectSameAsTheRescanningWalk(inside, "0 group inside the field");
}

TEST(GroupSearch, PressesThatCannotActAreRefused)
{
    const Board board = Board::fromText("77\n88\n99\n12", 3);
    EXPECT_FALSE(groupPressAccepted(board, 3, 0, 0)); // bubbles
    EXPECT_FALSE(groupPressAccepted(board, 3, 0, 1));
    EXPECT_FALSE(groupPressAccepted(board, 3, 0, 2)); // empty cells
    EXPECT_FALSE(groupPressAccepted(board, 3, 0, 3)); // a lone 1
    EXPECT_TRUE(groupPressAccepted(board, 3, 5, 5));
    EXPECT_FALSE(groupPressAccepted(board, 0, 5, 5)); // no colour count yet
    EXPECT_FALSE(groupPressAccepted(board, 3, 32, 5));
    EXPECT_FALSE(groupPressAccepted(board, 3, -1, 5));
}

} // namespace
} // namespace lumera
