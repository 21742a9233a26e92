#include "tick.h"

#include "floating_messages.h"
#include "settling.h"
#include "status_panel.h"

namespace lumera {

void runTick(Game& game, const Options& options, const FrameTargets& targets)
{
    game.tally.fill(0);
    for (int x = 0; x < Board::kSize; ++x) {
        const int nextLeft = (x + 1) * Board::kCellPixels;
        targets.frame.prefetchForWriting({nextLeft, 0, nextLeft + Board::kCellPixels + 1, Board::kSize * Board::kCellPixels});
        for (int y = 0; y < Board::kSize; ++y) {
            chooseBrushAndCount(targets.frame, game.tally, game.board.at(x, y));
            blinkCell(game.board, options, x, y);
            settleCell(game.board, options, x, y);
            drawCell(targets, game.board, options, x, y);
        }
    }
    collapseColumns(game.board);
    advanceFloatingMessages(targets.frame, game.messages, options.messagesOff);
    drawStatusPanel(targets.frame, game);
}

} // namespace lumera
