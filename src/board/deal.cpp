#include "deal.h"

#include "wrapping.h"
namespace lumera {

void dealBoard(Board& board, std::int32_t colourCount, Random& random)
{
    for (int x = 0; x < Board::kSize; ++x) {
        for (int y = 0; y < Board::kSize; ++y) {
            // A negative count draws over the whole 32-bit range, so the +1 wraps.
            board.set(x, y, wrappingAdd(random.draw(colourCount), 1));
        }
    }
}

} // namespace lumera
