// The chooser of prepared maps: a press on the list previews the selected
// map, a press on the preview loads it.
#include "main_window.h"

#include "cell_code.h"
#include "file_io.h"
#include "integer_text.h"

namespace lumera {

void MainWindow::loadMapFile()
{
    M1_.load(gamePath("map\\" + LB1_->itemBytes(LB1_->selectedIndex()) + ".txt"));
}

// Character y + 1 of line x + 2 of the map in M1, read as a number on its own.
CellCode MainWindow::mapCell(int x, int y) const
{
    const std::string line = M1_.readLine(x + 1);
    if (static_cast<std::size_t>(y) >= line.size())
        throw GameError("Line " + std::to_string(x + 2) + " of the map has no character " + std::to_string(y + 1));
    return parseInteger(line.substr(static_cast<std::size_t>(y), 1));
}

void MainWindow::LB1MouseDown()
{
    game_.score = 0;
    loadMapFile();
    Surface& preview = sh1Picture_.surface();
    sh1_->update(); // shows whatever the loop draws, also when a bad cell stops it
    for (int y = 0; y < Board::kSize; ++y) {
        for (int x = 0; x < Board::kSize; ++x) {
            const CellCode code = mapCell(x, y);
            // Bubbles and empty cells keep the brush of the square before them.
            if (isColourCell(code)) preview.setBrushColour(*fillColour(code));
            preview.setPenColour(preview.brushColour());
            preview.rectangle(4 * x, 4 * y, 4 * x + 4, 4 * y + 4);
        }
    }
    setLabelShown(true);
}

void MainWindow::sh1MouseDown()
{
    if (LB1_->selectedIndex() != -1) {
        game_.score = 0;
        loadMapFile();
        game_.colourCount = parseInteger(M1_.readLine(0));
        for (int x = 0; x < Board::kSize; ++x)
            for (int y = 0; y < Board::kSize; ++y) game_.board.set(x, y, mapCell(x, y));
    }
    setPanelShown(false);
}

} // namespace lumera
