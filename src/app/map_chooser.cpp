// The chooser of prepared maps: a press on the list previews the selected
// map, a press on the preview loads it.
#include "main_window.h"

#include "file_io.h"
#include "prepared_map.h"

namespace lumera {

void MainWindow::loadMapFile()
{
    M1_.load(gamePath("map\\" + LB1_->itemBytes(LB1_->selectedIndex()) + ".txt"));
}

void MainWindow::LB1MouseDown()
{
    game_.score = 0;
    loadMapFile();
    Surface& preview = sh1Picture_.surface();
    sh1_->update(); // shows whatever is drawn, also when a bad cell stops it
    previewPreparedMap(PreparedMap(M1_), [&preview](int x, int y, CellCode code) {
        // Bubbles and empty cells keep the brush of the square before them.
        if (isColourCell(code)) preview.setBrushColour(*fillColour(code));
        preview.setPenColour(preview.brushColour());
        preview.rectangle(4 * x, 4 * y, 4 * x + 4, 4 * y + 4);
    });
    setLabelShown(true);
}

void MainWindow::sh1MouseDown()
{
    if (LB1_->selectedIndex() != -1) {
        game_.score = 0;
        loadMapFile();
        loadPreparedMap(PreparedMap(M1_), game_);
    }
    setPanelShown(false);
}

} // namespace lumera
