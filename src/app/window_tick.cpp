// The 100 ms tick as the window runs it: the menu refresh, the game's tick on
// the frame, and the frame shown on the window.
#include "main_window.h"

#include "tick.h"

namespace lumera {

void MainWindow::runWindowTick()
{
    refreshMenu();
    const Options options = this->options();
    const FrameTargets targets{frame_.surface(), backgroundPicture_.surface(), cellTextures_};
    const TickInputs before = tickInputsOf(game_, options, targets);
    if (skipUnchangedTicks_ && tickSkipper_.canSkip(before, tickOutputs())) return;
    tickSkipper_.beginFullTick(before);
    runTick(game_, options, targets);
    showFrame();
    tickSkipper_.endFullTick(tickInputsOf(game_, options, targets), tickOutputs());
}

TickOutputs MainWindow::tickOutputs()
{
    return TickOutputs{frame_.surface().version(), clientArea_->shownVersion()};
}

void MainWindow::refreshMenu()
{
    if (game_.textureType == 2) {
        menu_.lightTexturesOption->setChecked(true);
        menu_.darkTexturesOption->setChecked(false);
    }
    if (game_.textureType == 1) {
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

void MainWindow::showFrame()
{
    clientArea_->present(frame_.surface());
}

} // namespace lumera
