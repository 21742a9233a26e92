#include "shown_errors.h"

#include <QApplication>

#include "error_display.h"
#include "message_box_error_display.h"

namespace lumera::fuzz {

void ensureApplication()
{
    if (QApplication::instance()) return;
    static int argc = 1;
    static char name[] = "lumera-fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

void runShowingErrors(const std::function<void()>& action)
{
    ensureApplication();
    LaidOutErrorDisplay display;
    runGuarded(display, action);
}

} // namespace lumera::fuzz
