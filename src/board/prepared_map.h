#pragma once

#include <cstdint>

#include "cell_code.h"
#include "game.h"
#include "line_buffer.h"

namespace lumera {

// A prepared map as the line buffer holds it: line 1 the number of colours,
// then one line per column from the left, one digit per cell from the top.
class PreparedMap {
public:
    explicit PreparedMap(const LineBuffer& lines) : lines_(lines) {}
    // The map reads the buffer it was made on, which must outlive it.
    explicit PreparedMap(const LineBuffer&& lines) = delete;

    // Line 1 as a number; the parser's error when it is not one.
    std::int32_t colourCount() const;

    // Character y + 1 of line x + 2, read as a number on its own. A letter,
    // a blank or a sign fails with the parser's error; a missing character
    // with a message naming the line and the character.
    CellCode cell(int x, int y) const;

private:
    const LineBuffer& lines_;
};

// Sets the colour count, then the cells column by column from the top. A bad
// cell stops it: the columns to its left and the cells above it are loaded,
// the rest of the board keeps its codes. The guard ring is never touched.
void loadPreparedMap(const PreparedMap& map, Game& game);

// Calls square(x, y, code) for every cell, row by row from the top, each row
// from the left, the order the preview is drawn in; a bad cell stops it there.
template <typename Square>
void previewPreparedMap(const PreparedMap& map, Square&& square)
{
    for (int y = 0; y < Board::kSize; ++y)
        for (int x = 0; x < Board::kSize; ++x) square(x, y, map.cell(x, y));
}

} // namespace lumera
