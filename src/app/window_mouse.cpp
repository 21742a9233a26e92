// Presses and releases on the board and the status panel.
#include "main_window.h"

namespace lumera {

void MainWindow::FormMouseDown(Qt::MouseButton, int, int)
{
}

void MainWindow::FormMouseUp(Qt::MouseButton, int, int)
{
}

} // namespace lumera
