// The 100 ms tick as the window runs it: the menu refresh, the game's tick on
// the frame, and the frame shown on the window.
#include "main_window.h"

#include "tick.h"

namespace lumera {

void MainWindow::Timer1Timer()
{
    refreshMenu();
    const Options options = this->options();
    const FrameTargets targets{bb_.surface(), pic_.surface(), texdr_};
    const TickInputs before = tickInputsOf(game_, options, targets);
    if (skipUnchangedTicks_ && tickSkipper_.canSkip(before, tickOutputs())) return;
    tickSkipper_.beginFullTick(before);
    runTick(game_, options, targets);
    showFrame();
    tickSkipper_.endFullTick(tickInputsOf(game_, options, targets), tickOutputs());
}

TickOutputs MainWindow::tickOutputs()
{
    return TickOutputs{bb_.surface().version(), clientArea_->shownVersion()};
}

void MainWindow::refreshMenu()
{
    if (game_.textureType == 2) {
        menu_.N19->setChecked(true);
        menu_.N20->setChecked(false);
    }
    if (game_.textureType == 1) {
        menu_.N20->setChecked(true);
        menu_.N19->setChecked(false);
    }
    if (!panelShown_) {
        setLabelShown(false);
        LB1_->setSelectedIndex(-1);
        menu_.N12->setText(QStringLiteral("Выбрать"));
    } else {
        menu_.N12->setText(QStringLiteral("Отмена"));
    }
    menu_.N14->setText(historyShown_ ? QStringLiteral("Закрыть историю") : QStringLiteral("История"));
}

void MainWindow::showFrame()
{
    clientArea_->present(bb_.surface());
}

} // namespace lumera
