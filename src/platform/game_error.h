#pragma once

#include <stdexcept>
#include <string>

namespace lumera {

// The one kind of failure the game reports to the player: it carries the
// message text (UTF-8) and ends the running handler where it is thrown.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& message) : std::runtime_error(message) {}
    std::string message() const { return what(); }
};

} // namespace lumera
