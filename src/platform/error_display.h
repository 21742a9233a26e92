#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "game_error.h"

namespace lumera {

// The message as the player sees it: a final "." is added when the last
// byte sorts above "." (digits, letters, Cyrillic, "/:;?]" ...), but not
// after a blank, a closing parenthesis, a quote or a period.
std::string withFinalPeriod(std::string message);

// Where errors that no handler catches end up. The game shows them in a
// modal box; tests record them.
class ErrorDisplay {
public:
    virtual ~ErrorDisplay() = default;
    // `text` is already in its shown form (see withFinalPeriod).
    virtual void show(const std::string& text) = 0;
};

// The message of the exception being handled: a GameError's own text,
// "Out of memory" for a failed allocation, what any other standard
// exception says, and a plain "Unexpected error" for anything else.
std::string messageOfCurrentException();

// Runs one handler; any error it throws (the game's own, or one from the
// system or the standard library) ends it and is shown, then the game goes
// on. Returns whether the handler ran to its end.
template <typename Handler>
bool runGuarded(ErrorDisplay& display, Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        display.show(withFinalPeriod(messageOfCurrentException()));
        return false;
    }
}

} // namespace lumera
