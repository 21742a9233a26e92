#include <gtest/gtest.h>

#include <QTest>

#include "window_on_folder.h"
#include "main_window.h"

namespace lumera {
namespace {

using testing::GameFolder;
using testing::WindowOnFolder;

constexpr Colour kRed = rgb(255, 0, 0);
constexpr Colour kYellow = rgb(255, 255, 0);
constexpr Colour kBlue = rgb(0, 0, 255);

// A map file from rows drawn top to bottom (the file holds columns).
std::string mapFromRows(const std::string& colourCount, std::vector<std::string> rows, char fill = '3')
{
    rows.resize(32);
    for (std::string& row : rows) row.resize(32, fill);
    std::string text = colourCount + "\r\n";
    for (int x = 0; x < 32; ++x) {
        for (int y = 0; y < 32; ++y) text.push_back(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
        text += "\r\n";
    }
    return text;
}

class MapChooserTest : public ::testing::Test {
protected:
    MapChooserTest() : w(folder)
    {
        w->show();
        w->runWindowTick(); // the tick hides the label while the chooser is closed
        w->menu().chooseMapCommand->trigger();
        w.game().colourCount = 3;
        w.game().board = Board::fromText("", 2);
        w.game().score = 77;
    }

    void pressItem(int k, Qt::MouseButton button = Qt::LeftButton)
    {
        MapListBox& list = w->mapList();
        const QPoint at = k < 0 ? QPoint(5, list.viewport()->height() - 3) : list.itemRect(k).center();
        QTest::mousePress(list.viewport(), button, {}, at);
    }

    void pressPreview() { QTest::mousePress(&w->mapPreview(), Qt::LeftButton, {}, QPoint(64, 64)); }

    Colour square(int x, int y) { return w.core().mapPreview().surface().pixel(4 * x + 1, 4 * y + 1); }

    GameFolder folder;
    WindowOnFolder w;
};

TEST_F(MapChooserTest, AMapIsTheBoardTransposedInPreviewAndLoad)
{
    folder.write("map/First.txt", mapFromRows("4", {"1", "2"}));
    pressItem(0);
    EXPECT_EQ(w->mapList().selectedIndex(), 0);
    EXPECT_EQ(w.game().score, 0);
    EXPECT_EQ(square(0, 0), kRed);
    EXPECT_EQ(square(0, 1), kYellow); // cell (0, 1) is the square at pixel (0, 4)
    EXPECT_EQ(w.core().mapPreview().surface().pixel(0, 4), kYellow);
    EXPECT_EQ(square(1, 0), kBlue);
    EXPECT_TRUE(w->labelShown());
    EXPECT_EQ(w.game().board.at(0, 0), 2); // the preview loads nothing

    w.game().score = 9;
    pressPreview();
    EXPECT_TRUE(w.errors().empty());
    EXPECT_EQ(w.game().board.at(0, 0), 1);
    EXPECT_EQ(w.game().board.at(0, 1), 2);
    EXPECT_EQ(w.game().board.at(1, 0), 3);
    EXPECT_EQ(w.game().colourCount, 4);
    EXPECT_EQ(w.game().score, 0);
    EXPECT_FALSE(w->panelShown());
    EXPECT_TRUE(w.game().board.guardRingIsClear());
}

TEST_F(MapChooserTest, ALetterStopsTheLoadAndThePreviewWhereItStands)
{
    std::string map = mapFromRows("5", {});
    map[3 + 34 + 4] = 'a'; // line 3, character 5: cell (1, 4)
    folder.write("map/First.txt", map);
    pressItem(0);
    EXPECT_EQ(w.errors(), std::vector<std::string>{"'a' is not a valid integer value."});
    EXPECT_EQ(square(31, 3), kBlue);             // rows 0..3 drawn
    EXPECT_EQ(square(0, 4), kBlue);              // and cell (0, 4) of row 4
    EXPECT_EQ(square(1, 4), kWhite);             // but not from the letter on
    EXPECT_FALSE(w->labelShown());

    pressPreview();
    EXPECT_EQ(w.errors().size(), 2u);
    EXPECT_EQ(w.game().colourCount, 5);
    for (int y = 0; y < 32; ++y) EXPECT_EQ(w.game().board.at(0, y), 3) << y;
    for (int y = 0; y < 4; ++y) EXPECT_EQ(w.game().board.at(1, y), 3) << y;
    EXPECT_EQ(w.game().board.at(1, 4), 2);
    EXPECT_EQ(w.game().board.at(2, 0), 2);
    EXPECT_TRUE(w->panelShown());
}

TEST_F(MapChooserTest, ALineThatEndsEarlySaysWhatIsMissing)
{
    std::string map = mapFromRows("3", {});
    map.replace(3 + 34 * 3, 32, std::string(30, '1')); // line 5 holds 30 characters
    folder.write("map/First.txt", map);
    pressItem(0);
    EXPECT_EQ(w.errors(), std::vector<std::string>{"Line 5 of the map has no character 31."});
    folder.write("map/First.txt", "3\r\n");
    pressPreview();
    EXPECT_EQ(w.errors().back(), "Line 2 of the map has no character 1.");
    EXPECT_EQ(w.game().colourCount, 3);
}

// A first preview that fails before its first square leaves the preview
// without a picture: the sky-blue panel shows through, not a white square.
TEST(MapChooserFailure, AFailedFirstPreviewLeavesNoPicture)
{
    const struct {
        const char* name;
        const char* map;
        const char* error;
    } rows[] = {
        {"an empty second line", "3\r\n\r\n", "Line 2 of the map has no character 1."},
        {"a letter first on the second line", "3\r\nx1\r\n", "'x' is not a valid integer value."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameFolder fresh;
        fresh.write("map/First.txt", row.map);
        WindowOnFolder window(fresh);
        window->show();
        window->menu().chooseMapCommand->trigger();
        MapListBox& list = window->mapList();
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, list.itemRect(0).center());
        EXPECT_EQ(window.errors(), std::vector<std::string>{row.error});
        EXPECT_FALSE(window.core().mapPreview().hasPicture());
        const QImage shown = window->mapPreview().grab().toImage();
        ASSERT_FALSE(shown.isNull());
        for (const QPoint at : {QPoint(0, 0), QPoint(64, 64), QPoint(127, 127)})
            EXPECT_EQ(shown.pixelColor(at), QColor(0xA6, 0xCA, 0xF0)) << at.x() << "," << at.y();
    }
}

TEST_F(MapChooserTest, BubblesAndEmptiesInThePreviewTakeTheColourBeforeThem)
{
    folder.write("map/First.txt", mapFromRows("3", {"9"}));
    pressItem(0);
    EXPECT_EQ(square(0, 0), kWhite); // the surface's first brush
    folder.write("map/Second .txt", mapFromRows("3", {"1797"}, '8'));
    pressItem(1);
    EXPECT_EQ(square(1, 0), kRed);
    EXPECT_EQ(square(2, 0), kRed);
    EXPECT_EQ(square(3, 0), kRed);
    EXPECT_EQ(square(0, 1), kRed);  // the row below starts with the brush the row above left
    EXPECT_EQ(square(31, 31), kRed);
    EXPECT_EQ(w.core().mapPreview().surface().width(), 128);
}

TEST_F(MapChooserTest, APressOnThePreviewWithNothingSelectedOnlyClosesTheChooser)
{
    const Board before = w.game().board;
    pressPreview();
    EXPECT_FALSE(w->panelShown());
    EXPECT_EQ(w.game().score, 77);
    EXPECT_EQ(w.game().board, before);
    EXPECT_TRUE(w.errors().empty());
}

TEST_F(MapChooserTest, ARightPressWithNothingSelectedFailsAfterResettingTheScore)
{
    folder.write("map/First.txt", mapFromRows("3", {}));
    pressItem(0, Qt::RightButton);
    EXPECT_EQ(w.errors(), std::vector<std::string>{"List index out of bounds (-1)"});
    EXPECT_EQ(w.game().score, 0);
    EXPECT_EQ(w->mapList().selectedIndex(), -1);
    pressItem(0);
    pressItem(1, Qt::RightButton); // keeps the selection: previews First again
    EXPECT_EQ(w->mapList().selectedIndex(), 0);
    EXPECT_EQ(w.errors().size(), 1u);
}

TEST_F(MapChooserTest, AMissingMapFileLeavesTheBoard)
{
    pressItem(1);
    EXPECT_EQ(w.errors(), std::vector<std::string>{"Cannot open file \"" + (folder / "map/Second .txt").string() +
                                                   "\". No such file or directory."});
    pressPreview();
    EXPECT_EQ(w.game().board, Board::fromText("", 2));
    EXPECT_EQ(w.game().colourCount, 3);
    EXPECT_TRUE(w->panelShown());
}

TEST_F(MapChooserTest, ReopeningShowsTheLastPreviewWithNoSelectionAndNoLabel)
{
    folder.write("map/First.txt", mapFromRows("3", {"1"}));
    pressItem(0);
    w->menu().chooseMapCommand->trigger();
    w->runWindowTick();
    w->menu().chooseMapCommand->trigger();
    w->runWindowTick();
    EXPECT_TRUE(w->panelShown());
    EXPECT_EQ(w->mapList().selectedIndex(), -1);
    EXPECT_FALSE(w->labelShown());
    EXPECT_EQ(square(0, 0), kRed);
}

TEST(ShippedMaps, EveryMapLoadsAndPlays)
{
    GameFolder folder;
    std::filesystem::copy(LUMERA_GAME_FOLDER, folder.path(),
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
    WindowOnFolder w(folder);
    w->show();
    ASSERT_TRUE(w.errors().empty());
    ASSERT_GE(w->mapList().count(), 8);
    for (int k = 0; k < w->mapList().count(); ++k) {
        w->menu().chooseMapCommand->trigger();
        w->mapList().setSelectedIndex(k);
        w->previewSelectedMap();
        w->loadPreviewedMap();
        ASSERT_TRUE(w.errors().empty()) << w->mapList().itemText(k).toStdString() << ": " << w.errors().front();
        EXPECT_GE(w.game().colourCount, 1);
        for (int i = 0; i < 40; ++i) {
            w->pressOnClientArea(Qt::LeftButton, (i * 83) % 512, (i * 37) % 512);
            w->runWindowTick();
        }
        EXPECT_TRUE(w.game().board.guardRingIsClear());
    }
}

} // namespace
} // namespace lumera
