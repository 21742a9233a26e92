#pragma once

#include <cstdint>

namespace lumera {

// The game's linear congruential generator. Boards dealt from one seed are
// the same on every run and every machine.
class Random {
public:
    explicit Random(std::uint32_t seed = 0) : seed_(seed) {}

    // Advances the seed, then returns floor(n * seed / 2^32) with both taken
    // as unsigned 32-bit numbers: 0 .. n-1 for n >= 1, 0 for n = 0, and the
    // whole 32-bit range (read as signed) for negative n.
    std::int32_t draw(std::int32_t n)
    {
        seed_ = seed_ * 134775813u + 1u;
        const std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * seed_;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(product >> 32));
    }

    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

    // The low 32 bits of the monotonic high-resolution clock.
    void seedFromClock();

    friend bool operator==(const Random&, const Random&) = default;

private:
    std::uint32_t seed_;
};

} // namespace lumera
