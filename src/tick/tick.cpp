#include "tick.h"

#include "cell_rendering.h"
#include "floating_messages.h"
#include "frame_geometry.h"
#include "settling.h"
#include "status_panel.h"

namespace lumera {

void runTick(Game& game, const Options& options, const FrameTargets& targets)
{
    game.tally.fill(0);
    constexpr int kCell = geometry::kCellPixels;
    for (int x = 0; x < Board::kSize; ++x) {
        for (int y = 0; y < Board::kSize; ++y) {
            // The same cell of the next column is drawn 32 cells from now.
            targets.frame.prefetchForWriting({(x + 1) * kCell, y * kCell, (x + 2) * kCell + 1, (y + 1) * kCell + 1});
            const CellCode startCode = game.board.at(x, y);
            chooseBrush(targets.frame, startCode);
            countCode(game.tally, startCode);
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
