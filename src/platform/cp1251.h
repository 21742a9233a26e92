#pragma once

#include <string>
#include <string_view>

namespace lumera {

// The game's texts, file contents and map names are Windows-1251 bytes; the
// platform speaks UTF-8. A byte that Windows-1251 leaves undefined becomes
// U+FFFD; a character it cannot hold becomes "?".
std::string cp1251ToUtf8(std::string_view bytes);
std::string utf8ToCp1251(std::string_view text);

// The Unicode character that one Windows-1251 byte stands for (U+FFFD for
// the one undefined byte). Backed by a table built once, so it is cheap
// enough for drawing text.
char32_t cp1251ToUnicode(unsigned char byte);

} // namespace lumera
