#pragma once

#include <memory>
#include <string>
#include <vector>

#include "colour.h"
#include "temp_folder.h"
#include "working_folder.h"

namespace lumera {
class MainWindow;
}

namespace lumera::testing {

// The colour of texture i of a fixture set: a distinct flat colour per code,
// set 2 a little lighter than set 1, never white.
Colour fixtureTextureColour(int type, int i);
// The colour of fixture background picture n.
Colour fixturePictureColour(int n);

// A small but complete working folder: history.txt, config.ini with two
// pictures and two map names, data.ini all off with the dark set, two
// 512 x 512 one-colour pictures and both texture sets.
class GameFolder : public TempFolder {
public:
    GameFolder();
};

// The real window on a game folder, made as the game makes it (loadGame
// under the guard) but with its errors recorded and its timer stopped, so a
// test ticks it by hand.
class WindowOnFolder {
public:
    explicit WindowOnFolder(const GameFolder& folder, bool start = true);
    ~WindowOnFolder();
    MainWindow& window() { return *window_; }
    MainWindow* operator->() { return window_.get(); }
    std::vector<std::string>& errors();

private:
    struct Errors;
    WorkingFolder inside_;
    std::unique_ptr<Errors> errors_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace lumera::testing
