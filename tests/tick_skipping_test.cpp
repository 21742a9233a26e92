// Two copies of the real window driven through the same long seeded
// session: one runs every tick in full, the other leaves out the ticks that
// would change nothing. After every tick their frames, what their windows
// show and their games must be the same.
#include <gtest/gtest.h>

#include <QTest>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bmp_bytes.h"
#include "window_on_folder.h"
#include "main_window.h"
#include "recording_error_display.h"

namespace lumera {
namespace {

using namespace std::chrono_literals;

using testing::BmpLayout;
using testing::GameFolder;
using testing::WindowOnFolder;

constexpr int kSteps = 8'000;

// Textures whose white pixels let what lies beneath show through, small
// pictures that leave part of the board to earlier frames, and maps.
class SeeThroughFolder : public GameFolder {
public:
    SeeThroughFolder()
    {
        for (int type = 1; type <= 2; ++type)
            for (int i = 0; i < 10; ++i) write(texturePath(type, i), texture(type, i));
        for (int n = 1; n <= 2; ++n)
            write("pic/" + std::to_string(n) + ".bmp",
                  testing::bmpFile(96, 80, std::vector<Colour>(96 * 80, rgb(0, 70, static_cast<std::uint8_t>(90 * n))),
                                   BmpLayout::Rgb24BottomUp));
        std::string config = "2\r\n4\r\n";
        Random random(77);
        for (int m = 0; m < 3; ++m) {
            const std::string name = "map" + std::to_string(m);
            config += name + "\r\n";
            std::string text = std::to_string(3 + m) + "\r\n";
            for (int x = 0; x < 32; ++x) {
                for (int y = 0; y < 32; ++y) text.push_back(static_cast<char>('0' + (m == 2 ? random.draw(10) : 1 + random.draw(3 + m))));
                text += "\r\n";
            }
            write("map/" + name + ".txt", text);
        }
        write("config.ini", config + "missing\r\n");
    }

    static std::string texturePath(int type, int i) { return "img/" + std::to_string(type) + "/" + std::to_string(i) + ".bmp"; }

    static std::string texture(int type, int i)
    {
        std::vector<Colour> pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels.push_back((x + y + i) % (2 + type) == 0 ? kWhite : testing::fixtureTextureColour(type, i));
        return testing::bmpFile(16, 16, pixels, BmpLayout::Rgb24BottomUp);
    }
};

class Session {
public:
    Session() : full(folder, false), skipping(folder, false), script(20261210)
    {
        full.core().setSkipUnchangedTicks(false);
        for (WindowOnFolder* w : {&full, &skipping}) {
            w->core().setSeedSource([seed = std::uint32_t{1}]() mutable { return seed += 7919; });
            (*w)->start();
        }
    }

    void run()
    {
        for (int step = 0; step < kSteps; ++step) {
            const std::int32_t roll = script.draw(1000);
            if (roll < 300) tick(1);
            else if (roll < 340) tick(40); // long enough for the board to come to rest
            else if (roll < 470) press(Qt::LeftButton, false);
            else if (roll < 520) press(Qt::LeftButton, true); // a double click
            else if (roll < 580) press(Qt::RightButton, false);
            else if (roll < 610) press(Qt::MiddleButton, false);
            else if (roll < 700) release();
            else if (roll < 840) menuCommand();
            else if (roll < 900) chooseMap(false);
            else if (roll < 940) chooseMap(true);
            else breakOrMendAFile();
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "at step " << step;
                return;
            }
        }
        EXPECT_GT(skipped, kSteps / 10) << "the skipping copy never rested";
        EXPECT_GT(moved, kSteps / 10) << "the session never moved";
        EXPECT_EQ(full.errors(), skipping.errors());
        EXPECT_EQ(fullHandlerErrors.shown, skippingHandlerErrors.shown);
        EXPECT_FALSE(fullHandlerErrors.shown.empty()) << "no load ever failed";
    }

private:
    void tick(int count)
    {
        for (int i = 0; i < count; ++i) {
            runGuarded(fullHandlerErrors, [&] { full->runWindowTick(); });
            const std::uint64_t shownBefore = skipping->clientArea().shown().version();
            runGuarded(skippingHandlerErrors, [&] { skipping->runWindowTick(); });
            (shownBefore == skipping->clientArea().shown().version() ? skipped : moved) += 1;
            ASSERT_EQ(skipping.core().frame().surface().image(), full.core().frame().surface().image());
            ASSERT_EQ(skipping->clientArea().shown().image(), full->clientArea().shown().image());
            ASSERT_EQ(skipping.game().board, full.game().board);
            ASSERT_TRUE(skipping.game().messages == full.game().messages);
            ASSERT_EQ(skipping.game().score, full.game().score);
        }
    }

