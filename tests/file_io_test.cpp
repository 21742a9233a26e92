#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>

#include "error_text.h"
#include "file_io.h"
#include "temp_folder.h"
#include "working_folder.h"

namespace lumera {
namespace {

using testing::TempFolder;

using testing::errorOf;

std::size_t filesIn(const std::filesystem::path& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
    return count;
}

// Lets this process write at most `bytes` bytes into any one file, as a full
// disk would, for the life of the guard.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(SystemErrorText, IsTheSystemsOwn)
{
    EXPECT_EQ(systemErrorText(ENOENT), "No such file or directory");
    EXPECT_EQ(systemErrorText(EACCES), "Permission denied");
}

// Other systems end their texts with a period, a line break or blanks; the
// game's messages add their own period after the text.
TEST(SystemErrorText, LosesTrailingBlanksControlsAndPeriods)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Access is denied.\r\n", "Access is denied"},
        {"Disk full. ", "Disk full"},
        {"Not ready...\t", "Not ready"},
        {"Broken\x7F", "Broken"},
        {" . \n", ""},
        {"", ""},
        {"e.g. inside stays", "e.g. inside stays"},
        {"Ошибка.", "Ошибка"}, // bytes above the blank stay
    };
    for (const auto& [text, trimmed] : cases) EXPECT_EQ(trimmedSystemText(text), trimmed) << text;
}

TEST(GamePath, TurnsBackslashesAndWindows1251IntoThisPlatformsName)
{
    EXPECT_EQ(gamePath("img\\1\\0.bmp"), std::filesystem::path("img/1/0.bmp"));
    EXPECT_EQ(gamePath("map\\\xC7\xE2\xE5\xE7\xE4\xE0 .txt"), std::filesystem::path("map/Звезда .txt"));
}

TEST(FullPathText, CompletesANameAgainstTheWorkingFolder)
{
    const TempFolder folder;
    const testing::WorkingFolder inside(folder.path());
    EXPECT_EQ(fullPathText("pic/1.bmp"), (folder / "pic/1.bmp").string());
    EXPECT_EQ(fullPathText("./a/../data.ini"), (folder / "data.ini").string());
}

TEST(ReplaceFile, WritesExactlyTheBytesAndKeepsTheFilesPermissions)
{
    const TempFolder folder;
    const auto file = folder.write("data.ini", "old content that is longer");
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    replaceFile(file, std::string("1\r\n\0\xFF", 5));
    EXPECT_EQ(testing::readBytes(file), std::string("1\r\n\0\xFF", 5));
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(filesIn(folder.path()), 1u);
}

TEST(ReplaceFile, CreatesAMissingFile)
{
    const TempFolder folder;
    replaceFile(folder / "data.ini", "0\r\n");
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "0\r\n");
}

TEST(ReplaceFile, WritesThroughASymbolicLink)
{
    const TempFolder folder;
    const auto real = folder.write("real.ini", "old");
    std::filesystem::create_symlink(real, folder / "data.ini");
    replaceFile(folder / "data.ini", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "data.ini"));
    EXPECT_EQ(testing::readBytes(real), "new");
}

struct RefusedSave {
    const char* name;
    void (*prepare)(const TempFolder&);
    const char* target;
    const char* systemText;
};

void PrintTo(const RefusedSave& c, std::ostream* os) { *os << c.name; }

class ReplaceFileRefused : public ::testing::TestWithParam<RefusedSave> {};

TEST_P(ReplaceFileRefused, FailsWithCannotCreateAndChangesNothing)
{
    const TempFolder folder;
    GetParam().prepare(folder);
    const auto target = folder / GetParam().target;
    const bool existed = std::filesystem::exists(target);
    const std::string before = existed && !std::filesystem::is_directory(target) ? testing::readBytes(target) : "";
    const std::size_t files = filesIn(folder.path());

    EXPECT_EQ(errorOf([&] { replaceFile(target, "1\r\n"); }),
              "Cannot create file \"" + target.string() + "\". " + GetParam().systemText);
    if (existed && !std::filesystem::is_directory(target)) {
        EXPECT_EQ(testing::readBytes(target), before);
    }
    EXPECT_EQ(filesIn(folder.path()), files);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileRefused,
    ::testing::Values(
        RefusedSave{"ReadOnlyFile",
                    [](const TempFolder& f) {
                        std::filesystem::permissions(f.write("data.ini", "0\r\n"), std::filesystem::perms(0444));
                    },
                    "data.ini", "Permission denied"},
        RefusedSave{"MissingFolder", [](const TempFolder&) {}, "gone/data.ini", "No such file or directory"},
        RefusedSave{"FolderInTheWay",
                    [](const TempFolder& f) { std::filesystem::create_directory(f / "data.ini"); }, "data.ini",
                    "Is a directory"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReplaceFile, AWriteThatFailsHalfWayLeavesTheOldFileWhole)
{
    const TempFolder folder;
    const auto file = folder.write("data.ini", "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n");
    {
        const FileSizeLimit diskFull(4);
        EXPECT_EQ(errorOf([&] { replaceFile(file, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"); }), "Stream write error");
    }
    EXPECT_EQ(testing::readBytes(file), "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n");
    EXPECT_EQ(filesIn(folder.path()), 1u); // no half-written file left behind
}

TEST(ReadWholeFile, StopsAtTheLimit)
{
    const TempFolder folder;
    const auto file = folder.write("f", "12345");
    EXPECT_FALSE(readWholeFile(file, 5).tooLarge);
    EXPECT_EQ(readWholeFile(file, 5).bytes, "12345");
    EXPECT_TRUE(readWholeFile(file, 4).tooLarge);
}

} // namespace
} // namespace lumera
