// Presses and releases on the board and the status panel.
#include "main_window.h"

namespace lumera {

void MainWindow::pressOnClientArea(Qt::MouseButton button, int x, int y)
{
    thenShowCore([&] {
        if (button == Qt::LeftButton) core_.leftPress(x, y);
        else if (button == Qt::RightButton) core_.rightPress(x, y);
    });
}

void MainWindow::releaseOnClientArea(Qt::MouseButton, int, int)
{
    thenShowCore([this] { core_.release(); });
}

} // namespace lumera
