#include "reference_walk.h"

#include <array>

namespace lumera::reference {
namespace {

// Same shape and addressing as the board, guard ring included.
class MarkGrid {
public:
    std::int32_t& at(int x, int y) { return marks_[static_cast<std::size_t>((x + 1) * Board::kStride + (y + 1))]; }

private:
    std::array<std::int32_t, Board::kStride * Board::kStride> marks_{};
};

bool nextToMark(MarkGrid& marks, int i, int j)
{
    return marks.at(i, j + 1) == 1 || marks.at(i, j - 1) == 1 || marks.at(i - 1, j) == 1 || marks.at(i + 1, j) == 1;
}

} // namespace

std::int32_t removeGroupByRescanning(Board& board, int a, int b, CellCode c)
{
    MarkGrid marks;
    std::int32_t d = 0;
    int x = a;
    int y = b;
    for (;;) {
        ++d;
        board.set(x, y, 7);
        marks.at(x, y) = 1;
        if (board.at(x + 1, y) == c) { ++x; continue; }
        if (board.at(x - 1, y) == c) { --x; continue; }
        if (board.at(x, y + 1) == c) { ++y; continue; }
        if (board.at(x, y - 1) == c) { --y; continue; }
        bool found = false;
        for (int i = 0; i < Board::kSize; ++i) {
            for (int j = 0; j < Board::kSize; ++j) {
                if (board.at(i, j) == c && nextToMark(marks, i, j)) {
                    marks.at(i, j) = 1;
                    x = i;
                    y = j;
                    found = true;
                }
            }
        }
        if (!found) return d;
    }
}

std::int32_t measureGroupByRescanning(const Board& board, int a, int b, CellCode c)
{
    MarkGrid marks;
    std::int32_t d = 0;
    int x = a;
    int y = b;
    for (;;) {
        ++d;
        marks.at(x, y) = 1;
        if (board.at(x + 1, y) == c && marks.at(x + 1, y) == 0) { ++x; continue; }
        if (board.at(x - 1, y) == c && marks.at(x - 1, y) == 0) { --x; continue; }
        if (board.at(x, y + 1) == c && marks.at(x, y + 1) == 0) { ++y; continue; }
        if (board.at(x, y - 1) == c && marks.at(x, y - 1) == 0) { --y; continue; }
        bool found = false;
        for (int i = 0; i < Board::kSize; ++i) {
            for (int j = 0; j < Board::kSize; ++j) {
                if (board.at(i, j) == c && marks.at(i, j) == 0 && nextToMark(marks, i, j)) {
                    x = i;
                    y = j;
                    found = true;
                }
            }
        }
        if (!found) return d;
    }
}

} // namespace lumera::reference
