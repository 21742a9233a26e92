#include "main_window.h"

#include <QLayout>
#include <algorithm>

#include "app_title.h"
#include "colour.h"
#include "font_faces.h"
#include "window_icon.h"

namespace lumera {
namespace {

QColor qColour(Colour colour)
{
    const Colour c = resolvedColour(colour);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont pixelFont(const char* face, int pixels, bool bold = false, bool italic = false)
{
    QFont font = gameFont(QString::fromUtf8(face), pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void paint(QWidget* widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, role, qColour(colour));
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(ErrorDisplay& errors) : errors_(errors)
{
    setWindowTitle(applicationTitle());
    setWindowIcon(windowIcon32());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixelFont("MS Serif", 11));
    move(kDesignPosition);

    menu_.build(menuBar());
    clientArea_ = new ClientArea(this);
    setCentralWidget(clientArea_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setClientSize(kDesignClientSize.width(), kDesignClientSize.height());
    clientArea_->setPressHandler([this](Qt::MouseButton b, int x, int y) { guarded([&] { FormMouseDown(b, x, y); }); });
    clientArea_->setReleaseHandler([this](Qt::MouseButton b, int x, int y) { guarded([&] { FormMouseUp(b, x, y); }); });

    buildComponents();
    connectMenu();

    timer_.setInterval(100);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });
    timer_.start();
}

void MainWindow::buildComponents()
{
    L2_ = new QLabel(QStringLiteral("0"), clientArea_);
    L2_->setTextFormat(Qt::PlainText);
    L2_->setGeometry(152, 32, 5, 11);
    L2_->hide();

    P1_ = new Panel(clientArea_);
    P1_->setGeometry(24, 152, 177, 129);
    P1_->setAutoFillBackground(true);
    paint(P1_, QPalette::Window, kSkyBlue);
    P1_->hide();

    sh1_ = new PictureView(P1_, sh1Picture_);
    sh1_->setGeometry(0, 0, 105, 105);
    sh1_->setPressHandler([this](Qt::MouseButton, int, int) { guarded([this] { sh1MouseDown(); }); });

    L1_ = new QLabel(QStringLiteral("Для пpодолжения нажмите на изображение"), P1_);
    L1_->setGeometry(16, 104, 111, 22);
    L1_->setTextFormat(Qt::PlainText);
    L1_->setWordWrap(true);
    L1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    L1_->setFont(pixelFont("MS Serif", 11));
    // The caption was made for a narrow face: in the faces this machine has
    // it needs a third line, so the label grows downward just enough.
    L1_->resize(L1_->width(), std::max(L1_->height(), L1_->heightForWidth(L1_->width())));
    paint(L1_, QPalette::WindowText, kDesktopColour);

    LB1_ = new MapListBox(P1_);
    LB1_->setGeometry(48, 0, 105, 97);
    LB1_->setPressHandler([this](Qt::MouseButton, int, int) { guarded([this] { LB1MouseDown(); }); });
    LB1_->setFrameShape(QFrame::Box);
    LB1_->setFrameShadow(QFrame::Plain);
    LB1_->setLineWidth(1);
    LB1_->setFont(pixelFont("Book Antiqua", 11, false, true));
    paint(LB1_, QPalette::Base, kSkyBlue);
    paint(LB1_, QPalette::Text, rgb(255, 0, 0));

    His_ = new QPlainTextEdit(P1_);
    His_->setGeometry(-8, 0, 185, 89);
    His_->setReadOnly(true);
    His_->setEnabled(false);
    His_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    His_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    His_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    His_->setFont(pixelFont("Comic Sans MS", 11, true));
    paint(His_, QPalette::Base, kInfoBackgroundColour);
    paint(His_, QPalette::Text, kBlack);
    His_->hide();
}

Options MainWindow::options() const
{
    return Options{menu_.N8->isChecked(),  menu_.N9->isChecked(),  menu_.N10->isChecked(),
                   menu_.N15->isChecked(), menu_.N16->isChecked(), menu_.N17->isChecked()};
}

void MainWindow::setClientSize(int width, int height)
{
    clientArea_->setClientSize(width, height);
}

// A component's own Visible flag; setting the value it holds changes nothing.
void MainWindow::setShown(bool& flag, QWidget* component, bool shown)
{
    if (shown == flag) return;
    flag = shown;
    component->setVisible(shown);
}

void MainWindow::layOutForGame()
{
    setClientSize(kGameClientSize.width(), kGameClientSize.height());
    bb_.setSize(600, 512);
    I1_.setSize(512, 512);
    pic_.setSize(512, 512);
    P1_->resize(512, 512);
    His_->setGeometry(0, 0, 512, 512);
    P1_->move(0, 0);
    LB1_->move(0, 0);
    sh1_->setGeometry(384, sh1_->y(), 128, 128);
    sh1Picture_.setSize(128, 128);
    LB1_->resize(384, 512);
    L1_->move(384, 128);
}

} // namespace lumera
