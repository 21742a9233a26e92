#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <optional>
#include <utility>

#include "error_text.h"
#include "file_io.h"
#include "temp_folder.h"
#include "working_folder.h"
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
    if (!testing::inTheTestsWorkingFolder()) GTEST_SKIP() << "run from " LUMERA_TEST_WORKING_FOLDER;
    const std::filesystem::path folder = LUMERA_TEST_WORKING_FOLDER;
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

constexpr uid_t kNobody = 65534;

// Runs the enclosing scope as an unprivileged user where the test runs as
// root; as anyone else the test already is one.
class AsUnprivilegedUser {
public:
    AsUnprivilegedUser()
    {
        if (::geteuid() != 0) return;
        if (::setegid(kNobody) != 0) {
            failed_ = true;
            return;
        }
        if (::seteuid(kNobody) != 0) {
            [[maybe_unused]] const int group = ::setegid(0);
            failed_ = true;
            return;
        }
        switched_ = true;
    }
    ~AsUnprivilegedUser()
    {
        if (::geteuid() != 0 && switched_) {
            [[maybe_unused]] const int user = ::seteuid(0);
            [[maybe_unused]] const int group = ::setegid(0);
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;
    bool failed() const { return failed_; }

private:
    bool switched_ = false;
    bool failed_ = false;
};

struct FileIdentity {
    ino_t inode;
    uid_t owner;
    gid_t group;
    mode_t mode;
    nlink_t links;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity identityOf(const std::filesystem::path& file)
{
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
    return {status.st_ino, status.st_uid, status.st_gid, status.st_mode, status.st_nlink};
}

void PrintTo(const FileIdentity& f, std::ostream* os)
{
    *os << "inode " << f.inode << ", owner " << f.owner << ":" << f.group << ", mode " << std::oct << f.mode << std::dec
        << ", links " << f.links;
}

// A save changes the content and nothing else about the player's file: not
// its owner, group, mode or links, whoever saves it and wherever it lies.
struct KeptSave {
    const char* name;
    bool needsRoot;      // sets up a file of another user
    bool unprivileged;   // saves as an unprivileged user
    bool sameInode;      // written in place rather than replaced
    void (*prepare)(const std::filesystem::path& folder, const std::filesystem::path& file);
};

void PrintTo(const KeptSave& c, std::ostream* os) { *os << c.name; }

class ReplaceFileKeeps : public ::testing::TestWithParam<KeptSave> {};

TEST_P(ReplaceFileKeeps, TheFilesOwnerModeAndLinks)
{
    const KeptSave& row = GetParam();
    if (row.needsRoot && ::geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
    const TempFolder temp;
    std::filesystem::permissions(temp.path(), std::filesystem::perms(0755));
    const auto folder = temp / "player";
    const auto file = folder / "data.ini";
    temp.write("player/data.ini", "1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n2\r\n");
    row.prepare(folder, file);
    const FileIdentity before = identityOf(file);
    {
        std::optional<AsUnprivilegedUser> user;
        if (row.unprivileged) {
            user.emplace();
            if (user->failed()) GTEST_SKIP() << "cannot act as an unprivileged user here";
        }
        EXPECT_EQ(errorOf([&] { replaceFile(file, "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n"); }), "(no error)");
    }
    EXPECT_EQ(testing::readBytes(file), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
    FileIdentity after = identityOf(file);
    if (!row.sameInode) after.inode = before.inode;
    EXPECT_EQ(after, before);
    EXPECT_EQ(filesIn(folder), before.links == 2 ? 2u : 1u); // nothing left behind
    std::filesystem::permissions(folder, std::filesystem::perms(0755));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceFileKeeps,
    ::testing::Values(
        KeptSave{"PlainFileIsReplaced", false, false, false,
                 [](const std::filesystem::path&, const std::filesystem::path& file) {
                     std::filesystem::permissions(file, std::filesystem::perms(0640));
                 }},
        KeptSave{"ReadOnlyFolderWritableFile", false, true, true,
                 [](const std::filesystem::path& folder, const std::filesystem::path& file) {
                     std::filesystem::permissions(file, std::filesystem::perms(0666));
                     std::filesystem::permissions(folder, std::filesystem::perms(0555));
                 }},
        KeptSave{"HardLink", false, false, true,
                 [](const std::filesystem::path& folder, const std::filesystem::path& file) {
                     std::filesystem::create_hard_link(file, folder / "backup.ini");
                 }},
        KeptSave{"OwnedByAnotherUserSavedByRoot", true, false, false,
                 [](const std::filesystem::path& folder, const std::filesystem::path& file) {
                     ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
                     ASSERT_EQ(::chown(file.c_str(), kNobody, kNobody), 0);
                     std::filesystem::permissions(file, std::filesystem::perms(0640));
                 }},
        KeptSave{"RootsFileSavedByAnotherUser", true, true, true,
                 [](const std::filesystem::path& folder, const std::filesystem::path& file) {
                     std::filesystem::permissions(folder, std::filesystem::perms(0777));
                     std::filesystem::permissions(file, std::filesystem::perms(0666));
                 }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReplaceFile, ANewFileGetsTheModeTheUmaskGives)
{
    const TempFolder folder;
    const mode_t previous = ::umask(027);
    replaceFile(folder / "data.ini", "0\r\n");
    ::umask(previous);
    EXPECT_EQ(std::filesystem::status(folder / "data.ini").permissions(), std::filesystem::perms(0640));
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
