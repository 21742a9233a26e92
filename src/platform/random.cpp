#include "random.h"

#include <chrono>

namespace lumera {

void Random::seedFromClock()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    seed_ = static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks));
}

} // namespace lumera
