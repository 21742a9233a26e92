#include "status_panel.h"

#include <array>
#include <string>

#include "cp1251.h"
#include "frame_geometry.h"
#include "text_buffer.h"
#include "wrapping.h"

namespace lumera {
namespace {

using geometry::kPanelLeft;
constexpr int kLineHeight = 16;
constexpr std::int32_t kPanelFontPoints = 7;

// The labels in the game's own encoding, converted once.
struct PanelLabels {
    std::array<std::string, kPanelColours + 1> colours; // index = colour 1..6
    std::string score;
};

const PanelLabels& panelLabels()
{
    static const PanelLabels labels = [] {
        PanelLabels made;
        for (CellCode colour = 1; colour <= kPanelColours; ++colour)
            made.colours[static_cast<std::size_t>(colour)] = utf8ToCp1251(panelLabel(colour));
        made.score = utf8ToCp1251("Очки=");
        return made;
    }();
    return labels;
}

void drawLabelled(Surface& frame, int x, int y, std::string_view label, std::int32_t value)
{
    TextBuffer text;
    text.append(label);
    text.appendNumber(value);
    frame.drawText(x, y, text.view());
}

} // namespace

void drawStatusPanel(Surface& frame, const Game& game)
{
    const PanelLabels& labels = panelLabels();
    frame.setFontSize(kPanelFontPoints);
    frame.setBrushColour(kBlack);
    frame.rectangle(kPanelLeft, 0, geometry::kFrame.width, geometry::kClearedBottom);
    frame.setFontColour(kWhite);
    for (CellCode colour = 1; colour <= kPanelColours; ++colour) {
        if (game.colourCount < colour) break;
        drawLabelled(frame, kPanelLeft, (colour - 1) * kLineHeight, labels.colours[static_cast<std::size_t>(colour)],
                     game.tally[static_cast<std::size_t>(colour)]);
    }
    drawLabelled(frame, kPanelLeft, wrappingMultiply(game.colourCount, kLineHeight), labels.score, game.score);
    TextBuffer preview;
    preview.appendNumber(game.previewValue);
    frame.drawText(game.previewX, wrappingSubtract(game.previewY, 12), preview.view());
}

} // namespace lumera
