#include "tick.h"

namespace lumera {

void runTick(Game& game, const Options& options, const FrameTargets& targets)
{
    game.tally.fill(0);
    for (int x = 0; x < Board::kSize; ++x) {
        for (int y = 0; y < Board::kSize; ++y) {
            chooseBrushAndCount(targets.frame, game.tally, game.board.at(x, y));
            // Blink and settle come here, between the brush and the drawing.
            drawCell(targets, game.board, options, x, y);
        }
    }
    // Then the column collapse, the floating messages and the status panel.
}

} // namespace lumera
