#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "frame_geometry.h"
#include "frame_view.h"
#include "game.h"
#include "game_clock.h"
#include "game_files.h"
#include "image_list.h"
#include "line_buffer.h"
#include "map_names.h"
#include "picture_component.h"
#include "picture_loader.h"
#include "settings.h"
#include "tick_inputs.h"

namespace lumera {

// The random boards' difficulties, as the number of colours each deals.
enum class Difficulty : std::int32_t { easy = 3, medium = 4, hard = 5, veryHard = 6 };

// The game without its window: the game value, the settings, the frame, the
// background picture, the cell textures, the map chooser's names and
// preview, the history text and the tick clock, with the operations that
// start or change a game. Operations throw the game's errors; whoever calls
// them shows those and goes on. Runs headless: tests and benchmarks use it
// directly, and the window forwards its events to it and shows its frame.
class GameCore {
public:
    explicit GameCore(GameFiles files);
    GameCore(const GameCore&) = delete;
    GameCore& operator=(const GameCore&) = delete;

    // --- seams -------------------------------------------------------------
    // Where the start takes the random seed from: the clock unless set.
    void setSeedSource(std::function<std::uint32_t()> source) { seedSource_ = std::move(source); }
    // How the background picture is read from its file: loadPicture unless set.
    using PictureReader = std::function<Surface(const std::filesystem::path&)>;
    void setBackgroundPictureReader(PictureReader reader) { backgroundPictureReader_ = std::move(reader); }
    // A tick whose inputs are those of the last full tick, which changed
    // none of them, is left out whole (see TickSkipper). Off, every tick
    // runs in full: what the skipping is checked against.
    void setSkipUnchangedTicks(bool skip) { skipUnchangedTicks_ = skip; }
    // Where each full tick shows the frame; none by default.
    void setFrameView(FrameView* view) { view_ = view; }

    // --- starting a game ------------------------------------------------------
    // Reads history.txt, config.ini and data.ini, draws the background
    // picture, lays the game out, deals a random board with the colour
    // count in play and loads the textures. A failing step stops it there.
    void start();
    // A restart is a start: every file is read again.
    void restart() { start(); }
    // Clears the board and the panel to black, deals a board of that many
    // colours and draws a new background picture.
    void dealRandom(Difficulty difficulty) { dealRandom(static_cast<std::int32_t>(difficulty)); }
    void dealRandom(std::int32_t colourCount);
    // Map `index` of the chooser's names drawn on the preview, or loaded
    // onto the board; both reset the score first.
    void previewMap(int index);
    void loadMap(int index);

    // --- play --------------------------------------------------------------
    // Presses at a pixel of the frame: the left button removes the group
    // there and floats its size up from the pixel; the right button shows
    // the points it would bring; a release clears them.
    void leftPress(std::int32_t x, std::int32_t y);
    void rightPress(std::int32_t x, std::int32_t y);
    void release();
    // One 100 ms tick: settles and draws the board, the messages and the
    // panel on the frame and shows it, unless nothing it reads has changed;
    // then the clock sleeps until something wakes it.
    void tick();

    // --- settings --------------------------------------------------------------
    void toggleOption(bool Options::*option);
    // Replaces the ten textures in use by the set's.
    void chooseTextureSet(std::int32_t set);
    // A new background picture from the pictures, unless pictures are off.
    void changeBackgroundPicture();
    void saveSettings() const;

    // --- what the window shows --------------------------------------------------
    const Game& game() const { return game_; }
    // For tests and benchmarks that set up a position.
    Game& game() { return game_; }
    const Settings& settings() const { return settings_; }
    // False once the start found no picture it could read; pictures stay
    // off for good then.
    bool picturesAvailable() const { return picturesAvailable_; }
    // Whether a start got as far as laying the game out.
    bool laidOut() const { return laidOut_; }
    const MapNames& mapNames() const { return mapNames_; }
    // history.txt as last read (Windows-1251), and a count of its reads.
    const LineBuffer& history() const { return history_; }
    std::uint64_t historyReads() const { return historyReads_; }
    PictureComponent& frame() { return frame_; }
    PictureComponent& backgroundPicture() { return backgroundPicture_; }
    PictureComponent& mapPreview() { return mapPreview_; }
    const ImageList& textures() const { return textures_; }
    GameClock& clock() { return clock_; }

private:
    void readMapNames(const LineBuffer& config);
    void seed();
    void loadBackgroundPicture();
    void layOut();
    void loadTextures();
    void addTextureSet();
    LineBuffer readMap(int index) const;
    TickOutputs tickOutputs();

    GameFiles files_;
    Game game_;
    Settings settings_;
    bool picturesAvailable_ = true;
    bool laidOut_ = false;
    MapNames mapNames_;
    LineBuffer history_;
    std::uint64_t historyReads_ = 0;
    PictureComponent frame_{geometry::kDesignPicture.width, geometry::kDesignPicture.height};
    PictureComponent backgroundPicture_{geometry::kDesignPicture.width, geometry::kDesignPicture.height};
    PictureComponent mapPreview_{geometry::kDesignPicture.width, geometry::kDesignPicture.height};
    ImageList textures_;
    TickSkipper tickSkipper_;
    bool skipUnchangedTicks_ = true;
    FrameView* view_ = nullptr;
    std::function<std::uint32_t()> seedSource_;
    PictureReader backgroundPictureReader_ = loadPicture;
    GameClock clock_;
};

} // namespace lumera
