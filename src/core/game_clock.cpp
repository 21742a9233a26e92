#include "game_clock.h"

namespace lumera {

GameClock::GameClock()
{
    timer_.setInterval(kIntervalMilliseconds);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (handler_) handler_();
    });
}

} // namespace lumera
