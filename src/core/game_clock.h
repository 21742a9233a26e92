#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace lumera {

// The game's 100 ms tick on the thread's event loop, on a grid of 100 ms
// from the moment it starts. It keeps firing while a menu, a dialog or an
// error box runs its own loop.
//
// A tick that changed nothing puts it to sleep: no timer fires at all while
// nothing moves. Whatever may change what the tick reads wakes it: every
// event that reaches a widget or a window of the application (input, window
// system, menus, dialogs), but for the timer and paint events that the
// game's own drawing causes, and every handler the game runs. Woken, it
// fires again on the next point of the grid, as if it had never slept.
class GameClock {
public:
    using Time = std::chrono::steady_clock::time_point;
    static constexpr std::chrono::milliseconds kInterval{100};

    GameClock();
    ~GameClock();
    GameClock(const GameClock&) = delete;
    GameClock& operator=(const GameClock&) = delete;

    // What runs at every tick; nothing until one is set.
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }

    // Starts the grid now, or at `epoch` (two clocks on one grid); the first
    // tick comes on the grid's next point.
    void start() { start(std::chrono::steady_clock::now()); }
    void start(Time epoch);
    void stop();

    // After a tick that changed nothing: no timer fires until the next wake.
    void sleep();
    void wake();
    bool isAsleep() const { return running_ && asleep_; }

    Time epoch() const { return epoch_; }
    // The point of the grid at or before `time`, counted from the start.
    std::int64_t gridPointAt(Time time) const { return (time - epoch_) / kInterval; }
    // How long until the clock fires next; none while it sleeps or stands.
    std::optional<std::chrono::milliseconds> timeToNextFiring() const;
    // When the clock last fired, and how often it has.
    Time lastFiring() const { return lastFiring_; }
    std::uint64_t firings() const { return firings_; }

private:
    void fire();

    QTimer periodic_;
    QTimer wakeUp_; // single shot to the next point of the grid
    std::unique_ptr<QObject> waker_;
    std::function<void()> handler_;
    Time epoch_{};
    Time lastFiring_{};
    std::uint64_t firings_ = 0;
    bool running_ = false;
    bool asleep_ = false;
};

} // namespace lumera
