#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumera {

// Parses the whole text as a 32-bit integer: blanks (only the character 32)
// before an optional sign, then decimal digits or a hexadecimal number with
// the prefix "$", "x", "X", "0x" or "0X". Hexadecimal takes up to eight
// significant digits as a 32-bit pattern ($FFFFFFFF is -1) that the sign then
// negates. Anything else throws GameError
// "'<text>' is not a valid integer value". The text is Windows-1251.
std::int32_t parseInteger(std::string_view text);

// Decimal, with a minus sign for negative values and nothing else.
std::string formatInteger(std::int32_t value);

} // namespace lumera
