#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "message_box_error_display.h"

namespace lumera {
namespace {

TEST(MessageBoxErrorDisplay, ShowsAModalStopBoxWhileTimersTick)
{
    int ticks = 0;
    QTimer gameTimer;
    gameTimer.setInterval(10);
    QObject::connect(&gameTimer, &QTimer::timeout, [&] { ++ticks; });
    gameTimer.start();

    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    int ticksWhenSeen = 0;
    QTimer::singleShot(200, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        ticksWhenSeen = ticks;
        box->accept();
    });
    MessageBoxErrorDisplay display;
    display.show("Invalid ImageList Index.");

    EXPECT_EQ(caption, "Лумера");
    EXPECT_EQ(text, "Invalid ImageList Index.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_GE(ticksWhenSeen, 5); // the timer went on behind the box
}

} // namespace
} // namespace lumera
