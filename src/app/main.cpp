#include <QApplication>

#include "app_title.h"
#include "main_window.h"
#include "message_box_error_display.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(lumera::applicationTitle());
    QApplication::setApplicationDisplayName(lumera::applicationTitle());

    lumera::MessageBoxErrorDisplay errors;
    lumera::MainWindow window(errors);
    window.start();
    window.show();
    return QApplication::exec();
}
