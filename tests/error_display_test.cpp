#include <gtest/gtest.h>

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

} // namespace
} // namespace lumera
