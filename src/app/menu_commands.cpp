// The menu's commands, the close of the window that keeps the settings, and
// the wiring of both.
#include "main_window.h"

#include <QCloseEvent>

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

void MainWindow::loadGame()
{
    thenShowCore([this] { core_.start(); });
}

void MainWindow::restart()
{
    setPanelShown(false);
    thenShowCore([this] { core_.restart(); });
}

void MainWindow::dealRandomBoard(Difficulty difficulty)
{
    setPanelShown(false);
    thenShowCore([&] { core_.dealRandom(difficulty); });
}

void MainWindow::toggle(bool Options::*option)
{
    thenShowCore([&] { core_.toggleOption(option); });
}

void MainWindow::chooseTextureSet(std::int32_t set)
{
    thenShowCore([&] { core_.chooseTextureSet(set); });
}

void MainWindow::toggleMapChooser()
{
    if (!historyShown_) setPanelShown(!panelShown_);
    setHistoryShown(false);
    thenShowCore([this] { core_.changeBackgroundPicture(); });
}

void MainWindow::toggleHistory()
{
    const bool historyWasShown = historyShown_;
    setPanelShown(!historyWasShown);
    setHistoryShown(!historyWasShown);
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
