// A left press on the board: the fast group search against the rescanning
// walk it replaced, on the shapes that cost the walk most.
#include <benchmark/benchmark.h>

#include "deal.h"
#include "group_search.h"
#include "game_core.h"
#include "reference_walk.h"
#include "shaped_boards.h"

namespace lumera {
namespace {

struct PressCase {
    Board board;
    int x;
    int y;
};

PressCase oneColour() { return {Board::fromText("", 1), 0, 0}; }
PressCase spiral() { return {reference::spiralBoard(1, 2), 0, 0}; }
PressCase comb() { return {reference::combBoard(3, 4), 0, 1}; }

// A 5-colour random board pressed on a group of typical size.
PressCase typical()
{
    Board board;
    Random random(20261210);
    dealBoard(board, 5, random);
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y)
            if (measureGroup(board, x, y, board.at(x, y)) == 4) return {board, x, y};
    return {board, 0, 0};
}

template <PressCase (*Make)()>
void fastSearch(benchmark::State& state)
{
    const PressCase c = Make();
    for (auto _ : state) {
        Board board = c.board;
        benchmark::DoNotOptimize(removeGroup(board, c.x, c.y, c.board.at(c.x, c.y)));
        benchmark::ClobberMemory();
    }
}

template <PressCase (*Make)()>
void rescanningWalk(benchmark::State& state)
{
    const PressCase c = Make();
    for (auto _ : state) {
        Board board = c.board;
        benchmark::DoNotOptimize(reference::removeGroupByRescanning(board, c.x, c.y, c.board.at(c.x, c.y)));
        benchmark::ClobberMemory();
    }
}

// The whole left press as the window hands it to the core: the pixel's
// cell, acceptance, search, score, message.
template <PressCase (*Make)()>
void leftPressWhole(benchmark::State& state)
{
    const PressCase c = Make();
    GameCore core{GameFiles{}};
    Game& game = core.game();
    game.colourCount = 5;
    for (auto _ : state) {
        game.board = c.board;
        game.messages[0].value = 0;
        core.leftPress(c.x * 16 + 8, c.y * 16 + 8);
        benchmark::DoNotOptimize(game.score);
    }
}

BENCHMARK(fastSearch<oneColour>)->Name("press/fast/one_colour_1024");
BENCHMARK(rescanningWalk<oneColour>)->Name("press/rescanning/one_colour_1024");
BENCHMARK(fastSearch<spiral>)->Name("press/fast/spiral");
BENCHMARK(rescanningWalk<spiral>)->Name("press/rescanning/spiral");
BENCHMARK(fastSearch<comb>)->Name("press/fast/comb");
BENCHMARK(rescanningWalk<comb>)->Name("press/rescanning/comb");
BENCHMARK(fastSearch<typical>)->Name("press/fast/typical");
BENCHMARK(rescanningWalk<typical>)->Name("press/rescanning/typical");
BENCHMARK(leftPressWhole<oneColour>)->Name("press/left_press/one_colour_1024");
BENCHMARK(leftPressWhole<typical>)->Name("press/left_press/typical");

} // namespace
} // namespace lumera

namespace lumera {
namespace {

template <PressCase (*Make)()>
void measureOnly(benchmark::State& state)
{
    const PressCase c = Make();
    for (auto _ : state) benchmark::DoNotOptimize(measureGroup(c.board, c.x, c.y, c.board.at(c.x, c.y)));
}

BENCHMARK(measureOnly<oneColour>)->Name("press/measure/one_colour_1024");
BENCHMARK(measureOnly<comb>)->Name("press/measure/comb");
BENCHMARK(measureOnly<spiral>)->Name("press/measure/spiral");
BENCHMARK(measureOnly<typical>)->Name("press/measure/typical");

} // namespace
} // namespace lumera
