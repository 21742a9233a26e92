// The clock of the real window on the real event loop: a settled board
// sleeps, whatever reaches the game's windows wakes it, and the ticks keep
// to the 100 ms grid the clock started on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <chrono>
#include <functional>
#include <memory>

#include "main_window.h"
#include "message_box_error_display.h"
#include "window_on_folder.h"

namespace lumera {
namespace {

using namespace std::chrono_literals;
using testing::GameFolder;
using testing::WindowOnFolder;

// Counts the timer events that reach any object of the application.
class TimerEventCounter : public QObject {
public:
    TimerEventCounter() { QCoreApplication::instance()->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Timer) ++count;
        return false;
    }
    int count = 0;
};

// The shown window with its clock running, on a board of one colour that a
// press clears.
class RunningWindow {
public:
    RunningWindow() : w(folder)
    {
        w->show();
        w.game().colourCount = 1;
        clock().start();
    }

    GameClock& clock() { return w.core().clock(); }

    bool waitUntilAsleep() { return QTest::qWaitFor([this] { return clock().isAsleep(); }, 10000); }

    GameFolder folder;
    WindowOnFolder w;
};

TEST(WindowClock, ASettledBoardSleepsAndNoTimerEventComesForASecond)
{
    RunningWindow game;
    ASSERT_TRUE(game.waitUntilAsleep());
    const std::uint64_t firings = game.clock().firings();
    const TimerEventCounter timers;
    QTest::qWait(1000);
    EXPECT_EQ(game.clock().firings(), firings);
    EXPECT_EQ(timers.count, 0);
    EXPECT_TRUE(game.clock().isAsleep());
}

// Each row acts on a sleeping game; the clock must wake and tick again.
TEST(WindowClock, WhateverReachesTheGameWakesTheClock)
{
    const struct {
        const char* name;
        std::function<std::function<void()>(RunningWindow&)> prepare; // returns the action
    } rows[] = {
        {.name = "a menu command",
         .prepare = [](RunningWindow& g) { return [&g] { g.w->menu().texturesOffOption->trigger(); }; }},
        {.name = "a release on the board",
         .prepare = [](RunningWindow& g) {
             return [&g] { QTest::mouseRelease(&g.w->clientArea(), Qt::RightButton, {}, QPoint(20, 20)); };
         }},
        {.name = "a key that does nothing",
         .prepare = [](RunningWindow& g) { return [&g] { QTest::keyClick(&g.w.window(), Qt::Key_Z); }; }},
        {.name = "the window moved",
         .prepare = [](RunningWindow& g) { return [&g] { g.w->move(g.w->x() + 7, g.w->y()); }; }},
        {.name = "the close of an error box",
         .prepare = [](RunningWindow& g) -> std::function<void()> {
             std::shared_ptr<QMessageBox> box = makeErrorBox("Line 2 of the map has no character 1.", &g.w.window());
             box->show();
             return [box] { QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton); };
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RunningWindow game;
        const std::function<void()> action = row.prepare(game);
        ASSERT_TRUE(game.waitUntilAsleep());
        const std::uint64_t firings = game.clock().firings();
        action();
        EXPECT_FALSE(game.clock().isAsleep());
        EXPECT_TRUE(QTest::qWaitFor([&] { return game.clock().firings() > firings; }, 1000));
    }
}

TEST(WindowClock, APressBetweenGridPointsIsDrawnOnTheNextOne)
{
    RunningWindow game;
    ASSERT_TRUE(game.waitUntilAsleep());
    GameClock& clock = game.clock();
    // Waits for a moment 30 to 40 ms after a grid point.
    const auto sinceGridPoint = [&] { return (std::chrono::steady_clock::now() - clock.epoch()) % GameClock::kInterval; };
    for (int tries = 0; tries < 20 && !(sinceGridPoint() >= 30ms && sinceGridPoint() < 40ms); ++tries) {
        const auto since = sinceGridPoint();
        const auto wait = since < 30ms ? 30ms - since : GameClock::kInterval - since + 30ms;
        QTest::qWait(static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
    }
    ASSERT_GE(sinceGridPoint(), 30ms);
    ASSERT_LT(sinceGridPoint(), 40ms);
    const auto pressedAfter = sinceGridPoint();
    const std::int64_t pressedOn = clock.gridPointAt(std::chrono::steady_clock::now());
    const std::uint64_t shownBefore = game.w->clientArea().shownVersion();
    const std::uint64_t firings = clock.firings();
    QTest::mousePress(&game.w->clientArea(), Qt::LeftButton, {}, QPoint(8, 8));
    // Woken, the clock waits for the rest of the interval, not a whole one.
    const auto untilNext = clock.timeToNextFiring();
    ASSERT_TRUE(untilNext.has_value());
    EXPECT_LE(*untilNext, GameClock::kInterval - pressedAfter + 1ms);
    EXPECT_GE(*untilNext, GameClock::kInterval - pressedAfter - 15ms);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clock.firings() > firings; }, 1000));
    EXPECT_EQ(clock.gridPointAt(clock.lastFiring()), pressedOn + 1);
    EXPECT_GE(clock.lastFiring(), clock.epoch() + (pressedOn + 1) * GameClock::kInterval); // never early
    EXPECT_NE(game.w->clientArea().shownVersion(), shownBefore);
    EXPECT_EQ(game.w.game().score, 1024 * 1024);
}

} // namespace
} // namespace lumera
