#include <gtest/gtest.h>

#include <set>

#include "game_folder.h"
#include "main_window.h"

namespace lumera {
namespace {

using testing::GameFolder;
using testing::WindowOnFolder;

class WindowMenuTest : public ::testing::Test {
protected:
    WindowMenuTest() : w(folder) { w->show(); }

    void choose(QAction* MainMenu::*item) { (w->menu().*item)->trigger(); }

    GameFolder folder;
    WindowOnFolder w;
};

struct OverlayCase {
    const char* name;
    std::vector<QAction* MainMenu::*> commands;
    bool panel;
    bool history;
    const char* chooserCaption;
    const char* historyCaption;
};

void PrintTo(const OverlayCase& c, std::ostream* os) { *os << c.name; }

class WindowOverlay : public WindowMenuTest, public ::testing::WithParamInterface<OverlayCase> {};

TEST_P(WindowOverlay, FlagsAndCaptionsAfterTheNextTick)
{
    const OverlayCase& c = GetParam();
    for (auto command : c.commands) choose(command);
    w->Timer1Timer();
    EXPECT_EQ(w->panelShown(), c.panel);
    EXPECT_EQ(w->historyShown(), c.history);
    EXPECT_EQ(w->P1().isVisible(), c.panel);
    EXPECT_EQ(w->His().isVisible(), c.panel && c.history); // on screen only with both flags
    EXPECT_EQ(w->menu().N12->text(), QString::fromUtf8(c.chooserCaption));
    EXPECT_EQ(w->menu().N14->text(), QString::fromUtf8(c.historyCaption));
}

using M = MainMenu;
INSTANTIATE_TEST_SUITE_P(
    Sequences, WindowOverlay,
    ::testing::Values(
        OverlayCase{"Board", {}, false, false, "Выбрать", "История"},
        OverlayCase{"History", {&M::N14}, true, true, "Отмена", "Закрыть историю"},
        OverlayCase{"HistoryClosed", {&M::N14, &M::N14}, false, false, "Выбрать", "История"},
        OverlayCase{"Chooser", {&M::N12}, true, false, "Отмена", "История"},
        OverlayCase{"ChooserClosed", {&M::N12, &M::N12}, false, false, "Выбрать", "История"},
        OverlayCase{"HistoryTurnsIntoChooser", {&M::N14, &M::N12}, true, false, "Отмена", "История"},
        OverlayCase{"HistoryFromChooser", {&M::N12, &M::N14}, true, true, "Отмена", "Закрыть историю"},
        OverlayCase{"DifficultyLeavesHistoryFlag", {&M::N14, &M::N3}, false, true, "Выбрать", "Закрыть историю"},
        OverlayCase{"ThenCloseHistoryChangesNothingVisible", {&M::N14, &M::N3, &M::N14}, false, false, "Выбрать", "История"},
        OverlayCase{"ThenHistoryShowsAgain", {&M::N14, &M::N3, &M::N14, &M::N14}, true, true, "Отмена", "Закрыть историю"},
        OverlayCase{"ChooserWithStaleHistoryFlagOpensNothing", {&M::N14, &M::N3, &M::N12}, false, false, "Выбрать", "История"},
        OverlayCase{"ThenChooserOpens", {&M::N14, &M::N3, &M::N12, &M::N12}, true, false, "Отмена", "История"},
        OverlayCase{"RestartClosesThePanel", {&M::N12, &M::N1}, false, false, "Выбрать", "История"},
        OverlayCase{"CampaignDoesNothing", {&M::N13}, false, false, "Выбрать", "История"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WindowMenuTest, ADifficultyClearsTheFrameDealsAndKeepsTheScore)
{
    w->Timer1Timer();
    w->game().score = 250;
    w->game().messages[2] = FloatingMessage{5, 10, 10, 1, 20};
    choose(&M::N5);
    EXPECT_EQ(w->game().colourCount, 5);
    EXPECT_EQ(w->game().score, 250);
    EXPECT_EQ(w->game().messages[2].value, 5);
    EXPECT_EQ(w->bb().surface().pixel(300, 300), kBlack);
    EXPECT_EQ(w->bb().surface().pixel(599, 511), kBlack);
    std::set<CellCode> codes;
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) codes.insert(w->game().board.at(x, y));
    EXPECT_EQ(codes, (std::set<CellCode>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(w.errors().empty());
}

// The window shows the frame without a copy of its own; a command that
// draws on the frame between two ticks must not show through before the
// next tick does.
TEST_F(WindowMenuTest, ADifficultyLeavesTheLastTickOnTheWindowUntilTheNext)
{
    w->Timer1Timer();
    const QImage lastTick = w->bb().surface().image().copy();
    ASSERT_NE(lastTick.pixel(300, 300), qRgb(0, 0, 0));
    choose(&M::N5);
    const auto painted = [&] { return w->clientArea().grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(w->clientArea().shown().image(), lastTick);
    EXPECT_EQ(painted(), lastTick);
    w->Timer1Timer();
    EXPECT_EQ(painted(), w->bb().surface().image());
    EXPECT_NE(painted(), lastTick);
}

TEST_F(WindowMenuTest, PicturesOffKeepsThePictureAMissingOneIsReported)
{
    std::filesystem::remove(folder / "pic/1.bmp");
    std::filesystem::remove(folder / "pic/2.bmp");
    const QImage before = w->pic().surface().image().copy();
    choose(&M::N10);
    choose(&M::N3);
    choose(&M::N12);
    EXPECT_TRUE(w.errors().empty());
    choose(&M::N10);
    choose(&M::N4);
    ASSERT_EQ(w.errors().size(), 1u);
    EXPECT_EQ(w.errors()[0].rfind("Cannot open file \"", 0), 0u);
    EXPECT_EQ(w->game().colourCount, 4); // dealt before the picture failed
    EXPECT_EQ(w->pic().surface().image(), before);
}

TEST_F(WindowMenuTest, EachOptionTogglesOnlyItsOwnMark)
{
    QAction* MainMenu::*options[] = {&M::N8, &M::N9, &M::N10, &M::N15, &M::N16, &M::N17};
    for (auto option : options) {
        choose(option);
        for (auto other : options) EXPECT_EQ((w->menu().*other)->isChecked(), other == option);
        choose(option);
        EXPECT_FALSE((w->menu().*option)->isChecked());
    }
    EXPECT_FALSE(w->menu().N19->isChecked());
}

TEST_F(WindowMenuTest, AGreyedPicturesOptionCannotBeChosen)
{
    GameFolder noPictures;
    std::filesystem::remove(noPictures / "pic/1.bmp");
    std::filesystem::remove(noPictures / "pic/2.bmp");
    WindowOnFolder grey(noPictures);
    grey->menu().N10->trigger();
    EXPECT_TRUE(grey->menu().N10->isChecked());
}

TEST_F(WindowMenuTest, TheTickMarksTheTextureSetInUse)
{
    w->Timer1Timer();
    EXPECT_TRUE(w->menu().N20->isChecked());
    EXPECT_FALSE(w->menu().N19->isChecked());
    choose(&M::N19);
    EXPECT_FALSE(w->menu().N19->isChecked()); // the command leaves the marks to the tick
    w->Timer1Timer();
    EXPECT_TRUE(w->menu().N19->isChecked());
    EXPECT_FALSE(w->menu().N20->isChecked());
    EXPECT_EQ(w->game().textureType, 2);
    w->Timer1Timer();
    EXPECT_EQ(w->clientArea().shown().pixel(5, 5), testing::fixtureTextureColour(2, 1));
}

TEST_F(WindowMenuTest, TextureTypeZeroMarksNeither)
{
    GameFolder zero;
    zero.write("data.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    WindowOnFolder z(zero);
    z->Timer1Timer();
    EXPECT_FALSE(z->menu().N19->isChecked());
    EXPECT_FALSE(z->menu().N20->isChecked());
}

TEST_F(WindowMenuTest, AMissingLightTextureThenDarkThenRestart)
{
    std::filesystem::remove(folder / "img/2/4.bmp");
    choose(&M::N19);
    EXPECT_EQ(w->texdr().count(), 4);
    EXPECT_EQ(w->game().textureType, 2);
    w->Timer1Timer();
    EXPECT_TRUE(w->menu().N19->isChecked());

    choose(&M::N20);
    EXPECT_EQ(w.errors().back(), "Invalid ImageList Index.");
    EXPECT_EQ(w->texdr().count(), 0);
    EXPECT_EQ(w->game().textureType, 1);
    choose(&M::N19);
    EXPECT_EQ(w.errors().back(), "Invalid ImageList Index.");
    EXPECT_EQ(w.errors().size(), 3u);

    choose(&M::N1);
    EXPECT_EQ(w->texdr().count(), 10);
    EXPECT_EQ(w->game().textureType, 1); // as data.ini holds it
}

TEST_F(WindowMenuTest, RestartPutsBackTheSavedOptions)
{
    choose(&M::N8);
    choose(&M::N16);
    choose(&M::N19);
    choose(&M::N6);
    w->game().score = 40;
    choose(&M::N1);
    EXPECT_FALSE(w->menu().N8->isChecked());
    EXPECT_FALSE(w->menu().N16->isChecked());
    EXPECT_EQ(w->game().textureType, 1);
    EXPECT_EQ(w->game().score, 0);
    EXPECT_EQ(w->game().colourCount, 6); // a restart deals with the last count
}

} // namespace
} // namespace lumera
