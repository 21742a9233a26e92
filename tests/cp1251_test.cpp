#include <gtest/gtest.h>

#include "cp1251.h"

namespace lumera {
namespace {

TEST(Cp1251, RoundTripsTheGamesOwnTexts)
{
    const std::string labels = "Красный=Желтый=Очки=Для пpодолжения нажмите на изображение Ёё";
    const std::string bytes = utf8ToCp1251(labels);
    EXPECT_EQ(utf8ToCp1251("Очки="), "\xCE\xF7\xEA\xE8=");
    EXPECT_EQ(bytes.size(), 61u); // one byte a character
    EXPECT_EQ(cp1251ToUtf8(bytes), labels);
}

TEST(Cp1251, UndefinedAndUnrepresentableCharactersAreReplaced)
{
    EXPECT_EQ(cp1251ToUtf8("a\x98" "b"), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(utf8ToCp1251("a漢b"), "a?b");
    EXPECT_EQ(utf8ToCp1251("a\xFF" "b"), "a?b");      // not UTF-8 at all
    EXPECT_EQ(utf8ToCp1251("ab\xD0"), "ab?");          // cut in the middle of a character
    EXPECT_EQ(cp1251ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1251, ByteTableMatchesTheConversion)
{
    EXPECT_EQ(cp1251ToUnicode('A'), U'A');
    EXPECT_EQ(cp1251ToUnicode(0xC0), U'А');
    EXPECT_EQ(cp1251ToUnicode(0xFF), U'я');
    EXPECT_EQ(cp1251ToUnicode(0xA8), U'Ё');
    EXPECT_EQ(cp1251ToUnicode(0xB9), U'№');
    EXPECT_EQ(cp1251ToUnicode(0x98), U'\xFFFD');
}

} // namespace
} // namespace lumera
