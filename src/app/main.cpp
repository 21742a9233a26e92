#include <QApplication>

#include "app_title.h"
#include "font_faces.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(lumera::applicationTitle());
    QApplication::setApplicationDisplayName(lumera::applicationTitle());
    lumera::installFaceSubstitutions();
    return 0;
}
