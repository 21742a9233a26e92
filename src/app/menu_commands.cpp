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
    on(menu_.restartCommand, &MainWindow::restart);
    on(menu_.easyBoardCommand, &MainWindow::dealEasyBoard);
    on(menu_.mediumBoardCommand, &MainWindow::dealMediumBoard);
    on(menu_.hardBoardCommand, &MainWindow::dealHardBoard);
    on(menu_.veryHardBoardCommand, &MainWindow::dealVeryHardBoard);
    on(menu_.gridOffOption, &MainWindow::toggleGrid);
    on(menu_.bubblesOffOption, &MainWindow::toggleBubbles);
    on(menu_.picturesOffOption, &MainWindow::togglePictures);
    on(menu_.chooseMapCommand, &MainWindow::toggleMapChooser);
    on(menu_.historyCommand, &MainWindow::toggleHistory);
    on(menu_.smoothAnimationOffOption, &MainWindow::toggleSmoothAnimation);
    on(menu_.texturesOffOption, &MainWindow::toggleTextures);
    on(menu_.floatingMessagesOffOption, &MainWindow::toggleFloatingMessages);
    on(menu_.lightTexturesOption, &MainWindow::chooseLightTextures);
    on(menu_.darkTexturesOption, &MainWindow::chooseDarkTextures);
}

void MainWindow::restart()
{
    setPanelShown(false);
    loadGame();
}

void MainWindow::dealRandomBoard(std::int32_t colourCount)
{
    setPanelShown(false);
    clientArea_->keepShownPixels(); // the window goes on showing the last tick
    Surface& frame = frame_.surface();
    frame.setBrushColour(kBlack);
    frame.rectangle(0, 0, geometry::kFrame.width, geometry::kClearedBottom);
    game_.colourCount = colourCount;
    dealBoard(game_.board, game_.colourCount, game_.random);
    if (!menu_.picturesOffOption->isChecked()) loadBackgroundPicture();
}

void MainWindow::toggle(QAction* option)
{
    option->setChecked(!option->isChecked());
}

void MainWindow::toggleMapChooser()
{
    if (!historyShown_) setPanelShown(!panelShown_);
    setHistoryShown(false);
    if (!menu_.picturesOffOption->isChecked()) loadBackgroundPicture();
}

void MainWindow::toggleHistory()
{
    const bool historyWasShown = historyShown_;
    setPanelShown(!historyWasShown);
    setHistoryShown(!historyWasShown);
}

void MainWindow::chooseTextureSet(std::int32_t textureType)
{
    game_.textureType = textureType;
    // Removes the ten entries of the set in use, not whatever the list holds
    // as a restart does: after a set that failed to load part way fewer are
    // there, and the choice fails with the list's own error.
    for (int i = 0; i < 10; ++i) cellTextures_.remove(0);
    addTextureSet();
}

void MainWindow::saveSettings()
{
    LineBuffer settings;
    for (QAction* option : menu_.savedOptions()) settings.append(option->isChecked() ? "1" : "0");
    settings.append(formatInteger(game_.textureType));
    settings.save("data.ini");
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A settings file that cannot be written keeps the window open; the next
    // close tries again.
    bool saved = false;
    guarded([&] {
        saveSettings();
        saved = true;
    });
    if (saved) event->accept();
    else event->ignore();
}

} // namespace lumera
