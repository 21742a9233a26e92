#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "client_area.h"
#include "components.h"
#include "error_display.h"
#include "game.h"
#include "image_list.h"
#include "line_buffer.h"
#include "main_menu.h"
#include "options.h"
#include "picture_component.h"
#include "tick_inputs.h"

namespace lumera {

// The game's one window, with every component it is made of. Each of its
// handlers runs inside the guard that shows any error in the error box and
// lets the game go on.
class MainWindow : public QMainWindow {
public:
    static constexpr QPoint kDesignPosition{222, 66};
    static constexpr QSize kDesignClientSize{496, 372};
    static constexpr QSize kGameClientSize{600, 512};

    explicit MainWindow(ErrorDisplay& errors);

    // What the window system does once the window exists, before it is shown.
    void create() { guarded([this] { FormCreate(); }); }

    // --- handlers -------------------------------------------------------
    void FormCreate();
    void Timer1Timer();
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseUp(Qt::MouseButton button, int x, int y);
    void FormCloseQuery();
    void N1Click();
    void N3Click() { newRandomBoard(3); }
    void N4Click() { newRandomBoard(4); }
    void N5Click() { newRandomBoard(5); }
    void N6Click() { newRandomBoard(6); }
    void N8Click() { toggle(menu_.N8); }
    void N9Click() { toggle(menu_.N9); }
    void N10Click() { toggle(menu_.N10); }
    void N12Click();
    void N14Click();
    void N15Click() { toggle(menu_.N15); }
    void N16Click() { toggle(menu_.N16); }
    void N17Click() { toggle(menu_.N17); }
    void N19Click() { chooseTextureSet(2); }
    void N20Click() { chooseTextureSet(1); }
    void LB1MouseDown();
    void sh1MouseDown();

    // A tick whose inputs are those of the last full tick, which changed
    // none of them, is left out whole (see TickSkipper). Off, every tick
    // runs in full: what the skipping is checked against.
    void setSkipUnchangedTicks(bool skip) { skipUnchangedTicks_ = skip; }
    // Where the start-up takes the random seed from: the clock unless set.
    void setSeedSource(std::function<std::uint32_t()> source) { seedSource_ = std::move(source); }

    // --- what tests and the tick look at ---------------------------------
    Game& game() { return game_; }
    const MainMenu& menu() const { return menu_; }
    Options options() const;
    QSize clientSize() const { return clientArea_->size(); }
    ClientArea& clientArea() { return *clientArea_; }
    PictureComponent& bb() { return bb_; }
    PictureComponent& pic() { return pic_; }
    PictureComponent& sh1() { return sh1Picture_; }
    PictureView& sh1View() { return *sh1_; }
    const ImageList& texdr() const { return texdr_; }
    MapListBox& LB1() { return *LB1_; }
    QPlainTextEdit& His() { return *His_; }
    QLabel& L1() { return *L1_; }
    Panel& P1() { return *P1_; }
    QTimer& Timer1() { return timer_; }
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
    void setPanelShown(bool shown) { setShown(panelShown_, P1_, shown); }
    void setHistoryShown(bool shown) { setShown(historyShown_, His_, shown); }
    void setLabelShown(bool shown) { setShown(labelShown_, L1_, shown); }

    void connectMenu();
    void newRandomBoard(std::int32_t colourCount);
    void toggle(QAction* option);
    void chooseTextureSet(std::int32_t textureType);
    void loadMapFile();

    void loadBackgroundPicture();
    void loadTextures();
    void addTextureSet();
    void readMapList();
    void readOptions();
    void refreshMenu();
    void showFrame();
    TickOutputs tickOutputs();

    ErrorDisplay& errors_;
    Game game_;
    MainMenu menu_;
    ClientArea* clientArea_ = nullptr;

    PictureComponent bb_{105, 105};
    PictureComponent I1_{105, 105};
    PictureComponent pic_{105, 105};
    PictureComponent lp_{16, 16};
    PictureComponent sh1Picture_{105, 105};
    LineBuffer M1_;
    ImageList texdr_;
    QTimer timer_;

    QLabel* L2_ = nullptr;
    Panel* P1_ = nullptr;
    PictureView* sh1_ = nullptr;
    QLabel* L1_ = nullptr;
    MapListBox* LB1_ = nullptr;
    QPlainTextEdit* His_ = nullptr;
    TickSkipper tickSkipper_;
    bool skipUnchangedTicks_ = true;
    std::function<std::uint32_t()> seedSource_;
    bool panelShown_ = false;
    bool historyShown_ = false;
    bool labelShown_ = true;
};

} // namespace lumera
