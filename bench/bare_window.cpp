// A window of the game's size that shows a 600 x 512 picture and does
// nothing else: with --repainting it repaints it every 100 ms, with --still
// (the default) only when the window system asks.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
public:
    explicit BareWindow(bool repainting) : frame_(600, 512, QImage::Format_RGB32)
    {
        setFixedSize(600, 512);
        setAttribute(Qt::WA_OpaquePaintEvent);
        frame_.fill(Qt::darkCyan);
        connect(&timer_, &QTimer::timeout, this, [this] { update(); });
        if (repainting) timer_.start(100);
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
    BareWindow window(QApplication::arguments().contains(QStringLiteral("--repainting")));
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    return QApplication::exec();
}
