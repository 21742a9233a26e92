#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <cstdint>

#include "client_area.h"
#include "components.h"
#include "error_display.h"
#include "game_core.h"
#include "main_menu.h"

namespace lumera {

// The game's one window: a view of the game core. It forwards the player's
// presses and commands to the core's operations, shows the core's frame,
// names, history and settings, and keeps only what is its own: its
// components and which of them are shown. Each handler runs inside the
// guard that shows any error in the error box and lets the game go on.
class MainWindow : public QMainWindow {
public:
    MainWindow(GameCore& core, ErrorDisplay& errors);
    ~MainWindow() override;

    // Starts the game once the window exists, before it is shown; an error
    // shows in the error box and leaves the window as far as it came.
    void start() { guarded([this] { loadGame(); }); }

    // --- handlers -------------------------------------------------------
    // Each hands the player's action to the core and then shows the core as
    // the action left it, also when it failed part way.
    void loadGame();
    void runWindowTick();
    void pressOnClientArea(Qt::MouseButton button, int x, int y);
    void releaseOnClientArea(Qt::MouseButton button, int x, int y);
    void saveSettings() { core_.saveSettings(); }
    void restart();
    void dealEasyBoard() { dealRandomBoard(Difficulty::easy); }
    void dealMediumBoard() { dealRandomBoard(Difficulty::medium); }
    void dealHardBoard() { dealRandomBoard(Difficulty::hard); }
    void dealVeryHardBoard() { dealRandomBoard(Difficulty::veryHard); }
    void toggleGrid() { toggle(&Options::gridOff); }
    void toggleBubbles() { toggle(&Options::bubblesOff); }
    void togglePictures() { toggle(&Options::picturesOff); }
    void toggleMapChooser();
    void toggleHistory();
    void toggleSmoothAnimation() { toggle(&Options::blink); }
    void toggleTextures() { toggle(&Options::flatCells); }
    void toggleFloatingMessages() { toggle(&Options::messagesOff); }
    void chooseLightTextures() { chooseTextureSet(kLightTextures); }
    void chooseDarkTextures() { chooseTextureSet(kDarkTextures); }
    void previewSelectedMap();
    void loadPreviewedMap();

    // --- the window's components, for whoever drives it -------------------
    const MainMenu& menu() const { return menu_; }
    QSize clientSize() const { return clientArea_->size(); }
    ClientArea& clientArea() { return *clientArea_; }
    PictureView& mapPreview() { return *mapPreview_; }
    MapListBox& mapList() { return *mapList_; }
    QPlainTextEdit& historyView() { return *historyView_; }
    QLabel& previewCaption() { return *previewCaption_; }
    Panel& overlayPanel() { return *overlayPanel_; }
    // The Visible flags as the handlers set them (a hidden parent hides
    // what it holds whatever their own flag says).
    bool panelShown() const { return panelShown_; }
    bool historyShown() const { return historyShown_; }
    bool labelShown() const { return labelShown_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Whatever a handler does may change what the tick reads, so it wakes
    // the clock first.
    template <typename Handler>
    void guarded(Handler&& handler)
    {
        core_.clock().wake();
        runGuarded(errors_, std::forward<Handler>(handler));
    }

    // Runs an action on the core, then shows the core as the action left
    // it, whether it ran to its end or failed part way: before any error
    // reaches the error box, the window shows what the core holds.
    template <typename Action>
    void thenShowCore(Action&& action)
    {
        try {
            std::forward<Action>(action)();
        } catch (...) {
            showCore();
            throw;
        }
        showCore();
    }

    void buildComponents();
    void showCore();
    void layOutForGame();
    void setClientSize(int width, int height);
    static void setShown(bool& flag, QWidget* component, bool shown);
    void setPanelShown(bool shown) { setShown(panelShown_, overlayPanel_, shown); }
    void setHistoryShown(bool shown) { setShown(historyShown_, historyView_, shown); }
    void setLabelShown(bool shown) { setShown(labelShown_, previewCaption_, shown); }

    void connectMenu();
    void dealRandomBoard(Difficulty difficulty);
    void toggle(bool Options::*option);
    void chooseTextureSet(std::int32_t set);
    void refreshMenu();

    GameCore& core_;
    ErrorDisplay& errors_;
    MainMenu menu_;
    ClientArea* clientArea_ = nullptr;
    Panel* overlayPanel_ = nullptr;
    PictureView* mapPreview_ = nullptr;
    QLabel* previewCaption_ = nullptr;
    MapListBox* mapList_ = nullptr;
    QPlainTextEdit* historyView_ = nullptr;
    bool panelShown_ = false;
    bool historyShown_ = false;
    bool labelShown_ = true;
    bool laidOutForGame_ = false;
    std::uint64_t historyReadsShown_ = 0;
};

} // namespace lumera
