#pragma once

#include <QTimer>
#include <functional>

namespace lumera {

// The game's 100 ms tick on the thread's event loop. It keeps firing while
// a menu, a dialog or an error box runs its own loop.
class GameClock {
public:
    static constexpr int kIntervalMilliseconds = 100;

    GameClock();
    // What runs at every tick; nothing until one is set.
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool isRunning() const { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> handler_;
};

} // namespace lumera
