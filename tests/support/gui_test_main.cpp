#include <QGuiApplication>
#include <gtest/gtest.h>

// Tests draw text, so they need an application object of the toolkit's
// drawing layer; they never need a display or a widget.
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
