#pragma once

#include <cstdint>

#include "surface.h"

namespace lumera {

// Where the core's frame is shown: the window's client area, or nothing
// when the game runs headless.
class FrameView {
public:
    virtual ~FrameView() = default;
    // Shows the frame; the view may go on reading its pixels until the next
    // present or keepShownPixels.
    virtual void present(const Surface& frame) = 0;
    // Whoever draws on a presented frame outside a tick calls this first, so
    // the view goes on showing the last tick.
    virtual void keepShownPixels() = 0;
    // Changes whenever what the view shows may have.
    virtual std::uint64_t shownVersion() const = 0;
};

} // namespace lumera
