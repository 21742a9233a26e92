// The chooser of prepared maps: a press on the list previews the selected
// map, a press on the preview loads it.
#include "main_window.h"

namespace lumera {

void MainWindow::previewSelectedMap()
{
    // The preview shows whatever was drawn, also when a bad cell stopped it.
    thenShowCore([this] { core_.previewMap(mapList_->selectedIndex()); });
    setLabelShown(true);
}

void MainWindow::loadPreviewedMap()
{
    if (mapList_->selectedIndex() != -1) thenShowCore([this] { core_.loadMap(mapList_->selectedIndex()); });
    setPanelShown(false);
}

} // namespace lumera
