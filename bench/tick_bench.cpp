// One whole tick on the frame, as the window runs it before showing it.
#include <benchmark/benchmark.h>

#include "deal.h"
#include "press.h"
#include "tick_targets.h"

namespace lumera {
namespace {

// The look of a real game: textures with some white pixels, a background
// picture, a dealt board and the grid on.
struct TickBench : testing::TickTargets {
    TickBench()
    {
        for (int y = 0; y < 512; ++y)
            picture.fill({0, y, 512, y + 1}, rgb(static_cast<std::uint8_t>(y / 2), 90, static_cast<std::uint8_t>(255 - y / 2)));
        addFlatTextures([](int i) { return rgb(static_cast<std::uint8_t>(25 * i), 120, 60); },
                        [](int, Surface& texture) {
                            texture.fill({0, 0, 1, 1}, kWhite);
                            texture.fill({2, 2, 14, 4}, rgb(200, 200, 200));
                        });
        Random random(5);
        game.colourCount = 6;
        dealBoard(game.board, 6, random);
    }
};

void fullBoard(benchmark::State& state)
{
    TickBench bench;
    for (auto _ : state) bench.tick();
}

void flatBoard(benchmark::State& state)
{
    TickBench bench;
    bench.options.flatCells = true;
    for (auto _ : state) bench.tick();
}

// Half the board turned to bubbles and empty cells, every tick moving them.
void heavySettling(benchmark::State& state)
{
    TickBench bench;
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y)
            if ((x * 7 + y * 3) % 2 == 0) bench.game.board.set(x, y, y % 5 == 0 ? kEmpty : kVacated);
    const Board settling = bench.game.board;
    for (auto _ : state) {
        bench.game.board = settling;
        bench.tick();
    }
}

// All 51 message slots alive, in 51 sizes, over a full board.
void liveMessages(benchmark::State& state)
{
    TickBench bench;
    FloatingMessages messages{};
    for (int i = 0; i < kFloatingMessageSlots; ++i)
        messages[static_cast<std::size_t>(i)] = FloatingMessage{2 + i, 20 + 9 * i, 500, 1, 20};
    bench.game.messages = messages;
    bench.tick(); // glyphs of each size are rendered once, on first use
    for (auto _ : state) {
        bench.game.messages = messages;
        bench.tick();
    }
}

BENCHMARK(fullBoard)->Name("tick/textured_pictures_grid")->Unit(benchmark::kMicrosecond);
BENCHMARK(flatBoard)->Name("tick/flat_grid")->Unit(benchmark::kMicrosecond);
BENCHMARK(heavySettling)->Name("tick/heavy_settling")->Unit(benchmark::kMicrosecond);
BENCHMARK(liveMessages)->Name("tick/51_messages")->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lumera
