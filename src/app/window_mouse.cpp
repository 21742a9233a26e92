// Presses and releases on the board and the status panel.
#include "main_window.h"

#include "press.h"

namespace lumera {

void MainWindow::pressOnClientArea(Qt::MouseButton button, int x, int y)
{
    if (button == Qt::LeftButton) leftPress(game_, x, y);
    else if (button == Qt::RightButton) rightPress(game_, x, y);
}

void MainWindow::releaseOnClientArea(Qt::MouseButton, int, int)
{
    releasePress(game_);
}

} // namespace lumera
