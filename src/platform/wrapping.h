#pragma once

#include <cstdint>

namespace lumera {

// Arithmetic on the game's 32-bit values as two's complement, wrapping
// instead of overflowing: the game's numbers have always wrapped, and in C++
// signed overflow would be undefined behaviour. Any 64-bit operand is taken
// modulo 2^32.
constexpr std::int32_t wrappingAdd(std::int32_t value, std::int64_t amount)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(amount));
}

constexpr std::int32_t wrappingSubtract(std::int32_t value, std::int64_t amount)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) - static_cast<std::uint32_t>(amount));
}

constexpr std::int32_t wrappingMultiply(std::int32_t value, std::int64_t factor)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) * static_cast<std::uint32_t>(factor));
}

} // namespace lumera
