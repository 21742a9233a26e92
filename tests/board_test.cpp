#include <gtest/gtest.h>

#include "board.h"

namespace lumera {
namespace {

TEST(Board, StartsAllZeroAndReadsTheGuardRingAsZero)
{
    const Board board;
    for (int i = -1; i <= Board::kSize; ++i) {
        EXPECT_EQ(board.at(i, -1), 0);
        EXPECT_EQ(board.at(-1, i), 0);
    }
    EXPECT_TRUE(board.guardRingIsClear());
}

TEST(Board, WritesAimedAtTheGuardRingAreDropped)
{
    Board board = Board::fromText("", 3);
    for (int i = -1; i <= Board::kSize; ++i) {
        board.set(i, -1, 5);
        board.set(i, Board::kSize, 5);
        board.set(-1, i, 5);
        board.set(Board::kSize, i, 5);
    }
    EXPECT_TRUE(board.guardRingIsClear());
    EXPECT_EQ(board, Board::fromText("", 3));
}

TEST(Board, NeighboursOutsideTheFieldReadZero)
{
    const Board board = Board::fromText("", 1);
    EXPECT_EQ(board.at(0, 5), 1);
    EXPECT_EQ(board.at(-1, 5), 0);
    EXPECT_EQ(board.at(32, 5), 0);
    EXPECT_EQ(board.at(5, -1), 0);
    EXPECT_EQ(board.at(5, 32), 0);
}

TEST(Board, TextFormIsRowsFromTheTop)
{
    const Board board = Board::fromText("12\n3\n\n4");
    EXPECT_EQ(board.at(0, 0), 1);
    EXPECT_EQ(board.at(1, 0), 2);
    EXPECT_EQ(board.at(0, 1), 3);
    EXPECT_EQ(board.at(1, 1), 9); // left out: the fill code
    EXPECT_EQ(board.at(0, 3), 4);
    EXPECT_EQ(Board::fromText(board.toText()), board);

    Board strange;
    strange.set(0, 0, 12);
    EXPECT_EQ(strange.toText().substr(0, 2), "?0");
}

TEST(Board, TextFormRefusesWhatIsNotABoard)
{
    EXPECT_THROW(Board::fromText("12a"), std::invalid_argument);
    EXPECT_THROW(Board::fromText(std::string(33, '1')), std::invalid_argument);
    EXPECT_THROW(Board::fromText(std::string(33, '\n') + "1"), std::invalid_argument);
}

} // namespace
} // namespace lumera