    // As the window runs its handlers: an error ends only the handler.
    template <typename Action>
    void onBoth(Action action)
    {
        runGuarded(fullHandlerErrors, [&] { action(full.window()); });
        runGuarded(skippingHandlerErrors, [&] { action(skipping.window()); });
    }

    std::int32_t coordinate() { return script.draw(660) - 30; }

    void press(Qt::MouseButton button, bool twice)
    {
        const std::int32_t x = coordinate(), y = coordinate();
        onBoth([&](MainWindow& w) {
            w.pressOnClientArea(button, x, y);
            if (twice) w.pressOnClientArea(button, x, y);
        });
    }

    void release()
    {
        const auto button = script.draw(2) == 0 ? Qt::LeftButton : Qt::RightButton;
        const std::int32_t x = coordinate(), y = coordinate();
        onBoth([&](MainWindow& w) { w.releaseOnClientArea(button, x, y); });
    }

    void menuCommand()
    {
        using M = MainMenu;
        QAction* M::*const commands[] = {&M::easyBoardCommand,     &M::mediumBoardCommand,        &M::hardBoardCommand,
                                         &M::veryHardBoardCommand, &M::gridOffOption,             &M::bubblesOffOption,
                                         &M::picturesOffOption,    &M::chooseMapCommand,          &M::historyCommand,
                                         &M::smoothAnimationOffOption, &M::texturesOffOption,     &M::floatingMessagesOffOption,
                                         &M::lightTexturesOption,  &M::darkTexturesOption,        &M::restartCommand};
        const auto pick = static_cast<std::size_t>(script.draw(static_cast<std::int32_t>(std::size(commands))));
        onBoth([&](MainWindow& w) { (w.menu().*commands[pick])->trigger(); });
    }

    // Opens the chooser if it is closed, selects a name (or none) and
    // presses it, which shows its preview, or presses the preview, which
    // loads the map.
    void chooseMap(bool load)
    {
        const std::int32_t index = script.draw(6) - 1;
        onBoth([&](MainWindow& w) {
            if (!w.panelShown()) w.menu().chooseMapCommand->trigger();
            w.mapList().setSelectedIndex(index);
            if (load) w.loadPreviewedMap();
            else w.previewSelectedMap();
        });
    }

    // Picture and texture loads that fail, and succeed again.
    void breakOrMendAFile()
    {
        const std::string files[] = {"pic/1.bmp", "pic/2.bmp", SeeThroughFolder::texturePath(2, 3), SeeThroughFolder::texturePath(1, 9)};
        const auto which = static_cast<std::size_t>(script.draw(4));
        const auto path = folder / files[which];
        if (std::filesystem::exists(path)) {
            std::filesystem::remove(path);
        } else if (which < 2) {
            folder.write(files[which], testing::bmpFile(96, 80, std::vector<Colour>(96 * 80, rgb(200, 10, 10)), BmpLayout::Rgb24BottomUp));
        } else {
            folder.write(files[which], SeeThroughFolder::texture(which == 2 ? 2 : 1, which == 2 ? 3 : 9));
        }
    }

    SeeThroughFolder folder;
    WindowOnFolder full;
    WindowOnFolder skipping;
    Random script;
    testing::RecordingErrorDisplay fullHandlerErrors;
    testing::RecordingErrorDisplay skippingHandlerErrors;
    int skipped = 0;
    int moved = 0;
};

TEST(TickSkipping, AGameThatSkipsUnchangedTicksShowsWhatTheFullTickShows)
{
    Session session;
    session.run();
}


// The same comparison on the real event loop and the real clocks, both on
// one grid: seeded steps sent as real events at random moments between two
// grid points, to a game that always ticks in full and to one that skips
// unchanged ticks and sleeps. The frames both show (as hashes of their
// pixels) are compared grid point by grid point: where the sleeping game did
// not tick, it must still show what the full game drew.
class LiveSession {
public:
    LiveSession() : full(folder, false), sleeping(folder, false), script(20261211)
    {
        full.core().setSkipUnchangedTicks(false);
        const auto epoch = std::chrono::steady_clock::now();
        for (auto* game : {&full, &sleeping}) {
            game->core().setSeedSource([seed = std::uint32_t{1}]() mutable { return seed += 7919; });
            (*game)->start();
            (*game)->show();
            std::map<std::int64_t, std::size_t>& frames = game == &full ? fullFrames : sleepingFrames;
            GameClock& clock = game->core().clock();
            clock.setHandler([game, &frames, &clock, this] {
                runGuarded(handlerErrors, [game] { (*game)->runWindowTick(); });
                const QImage& shown = (*game)->clientArea().shown().image();
                frames[clock.gridPointAt(clock.lastFiring())] = qHashBits(shown.constBits(), static_cast<std::size_t>(shown.sizeInBytes()));
            });
            clock.start(epoch);
        }
    }

