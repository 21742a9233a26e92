#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <utility>

#include "window_on_folder.h"
#include "main_window.h"

namespace lumera {
namespace {

using testing::GameFolder;
using testing::WindowOnFolder;

class WindowMouseTest : public ::testing::Test {
protected:
    WindowMouseTest() : w(folder)
    {
        w->show();
        w.game().colourCount = 3;
        w.game().board = Board::fromText("1122\n1233\n3333", 2);
    }

    QWidget* board() { return &w->clientArea(); }

    // A press as the window system delivers it: to the visible child under
    // the pointer, passed on to its parents while nobody takes it.
    void pressAt(Qt::MouseButton button, QPoint at)
    {
        QWidget* target = board()->childAt(at);
        if (!target) target = board();
        QTest::mousePress(target, button, {}, target->mapFrom(board(), at));
    }

    GameFolder folder;
    WindowOnFolder w;
};

TEST_F(WindowMouseTest, ALeftPressRemovesTheGroupUnderThePointer)
{
    QTest::mousePress(board(), Qt::LeftButton, {}, QPoint(5, 20));
    EXPECT_EQ(w.game().board, Board::fromText("7722\n7233\n3333", 2));
    EXPECT_EQ(w.game().score, 9);
    EXPECT_EQ(w.game().messages[0].value, 3);
    EXPECT_EQ(w.game().messages[0].x, 5);
    EXPECT_EQ(w.game().messages[0].y, 20);
}

TEST_F(WindowMouseTest, ARightPressPreviewsUntilAReleaseOverTheWindow)
{
    QTest::mousePress(board(), Qt::RightButton, {}, QPoint(5, 20));
    EXPECT_EQ(w.game().previewValue, 9);
    QTest::mouseRelease(board(), Qt::RightButton, {}, QPoint(700, 600)); // outside: never arrives
    EXPECT_EQ(w.game().previewValue, 9);
    QTest::mousePress(board(), Qt::LeftButton, {}, QPoint(550, 20)); // refused: on the panel
    QTest::mouseRelease(board(), Qt::LeftButton, {}, QPoint(700, 600)); // a left press holds the pointer
    EXPECT_EQ(w.game().previewValue, 0);
    EXPECT_EQ(w.game().previewX, 0);
}

TEST_F(WindowMouseTest, AMiddlePressDoesNothing)
{
    const Game before = w.game();
    QTest::mousePress(board(), Qt::MiddleButton, {}, QPoint(5, 20));
    EXPECT_EQ(w.game().board, before.board);
    EXPECT_EQ(w.game().previewValue, 0);
    EXPECT_EQ(w.game().messages[0].value, 0);
}

TEST_F(WindowMouseTest, TheOpenPanelTakesPressesOnTheBoardButNotOnTheStatusStrip)
{
    w->overlayPanel().setVisible(true);
    const Board before = w.game().board;
    pressAt(Qt::LeftButton, QPoint(450, 300)); // on the bare panel
    pressAt(Qt::LeftButton, QPoint(5, 20));    // on the list
    EXPECT_EQ(w.game().board, before);
    pressAt(Qt::RightButton, QPoint(550, 100));
    EXPECT_EQ(w.game().previewX, 550);
    EXPECT_EQ(w.game().previewY, 100);
}

} // namespace
} // namespace lumera

namespace lumera {
namespace {

// Under display scaling the client area gets positions with fractions; each
// acts on the pixel it lies in.
class FractionalPositions : public WindowMouseTest,
                            public ::testing::WithParamInterface<std::pair<QPointF, QPoint>> {
protected:
    void send(QEvent::Type type, Qt::MouseButton button, QPointF at)
    {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
        QMouseEvent event(type, at, board()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(board(), &event);
    }
};

TEST_P(FractionalPositions, ActOnThePixelTheyFallIn)
{
    w.game().board = Board::fromText("", 1);
    send(QEvent::MouseButtonPress, Qt::RightButton, GetParam().first);
    EXPECT_EQ(QPoint(w.game().previewX, w.game().previewY), GetParam().second);
    EXPECT_EQ(w.game().previewValue, 1024 * 1024);
}

INSTANTIATE_TEST_SUITE_P(Positions, FractionalPositions,
                         ::testing::Values(std::pair{QPointF(16.4, 7.6), QPoint(16, 7)},
                                           std::pair{QPointF(16.6, 7.4), QPoint(16, 7)},
                                           std::pair{QPointF(15.6, 15.5), QPoint(15, 15)},
                                           std::pair{QPointF(511.5, 511.5), QPoint(511, 511)},
                                           std::pair{QPointF(0.6, 0.4), QPoint(0, 0)}));

TEST_F(FractionalPositions, TheBoardsLastColumnAndTheWindowsLastPixelCount)
{
    w.game().board = Board::fromText("", 1);
    send(QEvent::MouseButtonPress, Qt::LeftButton, QPointF(511.5, 3.4));
    EXPECT_EQ(w.game().score, 1024 * 1024);

    send(QEvent::MouseButtonPress, Qt::RightButton, QPointF(100.2, 100.7));
    ASSERT_EQ(w.game().previewX, 100);
    send(QEvent::MouseButtonRelease, Qt::RightButton, QPointF(599.6, 511.6)); // still over the window
    EXPECT_EQ(w.game().previewX, 0);
}

} // namespace
} // namespace lumera
