#pragma once

#include <functional>

#include "frame_geometry.h"
#include "tick.h"

namespace lumera::testing {

// What a tick runs on, as the game core holds it: the game, the options, the
// frame, the background picture and the texture list, for the tests that
// call the tick function directly with pictures and textures of their own.
struct TickTargets {
    Game game;
    Options options;
    Surface frame{geometry::kFrame.width, geometry::kFrame.height};
    Surface picture{geometry::kBackgroundPicture.width, geometry::kBackgroundPicture.height};
    ImageList textures;

    void tick() { runTick(game, options, FrameTargets{frame, picture, textures}); }

    // Ten one-colour 16 x 16 textures; `touch` may paint on each before it
    // is added (its index, its surface).
    void addFlatTextures(const std::function<Colour(int)>& colourOf,
                         const std::function<void(int, Surface&)>& touch = {})
    {
        for (int i = 0; i < 10; ++i) {
            Surface texture(16, 16, colourOf(i));
            if (touch) touch(i, texture);
            textures.add(texture, texture);
        }
    }
};

} // namespace lumera::testing