    void run()
    {
        for (int step = 0; step < kLiveSteps; ++step) {
            QTest::qWait(script.draw(300));
            if (script.draw(8) == 0) QTest::qWait(3000); // longer than a message lives: the board comes to rest
            waitBetweenGridPoints();
            act(script.draw(100));
        }
        QTest::qWait(300);
        compare();
    }

private:
    static constexpr int kLiveSteps = 80;

    GameClock& clockOf(WindowOnFolder& game) { return game.core().clock(); }

    std::int64_t lastTick(const std::map<std::int64_t, std::size_t>& frames) const
    {
        return frames.empty() ? -1 : frames.rbegin()->first;
    }

    // Until both games have ticked for the present grid point (or the
    // sleeping one sleeps) and the next one is not near: an event then
    // reaches both before the same tick.
    void waitBetweenGridPoints()
    {
        GameClock& clock = clockOf(full);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            const auto now = std::chrono::steady_clock::now();
            const auto since = (now - clock.epoch()) % GameClock::kInterval;
            const std::int64_t point = clock.gridPointAt(now);
            const bool sleepingReady = clockOf(sleeping).isAsleep() || lastTick(sleepingFrames) == point;
            return since >= 20ms && since <= 70ms && lastTick(fullFrames) == point && sleepingReady;
        }, 5000));
    }

    void act(std::int32_t roll)
    {
        const QPoint at(script.draw(600), script.draw(512));
        for (auto* game : {&full, &sleeping}) {
            QWidget* board = &(*game)->clientArea();
            if (roll < 45) QTest::mousePress(board, Qt::LeftButton, {}, at);
            else if (roll < 60) QTest::mousePress(board, Qt::RightButton, {}, at);
            else if (roll < 80) QTest::mouseRelease(board, roll < 70 ? Qt::LeftButton : Qt::RightButton, {}, at);
            else menuCommand(game->window(), roll);
        }
    }

    static void menuCommand(MainWindow& window, std::int32_t roll)
    {
        using M = MainMenu;
        QAction* M::*const commands[] = {&M::easyBoardCommand,  &M::hardBoardCommand,    &M::gridOffOption,
                                         &M::bubblesOffOption,  &M::picturesOffOption,   &M::smoothAnimationOffOption,
                                         &M::texturesOffOption, &M::lightTexturesOption, &M::darkTexturesOption,
                                         &M::historyCommand,    &M::floatingMessagesOffOption, &M::restartCommand};
        (window.menu().*commands[static_cast<std::size_t>(roll - 80) % std::size(commands)])->trigger();
    }

    void compare()
    {
        for (auto* game : {&full, &sleeping}) clockOf(*game).stop();
        ASSERT_FALSE(fullFrames.empty());
        int sleptThrough = 0;
        for (const auto& [point, frame] : fullFrames) {
            const auto shown = sleepingFrames.upper_bound(point);
            ASSERT_NE(shown, sleepingFrames.begin()) << "grid point " << point;
            if (std::prev(shown)->first != point) ++sleptThrough;
            ASSERT_EQ(std::prev(shown)->second, frame) << "grid point " << point;
        }
        for (const auto& entry : sleepingFrames) ASSERT_TRUE(fullFrames.count(entry.first)) << "grid point " << entry.first;
        EXPECT_GT(sleptThrough, 40) << "the sleeping game hardly slept";
        EXPECT_EQ(full.errors(), sleeping.errors());
    }

    SeeThroughFolder folder;
    WindowOnFolder full;
    WindowOnFolder sleeping;
    Random script;
    testing::RecordingErrorDisplay handlerErrors;
    std::map<std::int64_t, std::size_t> fullFrames;
    std::map<std::int64_t, std::size_t> sleepingFrames;
};

TEST(TickSkipping, OnTheRealClockASleepingGameShowsWhatTheFullTickShowsAtEveryGridPoint)
{
    LiveSession session;
    session.run();
}

} // namespace
} // namespace lumera
