#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <set>

#include "floating_messages.h"
#include "game_core.h"

namespace lumera {
namespace {

constexpr Colour kGrey = rgb(128, 128, 128);

// Where the frame shows a message box's top left corner, if anywhere.
std::optional<std::pair<int, int>> boxCorner(const Surface& frame)
{
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (frame.pixel(x, y) != kGrey) return std::make_pair(x, y);
    return std::nullopt;
}

class FloatingMessagesTest : public ::testing::Test {
protected:
    FloatingMessagesTest() : frame(600, 512, kGrey) {}

    void queue(std::int32_t value, std::int32_t x, std::int32_t y) { messages[0] = FloatingMessage{value, x, y, 1, 20}; }

    // One tick's phase on a freshly grey frame; where the box was drawn.
    std::optional<std::pair<int, int>> tick(bool messagesOff = false)
    {
        frame.fill(frame.bounds(), kGrey);
        advanceFloatingMessages(frame, messages, messagesOff);
        return boxCorner(frame);
    }

    Surface frame;
    FloatingMessages messages{};
};

TEST_F(FloatingMessagesTest, AGroupOfTwoRisesFourPixelsATickAndBlinksForTwentyOneTicks)
{
    queue(2, 100, 300);
    const std::set<int> hidden = {2, 5, 8, 11, 14, 17, 20};
    for (int k = 1; k <= 21; ++k) {
        const auto corner = tick();
        if (hidden.count(k)) {
            EXPECT_EQ(corner, std::nullopt) << "tick " << k;
        } else {
            EXPECT_EQ(corner, std::make_pair(100, 300 - (k - 1) * 4)) << "tick " << k;
        }
        EXPECT_EQ(messages[0].value, k == 21 ? 0 : 2) << "tick " << k;
    }
    EXPECT_EQ(tick(), std::nullopt);
}

TEST_F(FloatingMessagesTest, TextIsWhiteOnABlackBox)
{
    queue(30, 100, 200);
    tick();
    std::set<Colour> colours;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 600; ++x)
            if (frame.pixel(x, y) != kGrey) colours.insert(frame.pixel(x, y));
    EXPECT_EQ(colours, (std::set<Colour>{kBlack, kWhite}));
    EXPECT_EQ(frame.fontSize(), 30);
}

// A press on a group of three scores nine, and its message says "3!!!" in a
// box at the press point, in a font of 3 points.
TEST_F(FloatingMessagesTest, APressShowsTheGroupSizeNotTheScore)
{
    GameCore core{GameFiles{}};
    Game& game = core.game();
    game.colourCount = 2;
    game.board = Board::fromText("111\n222", 2);
    core.leftPress(20, 6);
    ASSERT_EQ(game.score, 9);
    messages = game.messages;
    tick();

    for (const char* text : {"3!!!", "9!!!"}) {
        Surface expected(600, 512, kGrey);
        expected.setBrushColour(kBlack);
        expected.setFontColour(kWhite);
        expected.setFontSize(3);
        expected.drawText(20, 6, text);
        if (std::string(text) == "3!!!") EXPECT_EQ(frame.image(), expected.image()) << text;
        else EXPECT_NE(frame.image(), expected.image()) << "the score, not the size, was shown";
    }
}

TEST_F(FloatingMessagesTest, AMessageThatWouldCrossThePanelEndsAtThePressPoint)
{
    queue(30, 500, 200);
    frame.setFontSize(30);
    const int width = frame.textWidth("30!!!");
    ASSERT_GT(500 + width, 512);
    EXPECT_EQ(tick(), std::make_pair(500 - width, 200));
    const Colour insideTheBox = frame.pixel(499, 205);
    EXPECT_TRUE(insideTheBox == kWhite || insideTheBox == kBlack) << "neither white nor black: " << insideTheBox;
    EXPECT_EQ(frame.pixel(500, 205), kGrey);
}

TEST_F(FloatingMessagesTest, AThousandAndTwentyFourCellGroupRises208PixelsATick)
{
    queue(1024, 10, 400);
    tick();
    EXPECT_EQ(messages[0].y, 400 - 208);
    tick();
    EXPECT_EQ(messages[0].y, 400 - 416);
    EXPECT_EQ(frame.fontPixelSize(), 1365);
}

TEST_F(FloatingMessagesTest, SwitchedOffMessagesStillAgeAndShowMidFlightWhenSwitchedOn)
{
    queue(2, 100, 300);
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(tick(true), std::nullopt) << "tick " << k;
    EXPECT_EQ(tick(false), std::make_pair(100, 300 - 9 * 4)); // tick 10
    EXPECT_EQ(tick(false), std::nullopt);                      // tick 11 is a hidden one
    for (int k = 12; k <= 21; ++k) tick(true);
    EXPECT_EQ(messages[0].value, 0);
}

TEST_F(FloatingMessagesTest, SlotsAreDrawnInOrderAndFreedSlotsCostNothing)
{
    messages[3] = FloatingMessage{5, 50, 100, 1, 20};
    messages[9] = FloatingMessage{5, 50, 100, 1, 0};
    tick();
    EXPECT_EQ(messages[3].value, 5);
    EXPECT_EQ(messages[9].value, 0); // its life ran out in this tick
    EXPECT_EQ(messages[0].value, 0);
}

TEST_F(FloatingMessagesTest, FieldsAtTheEdgesOfTheirRangeWrapInsteadOfOverflowing)
{
    messages[0] = FloatingMessage{INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MIN};
    messages[1] = FloatingMessage{INT_MIN, 0, INT_MIN + 5, 1, 3};
    tick();
    EXPECT_EQ(messages[0].blink, INT_MAX); // wrapped, so not below 0
    EXPECT_EQ(messages[0].value, INT_MAX); // life wrapped round to the top
    EXPECT_EQ(messages[1].y, -1717986918); // rose by 4 + INT_MIN / 5, a fall of 429 496 725
}

} // namespace
} // namespace lumera
