#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "cp1251.h"
#include "status_panel.h"
#include "tick_targets.h"

namespace lumera {
namespace {

constexpr Colour kGrey = rgb(128, 128, 128);

// The rows of the panel strip that hold white text.
std::set<int> rowsWithText(const Surface& frame)
{
    std::set<int> rows;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 512; x < 600; ++x)
            if (frame.pixel(x, y) == kWhite) rows.insert(y);
    return rows;
}

bool textWithin(const std::set<int>& rows, const std::vector<int>& lineTops, int lineHeight)
{
    for (int row : rows) {
        bool inALine = false;
        for (int top : lineTops) inALine = inALine || (row >= top && row < top + lineHeight);
        if (!inALine) return false;
    }
    for (int top : lineTops)
        if (rows.lower_bound(top) == rows.end() || *rows.lower_bound(top) >= top + lineHeight) return false;
    return true;
}

class StatusPanelTest : public ::testing::Test {
protected:
    StatusPanelTest() : frame(600, 512, kGrey)
    {
        game.tally = CodeTally{0, 17, 300, 5, 0, 0, 0};
        game.score = 1048576;
        frame.setFontSize(7);
        lineHeight = frame.textHeight("0");
        game.previewX = 0;
        game.previewY = 0;
    }

    Game game;
    Surface frame;
    int lineHeight = 0;
};

struct PanelLines {
    std::int32_t colourCount;
    std::vector<int> lineTops;
};

void PrintTo(const PanelLines& c, std::ostream* os) { *os << "ColourCount " << c.colourCount; }

class StatusPanelLines : public StatusPanelTest, public ::testing::WithParamInterface<PanelLines> {};

TEST_P(StatusPanelLines, ShowOneLinePerColourThenThePoints)
{
    game.colourCount = GetParam().colourCount;
    drawStatusPanel(frame, game);
    EXPECT_TRUE(textWithin(rowsWithText(frame), GetParam().lineTops, lineHeight));
    for (int y = 0; y < 512; ++y) ASSERT_NE(frame.pixel(560, y), kGrey) << y; // the strip is all panel
    EXPECT_EQ(frame.pixel(511, 300), kGrey);
}

INSTANTIATE_TEST_SUITE_P(Counts, StatusPanelLines,
                         ::testing::Values(PanelLines{0, {0}}, PanelLines{3, {0, 16, 32, 48}},
                                           PanelLines{6, {0, 16, 32, 48, 64, 80, 96}},
                                           PanelLines{9, {0, 16, 32, 48, 64, 80, 144}},
                                           PanelLines{-1, {}}, PanelLines{INT_MAX, {0, 16, 32, 48, 64, 80}}));

TEST_F(StatusPanelTest, PanelTextIsWhiteSevenPointsOnBlack)
{
    game.colourCount = 3;
    drawStatusPanel(frame, game);
    std::set<Colour> colours;
    for (int y = 0; y < 512; ++y)
        for (int x = 513; x < 599; ++x) colours.insert(frame.pixel(x, y));
    EXPECT_EQ(colours, (std::set<Colour>{kBlack, kWhite}));
    EXPECT_EQ(frame.fontSize(), 7);
    EXPECT_EQ(frame.fontColour(), kWhite);
    EXPECT_EQ(frame.brushColour(), kBlack);
}

// The panel's words, counts, score and preview, written out here and drawn
// with the same text routine on a reference frame: the two must agree pixel
// for pixel, so a wrong label, count or order shows.
TEST_F(StatusPanelTest, WritesTheLabelsCountsScoreAndPreview)
{
    game.colourCount = 6;
    game.tally = CodeTally{9, 1, 22, 333, 4444, 0, 1024};
    game.score = 987654;
    game.previewValue = 49;
    game.previewX = 200;
    game.previewY = 100;
    drawStatusPanel(frame, game);

    Surface expected(600, 512, kGrey);
    expected.setPenColour(kBlack);
    expected.setBrushColour(kBlack);
    expected.fill({512, 0, 600, 512}, kBlack);
    expected.setFontSize(7);
    expected.setFontColour(kWhite);
    const char* lines[] = {"Красный=1", "Желтый=22", "Синий=333", "Зеленый=4444", "Розовый=0", "Голубой=1024",
                           "Очки=987654"};
    int top = 0;
    for (const char* line : lines) {
        expected.drawText(512, top, utf8ToCp1251(line));
        top += 16;
    }
    expected.drawText(200, 88, "49");
    EXPECT_EQ(frame.image(), expected.image());
}

TEST_F(StatusPanelTest, ThePreviewStandsTwelvePixelsAboveThePointer)
{
    game.previewValue = 4;
    game.previewX = 100;
    game.previewY = 300;
    drawStatusPanel(frame, game);
    EXPECT_EQ(frame.pixel(100, 288), kBlack);
    EXPECT_EQ(frame.pixel(99, 288), kGrey);
    EXPECT_EQ(frame.pixel(100, 287), kGrey);
}

TEST_F(StatusPanelTest, AfterAReleaseTheZeroStandsAboveTheFrame)
{
    drawStatusPanel(frame, game);
    for (int x = 0; x < 512; ++x) ASSERT_EQ(frame.pixel(x, 0), kGrey); // "0" at (0, -12) is out of sight
}

// A whole tick on a board of yellow cells; the panel is drawn last.
class StatusPanelOutline : public ::testing::Test, protected testing::TickTargets {
protected:
    StatusPanelOutline()
    {
        game.board = Board::fromText("", 2);
        game.colourCount = 2;
    }
};

TEST_F(StatusPanelOutline, TakesThePenTheBoardPassLeft)
{
    options.flatCells = true;
    tick();
    EXPECT_EQ(frame.pixel(512, 300), kBlack);
    options.gridOff = true;
    tick();
    EXPECT_EQ(frame.pixel(512, 300), rgb(255, 255, 0)); // cell (31, 31)'s yellow
    EXPECT_EQ(frame.pixel(599, 300), rgb(255, 255, 0));
    EXPECT_EQ(frame.pixel(598, 0), rgb(255, 255, 0));
    EXPECT_EQ(game.tally[2], 1024);
}

TEST_F(StatusPanelOutline, IsBlackWhenTheLastCellDrewAnEdgeLine)
{
    game.board.set(31, 31, 9);
    options.gridOff = true;
    tick();
    EXPECT_EQ(frame.pixel(512, 300), kBlack);
}

} // namespace
} // namespace lumera
