#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "error_text.h"
#include "settings.h"
#include "temp_folder.h"

namespace lumera {
namespace {

using testing::TempFolder;

Settings settingsOf(std::array<bool, 6> marks, std::int32_t textureSet)
{
    Settings settings;
    for (std::size_t i = 0; i < kSavedOptions.size(); ++i) settings.options.*kSavedOptions[i] = marks[i];
    settings.textureSet = textureSet;
    return settings;
}

// What the settings hold before a file is read: every line that fails or is
// missing leaves its value as it was.
const Settings kBefore = settingsOf({true, true, true, true, true, true}, 9);

struct SettingsFile {
    const char* name;
    std::string bytes;
    Settings read;
    std::string error; // "" when every line reads
};

void PrintTo(const SettingsFile& c, std::ostream* os) { *os << c.name; }

class ReadSettings : public ::testing::TestWithParam<SettingsFile> {};

TEST_P(ReadSettings, AppliesEachLineUpToTheFirstThatIsNoNumber)
{
    const SettingsFile& c = GetParam();
    LineBuffer lines;
    lines.loadBytes(c.bytes);
    Settings settings = kBefore;
    EXPECT_EQ(testing::errorOf([&] { readSettings(lines, settings); }), c.error.empty() ? "(no error)" : c.error);
    EXPECT_EQ(settings, c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadSettings,
    ::testing::Values(
        SettingsFile{"AllOffDark", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n", settingsOf({}, kDarkTextures), ""},
        SettingsFile{"LightWithoutAFinalBreak", "1\r\n0\r\n1\r\n0\r\n1\r\n0\r\n2", settingsOf({true, false, true, false, true, false}, kLightTextures), ""},
        SettingsFile{"AnyNumberButZeroIsOn", "5\r\n0\r\n-1\r\n$1\r\n0\r\n$0\r\n2\r\n", settingsOf({true, false, true, true, false, false}, 2), ""},
        SettingsFile{"LoneBreaksAndLinesAfterTheSeventh", "0\n1\r0\n1\n0\n1\n2\n8\nnot read\n", settingsOf({false, true, false, true, false, true}, 2), ""},
        SettingsFile{"AnyTextureSetNumber", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n-2147483648\r\n", settingsOf({}, INT_MIN), ""},
        SettingsFile{"ABadThirdLineStopsThere", "0\r\n0\r\non\r\n0\r\n0\r\n0\r\n1\r\n", settingsOf({false, false, true, true, true, true}, 9),
                     "'on' is not a valid integer value"},
        SettingsFile{"ATrailingBlankIsNoNumber", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1 \r\n", settingsOf({}, 9), "'1 ' is not a valid integer value"},
        SettingsFile{"NoTextureSetLine", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", settingsOf({}, 9), "'' is not a valid integer value"},
        SettingsFile{"AnEmptyFile", "", kBefore, "'' is not a valid integer value"},
        SettingsFile{"TheTextEndsAtANul", std::string("0\r\n0\r\n0\0\r\n0\r\n", 12), settingsOf({false, false, false, true, true, true}, 9),
                     "'' is not a valid integer value"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SettingsLines, SevenLinesOfZeroOrOneThenTheTextureSet)
{
    const struct {
        Settings settings;
        std::string bytes;
    } rows[] = {
        {settingsOf({}, kDarkTextures), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"},
        {settingsOf({true, false, false, true, false, true}, kLightTextures), "1\r\n0\r\n0\r\n1\r\n0\r\n1\r\n2\r\n"},
        {settingsOf({true, true, true, true, true, true}, INT_MIN), "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n-2147483648\r\n"},
        {settingsOf({}, 0), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
    };
    for (const auto& row : rows) {
        const LineBuffer lines = settingsLines(row.settings);
        EXPECT_EQ(lines.text(), row.bytes);
        Settings again = kBefore;
        readSettings(lines, again);
        EXPECT_EQ(again, row.settings);
    }
}

TEST(SettingsFile, SavedAndLoadedByteForByte)
{
    const TempFolder folder;
    const Settings settings = settingsOf({false, true, true, false, false, true}, 2);
    saveSettings(folder / "data.ini", settings);
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "0\r\n1\r\n1\r\n0\r\n0\r\n1\r\n2\r\n");
    Settings loaded;
    loadSettings(folder / "data.ini", loaded);
    EXPECT_EQ(loaded, settings);
}

TEST(SettingsFile, AFileThatCannotBeReadChangesNothing)
{
    const TempFolder folder;
    Settings settings = kBefore;
    EXPECT_EQ(testing::errorOf([&] { loadSettings(folder / "data.ini", settings); }),
              "Cannot open file \"" + (folder / "data.ini").string() + "\". No such file or directory");
    EXPECT_EQ(settings, kBefore);
}

} // namespace
} // namespace lumera
