#include <gtest/gtest.h>

#include <set>

#include "board.h"
#include "cell_code.h"
#include "deal.h"

namespace lumera {
namespace {

TEST(dealBoard, FillsColumnByColumnFromTheTop)
{
    Board board;
    Random random(4242);
    dealBoard(board, 6, random);

    Random replay(4242);
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) ASSERT_EQ(board.at(x, y), replay.draw(6) + 1) << x << ',' << y;
    EXPECT_EQ(random.seed(), replay.seed()); // exactly 1024 draws
    EXPECT_TRUE(board.guardRingIsClear());
}

struct CodeRange {
    std::int32_t colourCount;
    std::set<CellCode> codes;
};

void PrintTo(const CodeRange& c, std::ostream* os) { *os << "ColourCount " << c.colourCount; }

class DealCodes : public ::testing::TestWithParam<CodeRange> {};

TEST_P(DealCodes, DrawsOnlyCodesOneToTheCount)
{
    Board board;
    Random random(7);
    dealBoard(board, GetParam().colourCount, random);
    std::set<CellCode> seen;
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) seen.insert(board.at(x, y));
    EXPECT_EQ(seen, GetParam().codes);
    EXPECT_TRUE(board.guardRingIsClear());
}

INSTANTIATE_TEST_SUITE_P(Counts, DealCodes,
                         ::testing::Values(CodeRange{0, {1}}, CodeRange{1, {1}}, CodeRange{3, {1, 2, 3}},
                                           CodeRange{6, {1, 2, 3, 4, 5, 6}}));

TEST(dealBoard, CountsOnlyAMapCanSetStayDefined)
{
    for (const std::int32_t count : {-1, 10, 2147483647, -2147483647 - 1}) {
        Board board;
        Random random(99);
        dealBoard(board, count, random);
        EXPECT_TRUE(board.guardRingIsClear()) << count;
    }
    // With -1 every 32-bit pattern may come up, 2147483647 + 1 included.
    Board board;
    Random random;
    dealBoard(board, -1, random);
    EXPECT_EQ(board.at(0, 0), 1);          // draw 0
    EXPECT_EQ(board.at(0, 1), 134775814);  // draw 134775813
}

TEST(CellCodes, ColoursAndLabels)
{
    EXPECT_EQ(fillColour(0), rgb(255, 0, 255));
    EXPECT_EQ(fillColour(4), rgb(0, 200, 0));
    EXPECT_EQ(fillColour(5), fillColour(0));
    EXPECT_EQ(fillColour(8), kWhite);
    EXPECT_EQ(fillColour(9), kBlack);
    EXPECT_EQ(fillColour(10), std::nullopt);
    EXPECT_EQ(fillColour(-1), std::nullopt);
    EXPECT_EQ(panelLabel(1), "Красный=");
    EXPECT_EQ(panelLabel(6), "Голубой=");
    EXPECT_EQ(panelLabel(0), "");
    EXPECT_EQ(panelLabel(7), "");
}

} // namespace
} // namespace lumera
