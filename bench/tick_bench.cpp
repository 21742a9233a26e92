// One whole tick of the core on the frame, headless, on hot caches: the
// shipped game's textures and pictures, as the build lays them out.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "error_display.h"
#include "game_core.h"

namespace lumera {
namespace {

void setOption(GameCore& core, bool Options::*option, bool on)
{
    if (core.settings().options.*option != on) core.toggleOption(option);
}

// A dealt board of six colours with the grid, the textures and the
// pictures on; every tick runs in full, as a moving board's does.
struct TickBench {
    TickBench()
    {
        core.setSeedSource([] { return 5u; });
        core.setSkipUnchangedTicks(false);
        if (!runGuarded(errors, [this] { core.start(); })) std::abort();
        for (bool Options::*option : kSavedOptions) setOption(core, option, false);
        core.dealRandom(6);
    }

    struct Errors : ErrorDisplay {
        void show(const std::string&) override {}
    } errors;
    GameCore core{GameFiles{LUMERA_GAME_FOLDER}};
};

void fullBoard(benchmark::State& state)
{
    TickBench bench;
    for (auto _ : state) bench.core.tick();
}

void flatBoard(benchmark::State& state)
{
    TickBench bench;
    setOption(bench.core, &Options::flatCells, true);
    for (auto _ : state) bench.core.tick();
}

// Half the board turned to bubbles and empty cells, every tick moving them.
void heavySettling(benchmark::State& state)
{
    TickBench bench;
    Game& game = bench.core.game();
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y)
            if ((x * 7 + y * 3) % 2 == 0) game.board.set(x, y, y % 5 == 0 ? kEmpty : kVacated);
    const Board settling = game.board;
    for (auto _ : state) {
        game.board = settling;
        bench.core.tick();
    }
}

// All 51 message slots alive, in 51 sizes, over a full board.
void liveMessages(benchmark::State& state)
{
    TickBench bench;
    FloatingMessages messages{};
    for (int i = 0; i < kFloatingMessageSlots; ++i)
        messages[static_cast<std::size_t>(i)] = FloatingMessage{2 + i, 20 + 9 * i, 500, 1, 20};
    bench.core.game().messages = messages;
    bench.core.tick(); // glyphs of each size are rendered once, on first use
    for (auto _ : state) {
        bench.core.game().messages = messages;
        bench.core.tick();
    }
}

BENCHMARK(fullBoard)->Name("tick/textured_pictures_grid")->Unit(benchmark::kMicrosecond);
BENCHMARK(flatBoard)->Name("tick/flat_grid")->Unit(benchmark::kMicrosecond);
BENCHMARK(heavySettling)->Name("tick/heavy_settling")->Unit(benchmark::kMicrosecond);
BENCHMARK(liveMessages)->Name("tick/51_messages")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lumera
