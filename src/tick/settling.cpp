#include "settling.h"

namespace lumera {
namespace {

void carryToTop(Board& board, int x, int y)
{
    const CellCode bubble = board.at(x, y);
    for (int row = y; row > 0; --row) board.set(x, row, board.at(x, row - 1));
    board.set(x, 0, bubble);
}

// Takes the code of the cell above, which becomes `bubble`, when the cell
// holds `bubble`.
void riseIf(Board& board, int x, int y, CellCode bubble)
{
    if (board.at(x, y) != bubble) return;
    board.set(x, y, board.at(x, y - 1));
    board.set(x, y - 1, bubble);
}

} // namespace

void blinkCell(Board& board, const Options& options, int x, int y)
{
    if (!options.blink || options.bubblesOff) return;
    const CellCode code = board.at(x, y);
    if (code == kVacated) board.set(x, y, kVacatedBlink);
    else if (code == kVacatedBlink) board.set(x, y, kVacated);
}

void settleCell(Board& board, const Options& options, int x, int y)
{
    const bool underEmpty = y == 0 || board.at(x, y - 1) == kEmpty;
    if (underEmpty && isBubble(board.at(x, y))) board.set(x, y, kEmpty);
    if (options.bubblesOff) {
        if (isBubble(board.at(x, y))) carryToTop(board, x, y);
        return;
    }
    if (y > 0 && board.at(x, y - 1) != kEmpty) {
        // A 7 that rises under an 8 meets it again at the second rule.
        riseIf(board, x, y, kVacated);
        riseIf(board, x, y, kVacatedBlink);
    }
}

void collapseColumns(Board& board)
{
    for (int column = 0; column < Board::kSize - 1; ++column) {
        if (board.at(column, Board::kSize - 1) != kEmpty) continue;
        for (int row = 0; row < Board::kSize; ++row) {
            board.set(column, row, board.at(column + 1, row));
            board.set(column + 1, row, kEmpty);
        }
    }
}

} // namespace lumera
