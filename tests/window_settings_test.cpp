#include <gtest/gtest.h>

#include "window_on_folder.h"
#include "main_window.h"

namespace lumera {
namespace {

using testing::GameFolder;
using testing::WindowOnFolder;

struct SavedSettings {
    const char* name;
    std::string dataIni;
    std::vector<QAction* MainMenu::*> toggled; // chosen from the menu before closing
    std::string saved;
};

void PrintTo(const SavedSettings& c, std::ostream* os) { *os << c.name; }

class WindowSettings : public ::testing::TestWithParam<SavedSettings> {};

TEST_P(WindowSettings, CloseWritesSevenLinesByteForByte)
{
    GameFolder folder;
    folder.write("data.ini", GetParam().dataIni);
    WindowOnFolder w(folder);
    w->show();
    for (QAction* MainMenu::*item : GetParam().toggled) (w->menu().*item)->trigger();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WindowSettings,
    ::testing::Values(
        SavedSettings{"AllOffDark", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n", {}, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"},
        SavedSettings{"FiveReadsBackAsOne", "5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n", {}, "1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"},
        SavedSettings{"NineLinesBecomeSeven", "0\n1\n0\n1\n0\n1\n2\n8\n9\n", {}, "0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n2\r\n"},
        SavedSettings{"MenuChangesAreSaved", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n",
                      {&MainMenu::gridOffOption, &MainMenu::floatingMessagesOffOption, &MainMenu::lightTexturesOption, &MainMenu::bubblesOffOption, &MainMenu::bubblesOffOption},
                      "1\r\n0\r\n0\r\n0\r\n0\r\n1\r\n2\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(WindowSettingsFailure, AReadOnlyDataIniKeepsTheWindowOpenUntilItCanBeWritten)
{
    GameFolder folder;
    WindowOnFolder w(folder);
    w->show();
    w->menu().texturesOffOption->trigger();
    std::filesystem::permissions(folder / "data.ini", std::filesystem::perms(0444));
    EXPECT_FALSE(w->close());
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    const std::string refused = "Cannot create file \"" + (folder / "data.ini").string() + "\". Permission denied.";
    EXPECT_EQ(w.errors(), (std::vector<std::string>{refused, refused}));
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");

    std::filesystem::permissions(folder / "data.ini", std::filesystem::perms(0644));
    EXPECT_TRUE(w->close());
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n");
}

TEST(WindowSettingsFailure, AStartThatFailedAtDataIniSavesTheMenusStateWithTextureTypeZero)
{
    GameFolder folder;
    std::filesystem::remove(folder / "data.ini");
    WindowOnFolder w(folder);
    w->show();
    EXPECT_TRUE(w->close());
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

} // namespace
} // namespace lumera
