#pragma once

#include "image_list.h"
#include "surface.h"

namespace lumera {

// What a tick draws with: the frame, the background picture's surface and
// the ten cell textures.
struct FrameTargets {
    Surface& frame;
    Surface& picture;
    const ImageList& textures;
};

} // namespace lumera
