#pragma once

#include <functional>
#include <string>

#include "game_error.h"

namespace lumera::testing {

// The message of the GameError that `action` throws, "(no error)" if none.
inline std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const GameError& error) {
        return error.message();
    }
    return "(no error)";
}

} // namespace lumera::testing
