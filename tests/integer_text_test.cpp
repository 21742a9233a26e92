#include <gtest/gtest.h>

#include <climits>

#include "error_text.h"
#include "game_error.h"
#include "integer_text.h"

namespace lumera {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

void PrintTo(const Accepted& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ParseAccepted : public ::testing::TestWithParam<Accepted> {};

TEST_P(ParseAccepted, GivesItsValue)
{
    EXPECT_EQ(parseInteger(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseAccepted,
                         ::testing::Values(Accepted{"0", 0}, Accepted{"-0", 0}, Accepted{"007", 7},
                                           Accepted{" 12", 12}, Accepted{"   -12", -12}, Accepted{"+12", 12},
                                           Accepted{"-$10", -16}, Accepted{"x1F", 31}, Accepted{"X1f", 31},
                                           Accepted{"0x1f", 31}, Accepted{"0X1f", 31}, Accepted{"$ff", 255},
                                           Accepted{"2147483647", INT32_MAX}, Accepted{"-2147483648", INT32_MIN},
                                           Accepted{"000000000000002147483647", INT32_MAX},
                                           Accepted{"$FFFFFFFF", -1}, Accepted{"$80000000", INT32_MIN},
                                           Accepted{"-$80000000", INT32_MIN}, Accepted{"-$FFFFFFFF", 1},
                                           Accepted{"$000000000001", 1}, Accepted{"+0x7FFFFFFF", INT32_MAX}));

class ParseRefused : public ::testing::TestWithParam<const char*> {};

TEST_P(ParseRefused, QuotesTheWholeText)
{
    const std::string text = GetParam();
    EXPECT_EQ(testing::errorOf([&] { parseInteger(text); }), "'" + text + "' is not a valid integer value");
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseRefused,
                         ::testing::Values("", " ", "12 ", "\t12", "$", "-", "+", "1e3", "2147483648",
                                           "-2147483649", "99999999999999999999", "$100000000", "0x",
                                           "x", "- 1", "+-1", "--1", "1-", "12\r", "0x1G", "$-1", "1 2",
                                           "00x1", "0b101"));

TEST(ParseInteger, RefusedWindows1251TextIsQuotedAsCyrillic)
{
    EXPECT_EQ(testing::errorOf([] { parseInteger("\xC0\xE1"); }), "'Аб' is not a valid integer value");
}

TEST(FormatInteger, WritesPlainDecimal)
{
    EXPECT_EQ(formatInteger(0), "0");
    EXPECT_EQ(formatInteger(7), "7");
    EXPECT_EQ(formatInteger(-15), "-15");
    EXPECT_EQ(formatInteger(INT32_MAX), "2147483647");
    EXPECT_EQ(formatInteger(INT32_MIN), "-2147483648");
}

} // namespace
} // namespace lumera
