#include "press.h"

#include "group_search.h"
#include "wrapping.h"

namespace lumera {
namespace {

bool accepted(const Game& game, std::optional<Cell> cell)
{
    return cell && groupPressAccepted(game.board, game.colourCount, cell->x, cell->y);
}

PressOutcome outcomeOf(std::int32_t groupSize)
{
    return PressOutcome{groupSize, groupSize * groupSize}; // at most 1024 squared
}

} // namespace

PressOutcome leftPress(Game& game, std::optional<Cell> cell)
{
    if (!accepted(game, cell)) return {};
    const CellCode code = game.board.at(cell->x, cell->y);
    const PressOutcome outcome = outcomeOf(removeGroup(game.board, cell->x, cell->y, code));
    game.score = wrappingAdd(game.score, outcome.points);
    return outcome;
}

PressOutcome rightPress(const Game& game, std::optional<Cell> cell)
{
    if (!accepted(game, cell)) return {};
    return outcomeOf(measureGroup(game.board, cell->x, cell->y, game.board.at(cell->x, cell->y)));
}

} // namespace lumera
