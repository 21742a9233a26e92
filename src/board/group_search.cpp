#include "group_search.h"

#include <array>

namespace lumera {
namespace {

constexpr int kCells = Board::kSize * Board::kSize;

struct Cell {
    std::int8_t x;
    std::int8_t y;
};

constexpr std::array<Cell, 4> kNeighbourSteps{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

// Flood fill over the field with a fixed stack. `claim` is asked once for
// every cell of code c that the fill reaches and returns whether the cell is
// new to the group (and takes it).
template <typename Claim>
std::int32_t fillGroup(const Board& board, int a, int b, CellCode c, Claim&& claim)
{
    std::array<Cell, kCells> stack;
    std::size_t top = 0;
    std::int32_t size = 0;
    if (!Board::inField(a, b) || board.at(a, b) != c || !claim(a, b)) return 0;
    stack[top++] = {static_cast<std::int8_t>(a), static_cast<std::int8_t>(b)};
    while (top > 0) {
        const Cell cell = stack[--top];
        ++size;
        for (const Cell step : kNeighbourSteps) {
            const int x = cell.x + step.x;
            const int y = cell.y + step.y;
            if (Board::inField(x, y) && board.at(x, y) == c && claim(x, y))
                stack[top++] = {static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)};
        }
    }
    return size;
}

} // namespace

bool groupPressAccepted(const Board& board, std::int32_t colourCount, int a, int b)
{
    if (!Board::inField(a, b) || colourCount == 0) return false;
    const CellCode c = board.at(a, b);
    if (c == kVacated || c == kVacatedBlink || c == kEmpty) return false;
    for (const Cell step : kNeighbourSteps) {
        const int x = a + step.x;
        const int y = b + step.y;
        if (Board::inField(x, y) && board.at(x, y) == c) return true;
    }
    return false;
}

std::int32_t RemoveGroup(Board& board, int a, int b, CellCode c)
{
    // A vacated cell is never c, so the board itself marks what is taken.
    if (c == kVacated) return 0;
    return fillGroup(board, a, b, c, [&board](int x, int y) {
        board.set(x, y, kVacated);
        return true;
    });
}

std::int32_t MeasureGroup(const Board& board, int a, int b, CellCode c)
{
    std::array<bool, kCells> taken{};
    return fillGroup(board, a, b, c, [&taken](int x, int y) {
        bool& mark = taken[static_cast<std::size_t>(y * Board::kSize + x)];
        if (mark) return false;
        mark = true;
        return true;
    });
}

} // namespace lumera
