#include "group_search.h"

#include <array>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumera {
namespace {

using Column = std::uint32_t; // bit y stands for row y

constexpr int kLastColumn = Board::kSize - 1;

// Grows the seeds along runs of `same` towards higher rows (Kogge-Stone
// fill: five doubling steps cover a 32-row column).
Column fillTowardsHigherRows(Column seeds, Column same)
{
    seeds |= same & (seeds << 1);
    same &= same << 1;
    seeds |= same & (seeds << 2);
    same &= same << 2;
    seeds |= same & (seeds << 4);
    same &= same << 4;
    seeds |= same & (seeds << 8);
    same &= same << 8;
    return seeds | (same & (seeds << 16));
}

Column fillTowardsLowerRows(Column seeds, Column same)
{
    seeds |= same & (seeds >> 1);
    same &= same >> 1;
    seeds |= same & (seeds >> 2);
    same &= same >> 2;
    seeds |= same & (seeds >> 4);
    same &= same >> 4;
    seeds |= same & (seeds >> 8);
    same &= same >> 8;
    return seeds | (same & (seeds >> 16));
}

// Whole vertical runs of `same` that hold a seed (seeds lie within `same`).
Column runsWithSeeds(Column same, Column seeds)
{
    return fillTowardsHigherRows(seeds, same) | fillTowardsLowerRows(seeds, same);
}

// Bit y set where rows[y] is `code`.
Column rowsHolding(const CellCode* rows, CellCode code)
{
#if defined(__SSE2__)
    // Four rows per comparison; the column is read in eight loads.
    const __m128i wanted = _mm_set1_epi32(code);
    Column mask = 0;
    for (int y = 0; y < Board::kSize; y += 4) {
        const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows + y));
        const int hits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
        mask |= static_cast<Column>(hits) << y;
    }
    return mask;
#else
    Column mask = 0;
    for (int y = 0; y < Board::kSize; ++y) mask |= Column{rows[y] == code} << y;
    return mask;
#endif
}

// The group as one bit mask per column: each column is grown to whole runs of
// the code, and a column that grows passes the growth to its two neighbours,
// until nothing grows. A column's mask of the code is read from the board the
// first time the fill reaches it. Only playing cells are ever part of it.
class ColumnFill {
public:
    ColumnFill(const Board& board, CellCode code) : board_(board), code_(code) {}

    std::array<Column, Board::kSize> fill(int column, int row)
    {
        group_[static_cast<std::size_t>(column)] = Column{1} << row;
        std::uint32_t pending = columnBit(column) | columnBit(column - 1) | columnBit(column + 1);
        while (pending != 0) {
            const int x = std::countr_zero(pending);
            pending &= pending - 1;
            const auto at = static_cast<std::size_t>(x);
            const Column same = sameMask(x);
            const Column seeds = (group_[at] | neighbourGroup(x - 1) | neighbourGroup(x + 1)) & same;
            const Column grown = runsWithSeeds(same, seeds);
            const Column added = grown & ~group_[at];
            if (added == 0) continue;
            group_[at] = grown;
            pending |= mayGrow(x - 1, added) | mayGrow(x + 1, added);
        }
        return group_;
    }

private:
    static std::uint32_t columnBit(int x) { return x >= 0 && x <= kLastColumn ? std::uint32_t{1} << x : 0u; }

    // Column x needs another look when rows just added next to it may join
    // it; while its mask is unread, that cannot be told without a look.
    std::uint32_t mayGrow(int x, Column added) const
    {
        const std::uint32_t bit = columnBit(x);
        if (bit == 0) return 0;
        if (!(read_ & bit)) return bit;
        const auto at = static_cast<std::size_t>(x);
        return (added & same_[at] & ~group_[at]) != 0 ? bit : 0;
    }

    Column neighbourGroup(int x) const { return x >= 0 && x <= kLastColumn ? group_[static_cast<std::size_t>(x)] : 0u; }

    Column sameMask(int x)
    {
        const auto at = static_cast<std::size_t>(x);
        if (read_ & columnBit(x)) return same_[at];
        const Column mask = rowsHolding(board_.column(x), code_);
        read_ |= columnBit(x);
        same_[at] = mask;
        return mask;
    }

    const Board& board_;
    CellCode code_;
    std::array<Column, Board::kSize> group_{};
    std::array<Column, Board::kSize> same_{};
    std::uint32_t read_ = 0;
};

std::int32_t sizeOf(const std::array<Column, Board::kSize>& group)
{
    std::int32_t size = 0;
    for (const Column column : group) size += std::popcount(column);
    return size;
}

// Whether the playing cell holds the code; the guard ring never does.
bool holds(const Board& board, int column, int row, CellCode code)
{
    return Board::inField(column, row) && board.at(column, row) == code;
}

} // namespace

bool groupPressAccepted(const Board& board, std::int32_t colourCount, int column, int row)
{
    if (!Board::inField(column, row) || colourCount == 0) return false;
    const CellCode code = board.at(column, row);
    if (isBubble(code) || code == kEmpty) return false;
    return holds(board, column + 1, row, code) || holds(board, column - 1, row, code) || holds(board, column, row + 1, code) ||
           holds(board, column, row - 1, code);
}

std::int32_t removeGroup(Board& board, int column, int row, CellCode code)
{
    if (!holds(board, column, row, code)) return 0;
    const auto group = ColumnFill(board, code).fill(column, row);
    for (int x = 0; x < Board::kSize; ++x) {
        CellCode* cells = board.column(x);
        for (Column rows = group[static_cast<std::size_t>(x)]; rows != 0; rows &= rows - 1)
            cells[std::countr_zero(rows)] = kVacated;
    }
    return sizeOf(group);
}

std::int32_t measureGroup(const Board& board, int column, int row, CellCode code)
{
    if (!holds(board, column, row, code)) return 0;
    return sizeOf(ColumnFill(board, code).fill(column, row));
}

} // namespace lumera
