#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game_core.h"
#include "game_folder.h"

namespace lumera {
class MainWindow;
}

namespace lumera::testing {

// The real window on a game folder, made as the game makes it (its core on
// the folder's files, the start under the guard) but with its errors
// recorded and its clock stopped, so a test ticks it by hand.
class WindowOnFolder {
public:
    explicit WindowOnFolder(const GameFolder& folder, bool start = true);
    ~WindowOnFolder();
    MainWindow& window() { return *window_; }
    MainWindow* operator->() { return window_.get(); }
    GameCore& core() { return core_; }
    Game& game() { return core_.game(); }
    std::vector<std::string>& errors();

private:
    struct Errors;
    std::unique_ptr<Errors> errors_;
    GameCore core_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace lumera::testing
