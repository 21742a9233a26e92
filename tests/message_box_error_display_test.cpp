#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "message_box_error_display.h"
#include "temp_folder.h"

namespace lumera {
namespace {

// Shows `text` through the real display and lets `look` see the open box.
// Should the box not close, a fallback closes it and fails the test, so
// this can never hang.
void showAndLook(const std::string& text, const std::function<void(QMessageBox&)>& look)
{
    bool looked = false;
    QTimer::singleShot(200, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        looked = true;
        look(*box);
        box->accept();
    });
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [] {
        ADD_FAILURE() << "the box did not close";
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    fallback.start(10'000);
    MessageBoxErrorDisplay display;
    display.show(text);
    EXPECT_TRUE(looked);
}

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
    showAndLook("Invalid ImageList Index.", [&](QMessageBox& box) {
        caption = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = box.standardButtons();
        ticksWhenSeen = ticks;
    });

    EXPECT_EQ(caption, "Лумера");
    EXPECT_EQ(text, "Invalid ImageList Index.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::Ok);
    // No event is delivered before the box's own loop runs, so every tick
    // counted here came while the box was open.
    EXPECT_GE(ticksWhenSeen, 1);
}

class MarkupInMessages : public ::testing::TestWithParam<std::string> {};

// A message quotes the player's files, so whatever looks like markup in it
// is shown as it stands: a picture it names is never loaded (a 600-pixel
// picture would make the label that tall).
TEST_P(MarkupInMessages, AppearsLiterallyAndLoadsNothing)
{
    const testing::TempFolder folder;
    QImage tall(600, 600, QImage::Format_RGB32);
    tall.fill(Qt::red);
    const QString picture = QString::fromStdString((folder / "tall.png").string());
    ASSERT_TRUE(tall.save(picture, "PNG"));
    QString message = QString::fromStdString(GetParam());
    message.replace("TALL", picture);

    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    int height = 0;
    showAndLook(message.toStdString(), [&](QMessageBox& box) {
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        shown = label->text();
        format = label->textFormat();
        height = label->sizeHint().height();
        box.grab(); // painted as the player would see it
    });
    EXPECT_EQ(shown, message);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_LT(height, 100);
}

INSTANTIATE_TEST_SUITE_P(Texts, MarkupInMessages,
                         ::testing::Values("'<b>12</b>' is not a valid integer value.",
                                           "'<img src=TALL>' is not a valid integer value.",
                                           "'<img src=/dev/zero>' is not a valid integer value.",
                                           "'&amp;' is not a valid integer value.", "'<' is not a valid integer value.",
                                           "Cannot open file \"/tmp/<i>x</i>.txt\". No such file or directory."));

TEST(LaidOutErrorDisplay, LaysTheBoxOutWithoutWaitingForThePlayer)
{
    LaidOutErrorDisplay display;
    display.show("'<img src=/dev/zero>' is not a valid integer value.");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace lumera
