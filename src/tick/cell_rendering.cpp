#include "cell_rendering.h"

#include "frame_geometry.h"

namespace lumera {
namespace {

constexpr int kCell = geometry::kCellPixels;

bool isEmptyCell(const Board& board, int x, int y)
{
    return Board::inField(x, y) && board.at(x, y) == kEmpty;
}

void drawBody(const FrameTargets& targets, const Board& board, const Options& options, int x, int y)
{
    Surface& frame = targets.frame;
    const int left = x * kCell;
    const int top = y * kCell;
    if (options.flatCells) {
        frame.rectangle(left, top, left + kCell + 1, top + kCell + 1);
        return;
    }
    // Bubbles, blinking bubbles and empty cells all have a black or white
    // brush, and all share the bubble texture.
    const Colour brush = frame.brushColour();
    const CellCode texture = brush == kBlack || brush == kWhite ? kVacated : board.at(x, y);
    targets.textures.draw(frame, left, top, texture);
}

void drawEdgeLines(Surface& frame, const Board& board, int x, int y)
{
    const int left = x * kCell;
    const int top = y * kCell;
    if (!isEmptyCell(board, x, y + 1)) {
        frame.setPenColour(kBlack);
        frame.moveTo(left, top + kCell - 1);
        frame.lineTo(left + kCell, top + kCell - 1);
    }
    if (!isEmptyCell(board, x + 1, y)) {
        frame.setPenColour(kBlack);
        frame.moveTo(left + kCell - 1, top);
        frame.lineTo(left + kCell - 1, top + kCell);
    }
    if (!isEmptyCell(board, x - 1, y)) {
        frame.setPenColour(kBlack);
        frame.moveTo(left, top);
        frame.lineTo(left, top + kCell);
    }
}

} // namespace

void chooseBrush(Surface& frame, CellCode startCode)
{
    if (const auto fill = fillColour(startCode)) frame.setBrushColour(*fill);
}

void countCode(CodeTally& tally, CellCode startCode)
{
    if (isColourCell(startCode)) ++tally[static_cast<std::size_t>(startCode)];
}

void drawCell(const FrameTargets& targets, const Board& board, const Options& options, int x, int y)
{
    Surface& frame = targets.frame;
    frame.setPenColour(options.gridOff ? frame.brushColour() : kBlack);
    drawBody(targets, board, options, x, y);
    if (board.at(x, y) != kEmpty) return;
    if (!options.picturesOff) {
        const PixelRect square{x * kCell, y * kCell, x * kCell + kCell + 1, y * kCell + kCell + 1};
        Surface::copy(frame, square, targets.picture, square);
    }
    drawEdgeLines(frame, board, x, y);
}

} // namespace lumera
