// The chooser of prepared maps: a press on the list previews the selected
// map, a press on the preview loads it.
#include "main_window.h"

#include "file_io.h"
#include "prepared_map.h"

namespace lumera {

LineBuffer MainWindow::loadSelectedMap()
{
    LineBuffer map;
    map.load(gamePath("map\\" + mapList_->itemBytes(mapList_->selectedIndex()) + ".txt"));
    return map;
}

void MainWindow::previewSelectedMap()
{
    game_.score = 0;
    const LineBuffer map = loadSelectedMap();
    mapPreview_->update(); // shows whatever is drawn, also when a bad cell stops it
    previewPreparedMap(PreparedMap(map), [this](int x, int y, CellCode code) {
        // The picture gets its surface with the first square drawn: a preview
        // that fails before any square leaves no picture, and the panel shows.
        Surface& preview = mapPreviewPicture_.surface();
        // Bubbles and empty cells keep the brush of the square before them.
        if (isColourCell(code)) preview.setBrushColour(*fillColour(code));
        preview.setPenColour(preview.brushColour());
        constexpr int kSquare = geometry::kPreviewSquarePixels;
        preview.rectangle(kSquare * x, kSquare * y, kSquare * x + kSquare, kSquare * y + kSquare);
    });
    setLabelShown(true);
}

void MainWindow::loadPreviewedMap()
{
    if (mapList_->selectedIndex() != -1) {
        game_.score = 0;
        const LineBuffer map = loadSelectedMap();
        loadPreparedMap(PreparedMap(map), game_);
    }
    setPanelShown(false);
}

} // namespace lumera
