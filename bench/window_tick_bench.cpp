// The tick as the running game pays for it: the window's timer handler with
// the menu refresh, the frame shown on the window and the paint that
// follows, with the caches emptied before every tick, as they are after the
// 100 ms the game waits between two ticks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "error_display.h"
#include "main_window.h"

namespace lumera {
namespace {

class IgnoredErrors : public ErrorDisplay {
public:
    void show(const std::string&) override {}
};

// Writes over more memory than the processor caches hold.
void evictCaches()
{
    static std::vector<unsigned char> sweep(64u * 1024u * 1024u);
    for (std::size_t i = 0; i < sweep.size(); i += 64) sweep[i] = static_cast<unsigned char>(sweep[i] + 1);
    benchmark::DoNotOptimize(sweep.data());
}

// The shipped game, as the build lays it out, on a dealt board of four
// colours, come to rest.
struct RunningGame {
    RunningGame() : window(core, errors)
    {
        core.clock().stop();
        window.start();
        window.show();
        window.dealMediumBoard();
        for (int i = 0; i < 5; ++i) tick();
    }

    void tick()
    {
        window.runWindowTick();
        QApplication::processEvents();
    }

    IgnoredErrors errors;
    GameCore core{GameFiles{LUMERA_GAME_FOLDER}};
    MainWindow window;
};

void steadyBoard(benchmark::State& state)
{
    RunningGame game;
    for (auto _ : state) {
        state.PauseTiming();
        evictCaches();
        state.ResumeTiming();
        game.tick();
    }
}

// A third of the cells rising as bubbles, and a score message: every tick
// runs in full. With `paint`, the repaint the handler asks for is timed too.
void movingBoard(benchmark::State& state, bool paint)
{
    RunningGame game;
    Game& values = game.core.game();
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y)
            if ((x + 2 * y) % 3 == 0) values.board.set(x, y, kVacated);
    const Board moving = values.board;
    for (auto _ : state) {
        state.PauseTiming();
        values.board = moving;
        values.messages[0] = FloatingMessage{12, 200, 300, 1, 20};
        evictCaches();
        state.ResumeTiming();
        game.window.runWindowTick();
        if (!paint) state.PauseTiming();
        QApplication::processEvents();
        if (!paint) state.ResumeTiming();
    }
}

BENCHMARK(steadyBoard)->Name("window_tick/steady_cold")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(movingBoard, handler, false)->Name("window_tick/moving_cold")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(movingBoard, paint, true)->Name("window_tick/moving_cold_with_paint")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lumera
