#include "main_window.h"

#include <QLayout>
#include <algorithm>

#include "app_title.h"
#include "colour.h"
#include "cp1251.h"
#include "font_faces.h"
#include "game_icon.h"
#include "window_geometry.h"

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

QRect qRect(const geometry::Rect& r)
{
    return QRect(r.x, r.y, r.width, r.height);
}

void paint(QWidget* widget, QPalette::ColorRole role, Colour colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::All, role, qColour(colour));
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(GameCore& core, ErrorDisplay& errors) : core_(core), errors_(errors)
{
    setWindowTitle(applicationTitle());
    setWindowIcon(windowIcon32());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(pixelFont("MS Serif", 11));
    move(geometry::kDesignPosition.x, geometry::kDesignPosition.y);

    menu_.build(menuBar());
    clientArea_ = new ClientArea(this);
    setCentralWidget(clientArea_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setClientSize(geometry::kDesignClient.width, geometry::kDesignClient.height);
    clientArea_->setPressHandler(
        [this](Qt::MouseButton b, int x, int y) { guarded([&] { pressOnClientArea(b, x, y); }); });
    clientArea_->setReleaseHandler(
        [this](Qt::MouseButton b, int x, int y) { guarded([&] { releaseOnClientArea(b, x, y); }); });

    buildComponents();
    connectMenu();

    core_.setFrameView(clientArea_);
    core_.clock().setHandler([this] { guarded([this] { runWindowTick(); }); });
    core_.clock().start();
}

MainWindow::~MainWindow()
{
    core_.clock().stop();
    core_.clock().setHandler({});
    core_.setFrameView(nullptr);
}

void MainWindow::buildComponents()
{
    overlayPanel_ = new Panel(clientArea_);
    overlayPanel_->setGeometry(qRect(geometry::kDesignOverlayPanel));
    overlayPanel_->setAutoFillBackground(true);
    paint(overlayPanel_, QPalette::Window, kSkyBlue);
    overlayPanel_->hide();

    mapPreview_ = new PictureView(overlayPanel_, core_.mapPreview());
    mapPreview_->setGeometry(qRect(geometry::kDesignMapPreview));
    mapPreview_->setPressHandler([this](Qt::MouseButton, int, int) { guarded([this] { loadPreviewedMap(); }); });

    previewCaption_ = new QLabel(QStringLiteral("Для пpодолжения нажмите на изображение"), overlayPanel_);
    previewCaption_->setGeometry(qRect(geometry::kDesignPreviewCaption));
    previewCaption_->setTextFormat(Qt::PlainText);
    previewCaption_->setWordWrap(true);
    previewCaption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewCaption_->setFont(pixelFont("MS Serif", 11));
    // The caption was made for a narrow face: in the faces this machine has
    // it needs a third line, so the label grows downward just enough.
    const int captionWidth = previewCaption_->width();
    previewCaption_->resize(captionWidth,
                            std::max(previewCaption_->height(), previewCaption_->heightForWidth(captionWidth)));
    paint(previewCaption_, QPalette::WindowText, kDesktopColour);

    mapList_ = new MapListBox(overlayPanel_, core_.mapNames());
    mapList_->setGeometry(qRect(geometry::kDesignMapList));
    mapList_->setPressHandler([this](Qt::MouseButton, int, int) { guarded([this] { previewSelectedMap(); }); });
    mapList_->setFrameShape(QFrame::Box);
    mapList_->setFrameShadow(QFrame::Plain);
    mapList_->setLineWidth(1);
    mapList_->setFont(pixelFont("Book Antiqua", 11, false, true));
    paint(mapList_, QPalette::Base, kSkyBlue);
    paint(mapList_, QPalette::Text, rgb(255, 0, 0));

    historyView_ = new QPlainTextEdit(overlayPanel_);
    historyView_->setGeometry(qRect(geometry::kDesignHistoryView));
    historyView_->setReadOnly(true);
    historyView_->setEnabled(false);
    historyView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    historyView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    historyView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    historyView_->setFont(pixelFont("Comic Sans MS", 11, true));
    paint(historyView_, QPalette::Base, kInfoBackgroundColour);
    paint(historyView_, QPalette::Text, kBlack);
    historyView_->hide();
}

void MainWindow::showCore()
{
    if (core_.historyReads() != historyReadsShown_) {
        historyReadsShown_ = core_.historyReads();
        historyView_->setPlainText(QString::fromStdString(cp1251ToUtf8(core_.history().text())));
    }
    mapList_->showAddedNames();
    mapPreview_->update();
    for (const auto& [item, option] : menu_.optionItems()) item->setChecked(core_.settings().options.*option);
    menu_.picturesOffOption->setEnabled(core_.picturesAvailable());
    if (core_.laidOut() && !laidOutForGame_) layOutForGame();
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
    using namespace geometry;
    laidOutForGame_ = true;
    setClientSize(kGameClient.width, kGameClient.height);
    overlayPanel_->resize(kOverlayPanel.width, kOverlayPanel.height);
    historyView_->setGeometry(qRect(kHistoryView));
    overlayPanel_->move(kOverlayPanel.x, kOverlayPanel.y);
    mapList_->move(kMapList.x, kMapList.y);
    mapPreview_->setGeometry(kMapPreviewLeft, mapPreview_->y(), kMapPreview.width, kMapPreview.height);
    mapList_->resize(kMapList.width, kMapList.height);
    previewCaption_->move(kPreviewCaption.x, kPreviewCaption.y);
}

} // namespace lumera
