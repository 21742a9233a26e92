// A window of the game's size that repaints a full 600 x 512 picture every
// 100 ms and does nothing else.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
public:
    BareWindow() : frame_(600, 512, QImage::Format_RGB32)
    {
        setFixedSize(600, 512);
        setAttribute(Qt::WA_OpaquePaintEvent);
        frame_.fill(Qt::darkCyan);
        connect(&timer_, &QTimer::timeout, this, [this] { update(); });
        timer_.start(100);
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, frame_); }

private:
    QImage frame_;
    QTimer timer_;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    BareWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    return QApplication::exec();
}
