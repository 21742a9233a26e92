// The 100 ms tick as the window runs it: the menu refresh, then the core's
// tick, which shows the frame on the client area.
#include "main_window.h"

namespace lumera {

void MainWindow::runWindowTick()
{
    refreshMenu();
    core_.tick();
}

void MainWindow::refreshMenu()
{
    const std::int32_t textureSet = core_.settings().textureSet;
    if (textureSet == kLightTextures) {
        menu_.lightTexturesOption->setChecked(true);
        menu_.darkTexturesOption->setChecked(false);
    }
    if (textureSet == kDarkTextures) {
        menu_.darkTexturesOption->setChecked(true);
        menu_.lightTexturesOption->setChecked(false);
    }
    if (!panelShown_) {
        setLabelShown(false);
        mapList_->setSelectedIndex(-1);
        menu_.chooseMapCommand->setText(QStringLiteral("Выбрать"));
    } else {
        menu_.chooseMapCommand->setText(QStringLiteral("Отмена"));
    }
    menu_.historyCommand->setText(historyShown_ ? QStringLiteral("Закрыть историю") : QStringLiteral("История"));
}

} // namespace lumera
