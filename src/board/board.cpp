#include "board.h"

#include <stdexcept>

namespace lumera {

bool Board::guardRingIsClear() const
{
    for (int i = -1; i <= kSize; ++i) {
        if (at(i, -1) != 0 || at(i, kSize) != 0 || at(-1, i) != 0 || at(kSize, i) != 0) return false;
    }
    return true;
}

Board Board::fromText(std::string_view text, CellCode fill)
{
    Board board;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) board.set(x, y, fill);
    int x = 0;
    int y = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            ++y;
            x = 0;
            continue;
        }
        if (c < '0' || c > '9') throw std::invalid_argument("board text holds a character that is not a digit");
        if (x >= kSize || y >= kSize) throw std::invalid_argument("board text is larger than the field");
        board.set(x++, y, c - '0');
    }
    return board;
}

std::string Board::toText() const
{
    std::string text;
    text.reserve(kSize * (kSize + 1));
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const CellCode code = at(x, y);
            text.push_back(code >= 0 && code <= 9 ? static_cast<char>('0' + code) : '?');
        }
        text.push_back('\n');
    }
    return text;
}

} // namespace lumera
