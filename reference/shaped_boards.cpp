#include "shaped_boards.h"

namespace lumera::reference {

Board spiralBoard(CellCode path, CellCode wall)
{
    Board board = Board::fromText("", wall);
    int x0 = 0, y0 = 0, x1 = Board::kSize - 1, y1 = Board::kSize - 1;
    while (x0 <= x1 && y0 <= y1) {
        for (int x = x0; x <= x1; ++x) board.set(x, y0, path);
        for (int y = y0; y <= y1; ++y) board.set(x1, y, path);
        for (int x = x0; x <= x1 && y1 > y0 + 1; ++x) board.set(x, y1, path);
        for (int y = y0 + 2; y <= y1; ++y) board.set(x0, y, path);
        if (y0 + 2 <= y1) board.set(x0 + 1, y0 + 2, path);
        x0 += 2, y0 += 2, x1 -= 2, y1 -= 2;
    }
    return board;
}

Board combBoard(CellCode teeth, CellCode gaps)
{
    // Spines along rows 1, 5, 9, ..., joined by a bar down column 31; each
    // spine carries one-cell teeth above it in odd columns and below it in
    // even columns, and a blank row keeps the teeth of neighbouring spines
    // apart.
    Board board = Board::fromText("", gaps);
    for (int y = 0; y < Board::kSize; ++y) {
        for (int x = 0; x < Board::kSize; ++x) {
            const bool spine = y % 4 == 1;
            const bool tooth = (y % 4 == 0 && x % 2 == 1) || (y % 4 == 2 && x % 2 == 0);
            if (spine || tooth || x == Board::kSize - 1) board.set(x, y, teeth);
        }
    }
    return board;
}

} // namespace lumera::reference
