#include <gtest/gtest.h>

#include <QMenuBar>
#include <set>
#include <string>
#include <vector>

#include "window_on_folder.h"
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
    w->runWindowTick();
    EXPECT_EQ(w->panelShown(), c.panel);
    EXPECT_EQ(w->historyShown(), c.history);
    EXPECT_EQ(w->overlayPanel().isVisible(), c.panel);
    EXPECT_EQ(w->historyView().isVisible(), c.panel && c.history); // on screen only with both flags
    EXPECT_EQ(w->menu().chooseMapCommand->text(), QString::fromUtf8(c.chooserCaption));
    EXPECT_EQ(w->menu().historyCommand->text(), QString::fromUtf8(c.historyCaption));
}

using M = MainMenu;
INSTANTIATE_TEST_SUITE_P(
    Sequences, WindowOverlay,
    ::testing::Values(
        OverlayCase{"Board", {}, false, false, "Выбрать", "История"},
        OverlayCase{"History", {&M::historyCommand}, true, true, "Отмена", "Закрыть историю"},
        OverlayCase{"HistoryClosed", {&M::historyCommand, &M::historyCommand}, false, false, "Выбрать", "История"},
        OverlayCase{"Chooser", {&M::chooseMapCommand}, true, false, "Отмена", "История"},
        OverlayCase{"ChooserClosed", {&M::chooseMapCommand, &M::chooseMapCommand}, false, false, "Выбрать", "История"},
        OverlayCase{"HistoryTurnsIntoChooser", {&M::historyCommand, &M::chooseMapCommand}, true, false, "Отмена", "История"},
        OverlayCase{"HistoryFromChooser", {&M::chooseMapCommand, &M::historyCommand}, true, true, "Отмена", "Закрыть историю"},
        OverlayCase{"DifficultyLeavesHistoryFlag", {&M::historyCommand, &M::easyBoardCommand}, false, true, "Выбрать", "Закрыть историю"},
        OverlayCase{"ThenCloseHistoryChangesNothingVisible", {&M::historyCommand, &M::easyBoardCommand, &M::historyCommand}, false, false, "Выбрать", "История"},
        OverlayCase{"ThenHistoryShowsAgain", {&M::historyCommand, &M::easyBoardCommand, &M::historyCommand, &M::historyCommand}, true, true, "Отмена", "Закрыть историю"},
        OverlayCase{"ChooserWithStaleHistoryFlagOpensNothing", {&M::historyCommand, &M::easyBoardCommand, &M::chooseMapCommand}, false, false, "Выбрать", "История"},
        OverlayCase{"ThenChooserOpens", {&M::historyCommand, &M::easyBoardCommand, &M::chooseMapCommand, &M::chooseMapCommand}, true, false, "Отмена", "История"},
        OverlayCase{"RestartClosesThePanel", {&M::chooseMapCommand, &M::restartCommand}, false, false, "Выбрать", "История"},
        OverlayCase{"CampaignDoesNothing", {&M::campaignCommand}, false, false, "Выбрать", "История"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WindowMenuTest, ADifficultyClearsTheFrameDealsAndKeepsTheScore)
{
    w->runWindowTick();
    w.game().score = 250;
    w.game().messages[2] = FloatingMessage{5, 10, 10, 1, 20};
    choose(&M::hardBoardCommand);
    EXPECT_EQ(w.game().colourCount, 5);
    EXPECT_EQ(w.game().score, 250);
    EXPECT_EQ(w.game().messages[2].value, 5);
    EXPECT_EQ(w.core().frame().surface().pixel(300, 300), kBlack);
    EXPECT_EQ(w.core().frame().surface().pixel(599, 511), kBlack);
    std::set<CellCode> codes;
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) codes.insert(w.game().board.at(x, y));
    EXPECT_EQ(codes, (std::set<CellCode>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(w.errors().empty());
}

// The window shows the frame without a copy of its own; a command that
// draws on the frame between two ticks must not show through before the
// next tick does.
TEST_F(WindowMenuTest, ADifficultyLeavesTheLastTickOnTheWindowUntilTheNext)
{
    w->runWindowTick();
    const QImage lastTick = w.core().frame().surface().image().copy();
    ASSERT_NE(lastTick.pixel(300, 300), qRgb(0, 0, 0));
    choose(&M::hardBoardCommand);
    const auto painted = [&] { return w->clientArea().grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(w->clientArea().shown().image(), lastTick);
    EXPECT_EQ(painted(), lastTick);
    w->runWindowTick();
    EXPECT_EQ(painted(), w.core().frame().surface().image());
    EXPECT_NE(painted(), lastTick);
}

TEST_F(WindowMenuTest, PicturesOffKeepsThePictureAMissingOneIsReported)
{
    std::filesystem::remove(folder / "pic/1.bmp");
    std::filesystem::remove(folder / "pic/2.bmp");
    const QImage before = w.core().backgroundPicture().surface().image().copy();
    choose(&M::picturesOffOption);
    choose(&M::easyBoardCommand);
    choose(&M::chooseMapCommand);
    EXPECT_TRUE(w.errors().empty());
    choose(&M::picturesOffOption);
    choose(&M::mediumBoardCommand);
    ASSERT_EQ(w.errors().size(), 1u);
    EXPECT_EQ(w.errors()[0].rfind("Cannot open file \"", 0), 0u);
    EXPECT_EQ(w.game().colourCount, 4); // dealt before the picture failed
    EXPECT_EQ(w.core().backgroundPicture().surface().image(), before);
}

TEST_F(WindowMenuTest, EachOptionTogglesOnlyItsOwnMark)
{
    QAction* MainMenu::*options[] = {&M::gridOffOption, &M::bubblesOffOption, &M::picturesOffOption, &M::smoothAnimationOffOption, &M::texturesOffOption, &M::floatingMessagesOffOption};
    for (auto option : options) {
        choose(option);
        for (auto other : options) EXPECT_EQ((w->menu().*other)->isChecked(), other == option);
        choose(option);
        EXPECT_FALSE((w->menu().*option)->isChecked());
    }
    EXPECT_FALSE(w->menu().lightTexturesOption->isChecked());
}

TEST_F(WindowMenuTest, AGreyedPicturesOptionCannotBeChosen)
{
    GameFolder noPictures;
    std::filesystem::remove(noPictures / "pic/1.bmp");
    std::filesystem::remove(noPictures / "pic/2.bmp");
    WindowOnFolder grey(noPictures);
    grey->menu().picturesOffOption->trigger();
    EXPECT_TRUE(grey->menu().picturesOffOption->isChecked());
}

TEST_F(WindowMenuTest, TheTickMarksTheTextureSetInUse)
{
    w->runWindowTick();
    EXPECT_TRUE(w->menu().darkTexturesOption->isChecked());
    EXPECT_FALSE(w->menu().lightTexturesOption->isChecked());
    choose(&M::lightTexturesOption);
    EXPECT_FALSE(w->menu().lightTexturesOption->isChecked()); // the command leaves the marks to the tick
    w->runWindowTick();
    EXPECT_TRUE(w->menu().lightTexturesOption->isChecked());
    EXPECT_FALSE(w->menu().darkTexturesOption->isChecked());
    EXPECT_EQ(w.core().settings().textureSet, 2);
    w->runWindowTick();
    EXPECT_EQ(w->clientArea().shown().pixel(5, 5), testing::fixtureTextureColour(2, 1));
}

TEST_F(WindowMenuTest, TextureTypeZeroMarksNeither)
{
    GameFolder zero;
    zero.write("data.ini", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    WindowOnFolder z(zero);
    z->runWindowTick();
    EXPECT_FALSE(z->menu().lightTexturesOption->isChecked());
    EXPECT_FALSE(z->menu().darkTexturesOption->isChecked());
}

TEST_F(WindowMenuTest, AMissingLightTextureThenDarkThenRestart)
{
    std::filesystem::remove(folder / "img/2/4.bmp");
    choose(&M::lightTexturesOption);
    EXPECT_EQ(w.core().textures().count(), 4);
    EXPECT_EQ(w.core().settings().textureSet, 2);
    w->runWindowTick();
    EXPECT_TRUE(w->menu().lightTexturesOption->isChecked());

    choose(&M::darkTexturesOption);
    EXPECT_EQ(w.errors().back(), "Invalid ImageList Index.");
    EXPECT_EQ(w.core().textures().count(), 0);
    EXPECT_EQ(w.core().settings().textureSet, 1);
    choose(&M::lightTexturesOption);
    EXPECT_EQ(w.errors().back(), "Invalid ImageList Index.");
    EXPECT_EQ(w.errors().size(), 3u);

    choose(&M::restartCommand);
    EXPECT_EQ(w.core().textures().count(), GameFiles::kTexturesPerSet);
    EXPECT_EQ(w.core().settings().textureSet, 1); // as data.ini holds it
}

TEST_F(WindowMenuTest, RestartPutsBackTheSavedOptions)
{
    choose(&M::gridOffOption);
    choose(&M::texturesOffOption);
    choose(&M::lightTexturesOption);
    choose(&M::veryHardBoardCommand);
    w.game().score = 40;
    choose(&M::restartCommand);
    EXPECT_FALSE(w->menu().gridOffOption->isChecked());
    EXPECT_FALSE(w->menu().texturesOffOption->isChecked());
    EXPECT_EQ(w.core().settings().textureSet, 1);
    EXPECT_EQ(w.game().score, 0);
    EXPECT_EQ(w.game().colourCount, 6); // a restart deals with the last count
}

} // namespace
} // namespace lumera

namespace lumera {
namespace {

struct MenuRow {
    std::string caption; // UTF-8, byte for byte
    std::string parent;  // "" for the bar itself
    bool checkable;
    bool enabled;
    bool checked;
    friend bool operator==(const MenuRow&, const MenuRow&) = default;
};

void PrintTo(const MenuRow& r, std::ostream* os)
{
    *os << '"' << r.caption << "\" under \"" << r.parent << "\" checkable " << r.checkable << " enabled " << r.enabled
        << " checked " << r.checked;
}

void collect(const QList<QAction*>& actions, const std::string& parent, std::vector<MenuRow>& rows)
{
    for (const QAction* action : actions) {
        const std::string caption = action->text().toStdString();
        rows.push_back({caption, parent, action->isCheckable(), action->isEnabled(), action->isChecked()});
        if (action->menu()) collect(action->menu()->actions(), caption, rows);
    }
}

// The whole tree as the player meets it after the first tick on settings
// with every option off and the dark textures. "Отключить cетку" has a
// Latin c, as the game always had.
TEST_F(WindowMenuTest, TheWholeMenuTree)
{
    w->runWindowTick();
    std::vector<MenuRow> rows;
    collect(w->menuBar()->actions(), "", rows);
    const std::string latinC = "\x63"; // spelled out, so no editor can turn it Cyrillic
    const std::vector<MenuRow> expected = {
        {"Файл", "", false, true, false},
        {"Заново", "Файл", false, true, false},
        {"Случайное поле", "Файл", false, true, false},
        {"Легкая", "Случайное поле", false, true, false},
        {"Средняя", "Случайное поле", false, true, false},
        {"Тяжелая", "Случайное поле", false, true, false},
        {"Очень тяжлая", "Случайное поле", false, true, false},
        {"Изображение", "Файл", false, true, false},
        {"Выбрать", "Изображение", false, true, false},
        {"Кампания", "Файл", false, true, false},
        {"Опции", "", false, true, false},
        {"Отключить " + latinC + "етку", "Опции", true, true, false},
        {"Отключить пузырьки", "Опции", true, true, false},
        {"Отключить картинки", "Опции", true, true, false},
        {"Не использовать гладкую анимацию", "Опции", true, true, false},
        {"Не использовать текстуру", "Опции", true, true, false},
        {"Отключить плавающие сообщения", "Опции", true, true, false},
        {"Тип текстуры", "Опции", false, true, false},
        {"Светлая", "Тип текстуры", true, true, false},
        {"Темная", "Тип текстуры", true, true, true},
        {"История", "", false, true, false},
    };
    EXPECT_EQ(rows, expected);
}

} // namespace
} // namespace lumera
