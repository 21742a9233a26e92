#include "integer_text.h"

#include <optional>

#include "cp1251.h"
#include "game_error.h"

namespace lumera {
namespace {

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Magnitude of a decimal digit run; stops growing once past any 32-bit value.
std::optional<std::uint64_t> decimalMagnitude(std::string_view digits)
{
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (!isDecimalDigit(c)) return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0x1'0000'0000ULL) value = 0x1'0000'0000ULL;
    }
    return value;
}

// 32-bit pattern of a hexadecimal digit run of at most eight significant digits.
std::optional<std::uint32_t> hexPattern(std::string_view digits)
{
    if (digits.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = hexDigitValue(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFF'FFFFULL) return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::int32_t> tryParse(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    std::string_view hexDigits;
    bool hex = false;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        hex = true;
        hexDigits = rest.substr(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        hexDigits = rest.substr(2);
    }
    if (hex) {
        const auto pattern = hexPattern(hexDigits);
        if (!pattern) return std::nullopt;
        const std::uint32_t bits = negative ? 0u - *pattern : *pattern;
        return static_cast<std::int32_t>(bits);
    }
    const auto magnitude = decimalMagnitude(rest);
    if (!magnitude) return std::nullopt;
    const std::uint64_t limit = negative ? 0x8000'0000ULL : 0x7FFF'FFFFULL;
    if (*magnitude > limit) return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

} // namespace

std::int32_t parseInteger(std::string_view text)
{
    if (const auto value = tryParse(text)) return *value;
    throw GameError("'" + cp1251ToUtf8(text) + "' is not a valid integer value");
}

std::string formatInteger(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace lumera
