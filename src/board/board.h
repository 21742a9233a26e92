#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

#include "cell_code.h"

namespace lumera {

// A playing cell: x the column 0..31 from the left, y the row 0..31 from
// the top.
struct Cell {
    int x;
    int y;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// The 32 x 32 playing field inside a guard ring of 0s. Cells are addressed
// in playing coordinates: x the column 0..31 from the left, y the row 0..31
// from the top; the guard ring is x or y = -1 or 32. The ring is read like
// any cell but never written.
class Board {
public:
    static constexpr int kSize = 32;
    static constexpr int kStride = kSize + 2;

    static constexpr bool inField(int x, int y) { return x >= 0 && x < kSize && y >= 0 && y < kSize; }

    // Any cell of the field or the guard ring.
    CellCode at(int x, int y) const { return cells_[index(x, y)]; }

    // Playing cells only; a write aimed at the guard ring is dropped.
    void set(int x, int y, CellCode code)
    {
        if (inField(x, y)) cells_[index(x, y)] = code;
    }

    bool guardRingIsClear() const;

    // Text form for fixtures: one line per row from the top, one digit per
    // cell from the left. Rows and cells the text leaves out hold `fill`.
    // Throws std::invalid_argument on anything but digits and line breaks,
    // or on more than 32 rows or columns.
    static Board fromText(std::string_view text, CellCode fill = kEmpty);
    // 32 lines of 32 characters; codes outside 0..9 show as "?".
    std::string toText() const;

    friend bool operator==(const Board&, const Board&) = default;
    // Test frameworks print a board in its text form.
    friend void PrintTo(const Board& board, std::ostream* out) { *out << "\n" << board.toText(); }

    // The 32 playing cells of column x, top to bottom (0 <= x < 32): cells
    // are stored column by column, so a column is contiguous.
    const CellCode* column(int x) const { return cells_.data() + index(x, 0); }
    CellCode* column(int x) { return cells_.data() + index(x, 0); }

private:
    static constexpr std::size_t index(int x, int y)
    {
        return static_cast<std::size_t>((x + 1) * kStride + (y + 1));
    }

    std::array<CellCode, kStride * kStride> cells_{};
};

} // namespace lumera
