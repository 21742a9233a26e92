#include "prepared_map.h"

#include <string>

#include "game_error.h"
#include "integer_text.h"

namespace lumera {

std::int32_t PreparedMap::colourCount() const
{
    return parseInteger(lines_.readLine(0));
}

CellCode PreparedMap::cell(int x, int y) const
{
    const std::string line = lines_.readLine(x + 1);
    if (y < 0 || static_cast<std::size_t>(y) >= line.size())
        throw GameError("Line " + std::to_string(x + 2) + " of the map has no character " + std::to_string(y + 1));
    return parseInteger(std::string_view(line).substr(static_cast<std::size_t>(y), 1));
}

void loadPreparedMap(const PreparedMap& map, Game& game)
{
    game.colourCount = map.colourCount();
    for (int x = 0; x < Board::kSize; ++x)
        for (int y = 0; y < Board::kSize; ++y) game.board.set(x, y, map.cell(x, y));
}

} // namespace lumera
