#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "error_text.h"
#include "game_error.h"
#include "line_buffer.h"
#include "temp_folder.h"
#include "working_folder.h"

namespace lumera {
namespace {

using testing::TempFolder;

std::vector<std::string> linesOf(const LineBuffer& buffer)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < buffer.lineCount(); ++k) lines.push_back(buffer.readLine(static_cast<std::ptrdiff_t>(k)));
    return lines;
}

struct LoadCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LineBufferLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LineBufferLoad, SplitsIntoLines)
{
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(folder.write("file.txt", GetParam().bytes));
    EXPECT_EQ(linesOf(buffer), GetParam().lines);
    EXPECT_EQ(buffer.readLine(static_cast<std::ptrdiff_t>(GetParam().lines.size())), "");
}

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Bytes, LineBufferLoad,
    ::testing::Values(LoadCase{"CrLfEnded", "5\r\n7\r\n", {"5", "7"}},
                      LoadCase{"NoFinalBreak", "5\r\n7", {"5", "7"}},
                      LoadCase{"LoneLfs", "5\n\n7", {"5", "", "7"}},
                      LoadCase{"Empty", "", {}},
                      LoadCase{"OnlyBreak", "\r\n", {""}},
                      LoadCase{"MixedBreaks", "a\rb\nc\r\n", {"a", "b", "c"}},
                      LoadCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                      LoadCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", {"a", "", "b"}},
                      LoadCase{"NulInSecondLine", "ab\ncd\0ef\ngh"s, {"ab", "cd"}},
                      LoadCase{"NulFirst", "\0abc"s, {}},
                      LoadCase{"HighBytesKept", "\xCE\xF7\xEA\xE8=\r\n", {"\xCE\xF7\xEA\xE8="}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LineBuffer, ReadsAtMost4096CharactersOfALine)
{
    const TempFolder folder;
    const std::string longLine(5000, 'z');
    LineBuffer buffer;
    buffer.load(folder.write("long.txt", longLine + "\r\nnext"));
    EXPECT_EQ(buffer.readLine(0), longLine.substr(0, 4096));
    EXPECT_EQ(buffer.readLine(1), "next");
    EXPECT_EQ(buffer.readLine(-1), "");
    EXPECT_EQ(buffer.readLine(1'000'000), "");
}

TEST(LineBuffer, ClearAndAppendsSaveExactlyTheseBytes)
{
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(folder.write("old.txt", "left\r\nover"));
    buffer.clear();
    EXPECT_EQ(buffer.lineCount(), 0u);
    buffer.append("1");
    buffer.append("0");
    buffer.save(folder / "data.ini");
    EXPECT_EQ(testing::readBytes(folder / "data.ini"), "1\r\n0\r\n");
}

TEST(LineBuffer, AppendAfterALastLineWithoutBreakPutsTheBreakFirst)
{
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(folder.write("a.txt", "a"));
    buffer.append("b");
    EXPECT_EQ(buffer.text(), "a\r\nb");
    EXPECT_EQ(linesOf(buffer), (std::vector<std::string>{"a", "b"}));
}

TEST(LineBuffer, SavesTheNormalisedTextOfALoad)
{
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(folder.write("in.txt", "a\nb\rc"));
    buffer.save(folder / "out.txt");
    EXPECT_EQ(testing::readBytes(folder / "out.txt"), "a\r\nb\r\nc");
}

TEST(LineBuffer, MissingFileNamesItsFullPathAndKeepsTheContent)
{
    if (!testing::inTheTestsWorkingFolder()) GTEST_SKIP() << "run from " LUMERA_TEST_WORKING_FOLDER;
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(folder.write("kept.txt", "kept"));
    const std::filesystem::path workingFolder = LUMERA_TEST_WORKING_FOLDER;
    EXPECT_EQ(testing::errorOf([&] { buffer.load("no-such-history.txt"); }),
              "Cannot open file \"" + (workingFolder / "no-such-history.txt").string() + "\". No such file or directory");
    EXPECT_EQ(buffer.readLine(0), "kept");
}

TEST(LineBuffer, AFolderCannotBeOpenedAsAFile)
{
    const TempFolder folder;
    std::filesystem::create_directory(folder / "map");
    LineBuffer buffer;
    EXPECT_EQ(testing::errorOf([&] { buffer.load(folder / "map"); }),
              "Cannot open file \"" + (folder / "map").string() + "\". Is a directory");
}

std::string repeated(std::string_view piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) out.append(piece);
    return out;
}

