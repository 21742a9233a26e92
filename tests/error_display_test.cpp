#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

#include "error_display.h"
#include "recording_error_display.h"

namespace lumera {
namespace {

struct PeriodCase {
    std::string message;
    std::string shown;
};

void PrintTo(const PeriodCase& c, std::ostream* os) { *os << '"' << c.message << '"'; }

class FinalPeriod : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(FinalPeriod, IsAddedAfterBytesAboveThePeriod)
{
    EXPECT_EQ(withFinalPeriod(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FinalPeriod,
    ::testing::Values(PeriodCase{"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
                      PeriodCase{"Invalid ImageList Index", "Invalid ImageList Index."},
                      PeriodCase{"List index out of bounds (-1)", "List index out of bounds (-1)"},
                      PeriodCase{"Done.", "Done."}, PeriodCase{"ends in a blank ", "ends in a blank "},
                      PeriodCase{"", ""}, PeriodCase{"9", "9."}, PeriodCase{"path/", "path/."},
                      PeriodCase{"a:", "a:."}, PeriodCase{"a?", "a?."}, PeriodCase{"a]", "a]."},
                      PeriodCase{"a!", "a!"}, PeriodCase{"a-", "a-"}, PeriodCase{"a,", "a,"},
                      PeriodCase{"a\"", "a\""}, PeriodCase{"a'", "a'"}, PeriodCase{"a\n", "a\n"},
                      PeriodCase{"Ошибка", "Ошибка."}));

TEST(RunGuarded, ShowsAGameErrorAndEndsOnlyTheHandler)
{
    testing::RecordingErrorDisplay display;
    int stepsDone = 0;
    const bool completed = runGuarded(display, [&] {
        ++stepsDone;
        throw GameError("Invalid ImageList Index");
        ++stepsDone; // never reached
    });
    EXPECT_FALSE(completed);
    EXPECT_EQ(stepsDone, 1);
    EXPECT_EQ(display.shown, (std::vector<std::string>{"Invalid ImageList Index."}));

    EXPECT_TRUE(runGuarded(display, [&] { ++stepsDone; }));
    EXPECT_EQ(stepsDone, 2);
    EXPECT_EQ(display.shown.size(), 1u);
}

struct ForeignErrorCase {
    const char* name;
    std::function<void()> fail;
    std::string shown;
};

void PrintTo(const ForeignErrorCase& c, std::ostream* os) { *os << c.name; }

class ForeignErrors : public ::testing::TestWithParam<ForeignErrorCase> {};

// Errors that are not the game's own still end only the handler.
TEST_P(ForeignErrors, AreShownLikeTheGamesOwn)
{
    testing::RecordingErrorDisplay display;
    EXPECT_FALSE(runGuarded(display, GetParam().fail));
    EXPECT_EQ(display.shown, (std::vector<std::string>{GetParam().shown}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ForeignErrors,
    ::testing::Values(ForeignErrorCase{"OutOfMemory", [] { throw std::bad_alloc(); }, "Out of memory."},
                      ForeignErrorCase{"TooLongVector",
                                       [] { std::vector<int>(std::vector<int>().max_size() + 1); },
                                       "cannot create std::vector larger than max_size()"},
                      ForeignErrorCase{"Standard", [] { throw std::runtime_error("iconv: No such converter"); },
                                       "iconv: No such converter."},
                      ForeignErrorCase{"NotAnException", [] { throw 42; }, "Unexpected error."}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace lumera
