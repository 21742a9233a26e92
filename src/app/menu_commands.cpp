// The menu's commands, the close of the window that keeps the settings, and
// the wiring of both.
#include "main_window.h"

#include <QCloseEvent>

#include "deal.h"
#include "integer_text.h"

namespace lumera {

void MainWindow::connectMenu()
{
    const auto on = [this](QAction* item, void (MainWindow::*handler)()) {
        connect(item, &QAction::triggered, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    on(menu_.N1, &MainWindow::N1Click);
    on(menu_.N3, &MainWindow::N3Click);
    on(menu_.N4, &MainWindow::N4Click);
    on(menu_.N5, &MainWindow::N5Click);
    on(menu_.N6, &MainWindow::N6Click);
    on(menu_.N8, &MainWindow::N8Click);
    on(menu_.N9, &MainWindow::N9Click);
    on(menu_.N10, &MainWindow::N10Click);
    on(menu_.N12, &MainWindow::N12Click);
    on(menu_.N14, &MainWindow::N14Click);
    on(menu_.N15, &MainWindow::N15Click);
    on(menu_.N16, &MainWindow::N16Click);
    on(menu_.N17, &MainWindow::N17Click);
    on(menu_.N19, &MainWindow::N19Click);
    on(menu_.N20, &MainWindow::N20Click);
}

void MainWindow::N1Click()
{
    setPanelShown(false);
    FormCreate();
}

void MainWindow::newRandomBoard(std::int32_t colourCount)
{
    setPanelShown(false);
    clientArea_->keepShownPixels(); // the window goes on showing the last tick
    Surface& frame = bb_.surface();
    frame.setBrushColour(kBlack);
    frame.rectangle(0, 0, 600, 600);
    game_.colourCount = colourCount;
    DealBoard(game_.board, game_.colourCount, game_.random);
    if (!menu_.N10->isChecked()) loadBackgroundPicture();
}

void MainWindow::toggle(QAction* option)
{
    option->setChecked(!option->isChecked());
}

void MainWindow::N12Click()
{
    if (!historyShown_) setPanelShown(!panelShown_);
    setHistoryShown(false);
    if (!menu_.N10->isChecked()) loadBackgroundPicture();
}

void MainWindow::N14Click()
{
    const bool historyWasShown = historyShown_;
    setPanelShown(!historyWasShown);
    setHistoryShown(!historyWasShown);
}

void MainWindow::chooseTextureSet(std::int32_t textureType)
{
    game_.textureType = textureType;
    for (int i = 0; i < 10; ++i) texdr_.remove(0);
    addTextureSet();
}

void MainWindow::FormCloseQuery()
{
    M1_.clear();
    for (QAction* option : menu_.savedOptions())
        M1_.append(option->isChecked() ? "1" : "0");
    M1_.append(formatInteger(game_.textureType));
    M1_.save("data.ini");
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A settings file that cannot be written keeps the window open; the next
    // close tries again.
    bool saved = false;
    guarded([&] {
        FormCloseQuery();
        saved = true;
    });
    if (saved) event->accept();
    else event->ignore();
}

} // namespace lumera