std::string sparseFile(const TempFolder& folder, const char* name, off_t size)
{
    const auto file = folder / name;
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::ftruncate(fd, size), 0); // holes: no disk used, every byte NUL
    ::close(fd);
    return file.string();
}

// The bytes are made when the row runs: made with the table, tens of MiB
// would be built and copied in every test process at registration.
struct CapacityCase {
    const char* name;
    std::string (*bytes)();
    std::size_t lines; // 0 with `refused`
    bool refused;
};

void PrintTo(const CapacityCase& c, std::ostream* os) { *os << c.name; }

class LineBufferCapacity : public ::testing::TestWithParam<CapacityCase> {};

// The capacity counts the text as held, with every break CR LF; a refused
// load keeps what the buffer held.
TEST_P(LineBufferCapacity, HoldsTheTextOrRefusesIt)
{
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(folder.write("kept.txt", "kept"));
    const auto file = folder.write("big.txt", GetParam().bytes());
    if (GetParam().refused) {
        EXPECT_EQ(testing::errorOf([&] { buffer.load(file); }), "Text exceeds memo capacity");
        EXPECT_EQ(buffer.readLine(0), "kept");
    } else {
        buffer.load(file);
        EXPECT_EQ(buffer.lineCount(), GetParam().lines);
    }
}

constexpr std::size_t kFull = LineBuffer::kCapacity;
INSTANTIATE_TEST_SUITE_P(
    Shapes, LineBufferCapacity,
    ::testing::Values(CapacityCase{"OneLineAtCapacity", [] { return std::string(kFull, 'x'); }, 1, false},
                      CapacityCase{"OneLineOverCapacity", [] { return std::string(kFull + 1, 'x'); }, 0, true},
                      CapacityCase{"CrLfsAtCapacity", [] { return repeated("\r\n", kFull / 2); }, kFull / 2, false},
                      CapacityCase{"LoneLfsDoubleToOverCapacity", [] { return std::string(kFull / 2 + 1, '\n'); }, 0, true},
                      CapacityCase{"ShortLines", [] { return repeated("12345\n", 1'000'000); }, 1'000'000, false},
                      CapacityCase{"NulBeforeTheExcess", [] { return "a\n" + std::string(kFull + 1, '\0'); }, 1, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LineBuffer, AHugeFileOfNulsReadsAsEmptyTextWithoutReadingItAll)
{
    const TempFolder folder;
    LineBuffer buffer;
    buffer.load(sparseFile(folder, "huge.txt", off_t{1} << 30));
    EXPECT_EQ(buffer.lineCount(), 0u);
}

TEST(LineBuffer, ABreakSplitAcrossReadsIsOneBreak)
{
    const TempFolder folder;
    for (const std::size_t before : {65535u, 65536u, 131071u}) {
        LineBuffer buffer;
        buffer.load(folder.write("split.txt", std::string(before, 'a') + "\r\nb"));
        EXPECT_EQ(buffer.lineCount(), 2u) << before;
        EXPECT_EQ(buffer.readLine(1), "b") << before;
    }
}

TEST(LineBuffer, EmptyPipeReadsAsEmptyTextInsteadOfHanging)
{
    const TempFolder folder;
    const auto pipe = folder / "config.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    LineBuffer buffer;
    buffer.load(pipe);
    EXPECT_EQ(buffer.lineCount(), 0u);
}

} // namespace
} // namespace lumera
