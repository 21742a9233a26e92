#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>

#include "client_area.h"
#include "components.h"
#include "error_display.h"
#include "game.h"
#include "geometry.h"
#include "image_list.h"
#include "line_buffer.h"
#include "main_menu.h"
#include "options.h"
#include "picture_component.h"
#include "picture_loader.h"
#include "tick_inputs.h"

namespace lumera {

// The game's one window, with every component it is made of. Each of its
// handlers runs inside the guard that shows any error in the error box and
// lets the game go on.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(ErrorDisplay& errors);

    // Loads the game once the window exists, before it is shown; an error
    // shows in the error box and leaves the window as far as it came.
    void start() { guarded([this] { loadGame(); }); }

    // --- handlers -------------------------------------------------------
    void loadGame();
    void runWindowTick();
    void pressOnClientArea(Qt::MouseButton button, int x, int y);
    void releaseOnClientArea(Qt::MouseButton button, int x, int y);
    void saveSettings();
    void restart();
    void dealEasyBoard() { dealRandomBoard(3); }
    void dealMediumBoard() { dealRandomBoard(4); }
    void dealHardBoard() { dealRandomBoard(5); }
    void dealVeryHardBoard() { dealRandomBoard(6); }
    void toggleGrid() { toggle(menu_.gridOffOption); }
    void toggleBubbles() { toggle(menu_.bubblesOffOption); }
    void togglePictures() { toggle(menu_.picturesOffOption); }
    void toggleMapChooser();
    void toggleHistory();
    void toggleSmoothAnimation() { toggle(menu_.smoothAnimationOffOption); }
    void toggleTextures() { toggle(menu_.texturesOffOption); }
    void toggleFloatingMessages() { toggle(menu_.floatingMessagesOffOption); }
    void chooseLightTextures() { chooseTextureSet(2); }
    void chooseDarkTextures() { chooseTextureSet(1); }
    void previewSelectedMap();
    void loadPreviewedMap();

    // A tick whose inputs are those of the last full tick, which changed
    // none of them, is left out whole (see TickSkipper). Off, every tick
    // runs in full: what the skipping is checked against.
    void setSkipUnchangedTicks(bool skip) { skipUnchangedTicks_ = skip; }
    // Where the start-up takes the random seed from: the clock unless set.
    void setSeedSource(std::function<std::uint32_t()> source) { seedSource_ = std::move(source); }
    // How the background picture is read from its file: loadPicture unless set.
    using PictureReader = std::function<Surface(const std::filesystem::path&)>;
    void setBackgroundPictureReader(PictureReader reader) { backgroundPictureReader_ = std::move(reader); }

    // --- what tests and the tick look at ---------------------------------
    Game& game() { return game_; }
    const MainMenu& menu() const { return menu_; }
    Options options() const;
    QSize clientSize() const { return clientArea_->size(); }
    ClientArea& clientArea() { return *clientArea_; }
    PictureComponent& frame() { return frame_; }
    PictureComponent& backgroundPicture() { return backgroundPicture_; }
    PictureComponent& mapPreviewPicture() { return mapPreviewPicture_; }
    PictureView& mapPreview() { return *mapPreview_; }
    const ImageList& cellTextures() const { return cellTextures_; }
    MapListBox& mapList() { return *mapList_; }
    QPlainTextEdit& historyView() { return *historyView_; }
    QLabel& previewCaption() { return *previewCaption_; }
    Panel& overlayPanel() { return *overlayPanel_; }
    QTimer& tickTimer() { return timer_; }
    // The Visible flags as the handlers set them (a hidden parent hides
    // what it holds whatever their own flag says).
    bool panelShown() const { return panelShown_; }
    bool historyShown() const { return historyShown_; }
    bool labelShown() const { return labelShown_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename Handler>
    void guarded(Handler&& handler)
    {
        runGuarded(errors_, std::forward<Handler>(handler));
    }

    void buildComponents();
    void layOutForGame();
    void setClientSize(int width, int height);
    static void setShown(bool& flag, QWidget* component, bool shown);
    void setPanelShown(bool shown) { setShown(panelShown_, overlayPanel_, shown); }
    void setHistoryShown(bool shown) { setShown(historyShown_, historyView_, shown); }
    void setLabelShown(bool shown) { setShown(labelShown_, previewCaption_, shown); }

    void connectMenu();
    void dealRandomBoard(std::int32_t colourCount);
    void toggle(QAction* option);
    void chooseTextureSet(std::int32_t textureType);
    LineBuffer loadSelectedMap();

    void loadBackgroundPicture();
    void loadTextures();
    void addTextureSet();
    void readMapList(const LineBuffer& config);
    void readOptions(const LineBuffer& settings);
    void refreshMenu();
    void showFrame();
    TickOutputs tickOutputs();

    ErrorDisplay& errors_;
    Game game_;
    MainMenu menu_;
    ClientArea* clientArea_ = nullptr;

    PictureComponent frame_{geometry::kDesignPicture.width, geometry::kDesignPicture.height};
    PictureComponent backgroundPicture_{geometry::kDesignPicture.width, geometry::kDesignPicture.height};
    PictureComponent mapPreviewPicture_{geometry::kDesignPicture.width, geometry::kDesignPicture.height};
    ImageList cellTextures_;
    QTimer timer_;

    Panel* overlayPanel_ = nullptr;
    PictureView* mapPreview_ = nullptr;
    QLabel* previewCaption_ = nullptr;
    MapListBox* mapList_ = nullptr;
    QPlainTextEdit* historyView_ = nullptr;
    TickSkipper tickSkipper_;
    bool skipUnchangedTicks_ = true;
    std::function<std::uint32_t()> seedSource_;
    PictureReader backgroundPictureReader_ = loadPicture;
    bool panelShown_ = false;
    bool historyShown_ = false;
    bool labelShown_ = true;
};

} // namespace lumera
