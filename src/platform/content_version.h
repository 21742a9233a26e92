#pragma once

#include <cstdint>

namespace lumera {

// A number never handed out before in this process. Pictures and lists stamp
// their content with one at every change, so two equal stamps mean the same
// content, and a tick can tell that nothing it reads has changed.
inline std::uint64_t newContentVersion()
{
    static std::uint64_t last = 0;
    return ++last;
}

} // namespace lumera
