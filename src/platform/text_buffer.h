#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace lumera {

// A short text put together without touching the heap, for what the tick
// draws every 100 ms. Text past its capacity is dropped.
class TextBuffer {
public:
    static constexpr std::size_t kCapacity = 64;

    void append(std::string_view text)
    {
        const std::size_t room = kCapacity - size_;
        const std::size_t count = text.size() < room ? text.size() : room;
        text.copy(bytes_.data() + size_, count);
        size_ += count;
    }

    // Decimal, with a minus sign for negative values.
    void appendNumber(std::int32_t value)
    {
        std::array<char, 12> digits{};
        const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
        append(std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
    }

    std::string_view view() const { return std::string_view(bytes_.data(), size_); }

private:
    std::array<char, kCapacity> bytes_{};
    std::size_t size_ = 0;
};

} // namespace lumera
