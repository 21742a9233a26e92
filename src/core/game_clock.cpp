#include "game_clock.h"

#include <QCoreApplication>
#include <QEvent>

namespace lumera {
namespace {

// What the game's own drawing and timers cause; they change nothing a tick
// reads, and waking on them would keep a settled game from ever sleeping.
bool causedByTheGame(QEvent::Type type)
{
    switch (type) {
    case QEvent::Timer:
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
        return true;
    default:
        return false;
    }
}

// Watches every event of the application on its way to its receiver.
class ClockWaker : public QObject {
public:
    explicit ClockWaker(GameClock& clock) : clock_(clock) {}

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if ((receiver->isWidgetType() || receiver->isWindowType()) && !causedByTheGame(event->type())) clock_.wake();
        return false;
    }

private:
    GameClock& clock_;
};

} // namespace

GameClock::GameClock() : waker_(std::make_unique<ClockWaker>(*this))
{
    for (QTimer* timer : {&periodic_, &wakeUp_}) timer->setTimerType(Qt::PreciseTimer);
    periodic_.setInterval(kInterval);
    wakeUp_.setSingleShot(true);
    QObject::connect(&periodic_, &QTimer::timeout, [this] { fire(); });
    QObject::connect(&wakeUp_, &QTimer::timeout, [this] {
        periodic_.start();
        fire();
    });
    if (QCoreApplication* application = QCoreApplication::instance()) application->installEventFilter(waker_.get());
}

GameClock::~GameClock() = default;

void GameClock::start(Time epoch)
{
    stop();
    epoch_ = epoch;
    running_ = true;
    asleep_ = true;
    wake();
}

void GameClock::stop()
{
    periodic_.stop();
    wakeUp_.stop();
    running_ = false;
    asleep_ = false;
}

void GameClock::sleep()
{
    if (!running_ || asleep_) return;
    periodic_.stop();
    wakeUp_.stop();
    asleep_ = true;
}

void GameClock::wake()
{
    if (!running_ || !asleep_) return;
    asleep_ = false;
    const Time now = std::chrono::steady_clock::now();
    const std::int64_t next = now < epoch_ ? 1 : gridPointAt(now) + 1;
    // Rounded up to whole milliseconds, so it never fires before the point.
    wakeUp_.start(std::chrono::ceil<std::chrono::milliseconds>(epoch_ + next * kInterval - now));
}

std::optional<std::chrono::milliseconds> GameClock::timeToNextFiring() const
{
    for (const QTimer* timer : {&wakeUp_, &periodic_})
        if (timer->isActive()) return timer->remainingTimeAsDuration();
    return std::nullopt;
}

void GameClock::fire()
{
    lastFiring_ = std::chrono::steady_clock::now();
    ++firings_;
    if (handler_) handler_();
}

} // namespace lumera
