#pragma once

#include "colour.h"
#include "game_core.h"
#include "temp_folder.h"

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
    GameFiles files() const { return GameFiles{path()}; }
};

} // namespace lumera::testing
