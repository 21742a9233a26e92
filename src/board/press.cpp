#include "press.h"

#include "group_search.h"
#include "wrapping.h"

namespace lumera {
namespace {

using geometry::kBoardPixels;
using geometry::kCellPixels;

struct PressedCell {
    bool accepted;
    int x;
    int y;
};

PressedCell pressedCell(const Game& game, std::int32_t x, std::int32_t y)
{
    // The pointer must be over the field before the board is read at all.
    if (x < 0 || y < 0 || x >= kBoardPixels || y >= kBoardPixels) return {false, 0, 0};
    const int a = x / kCellPixels;
    const int b = y / kCellPixels;
    return {groupPressAccepted(game.board, game.colourCount, a, b), a, b};
}

void queueMessage(FloatingMessages& messages, std::int32_t value, std::int32_t x, std::int32_t y)
{
    for (FloatingMessage& slot : messages) {
        if (slot.value != 0) continue;
        slot = FloatingMessage{value, x, y, 1, 20};
        return;
    }
}

} // namespace

void leftPress(Game& game, std::int32_t x, std::int32_t y)
{
    const PressedCell cell = pressedCell(game, x, y);
    const std::int32_t d = cell.accepted ? removeGroup(game.board, cell.x, cell.y, game.board.at(cell.x, cell.y)) : 0;
    game.score = wrappingAdd(game.score, d * d);
    queueMessage(game.messages, d, x, y);
}

void rightPress(Game& game, std::int32_t x, std::int32_t y)
{
    const PressedCell cell = pressedCell(game, x, y);
    const std::int32_t d = cell.accepted ? measureGroup(game.board, cell.x, cell.y, game.board.at(cell.x, cell.y)) : 0;
    game.previewValue = d * d;
    game.previewX = x;
    game.previewY = y;
}

void releasePress(Game& game)
{
    game.previewValue = 0;
    game.previewX = 0;
    game.previewY = 0;
}

} // namespace lumera
