#pragma once

#include <QWidget>

#include "components.h"
#include "frame_view.h"
#include "surface.h"

namespace lumera {

// The window's client area. It shows the last frame presented to it (also
// when it is uncovered again) and passes the presses and releases that land
// on it, not on a visible child, to the window's handlers.
//
// A frame that covers the area exactly is shown from its own pixels, not
// copied: copying 1.2 MB at every tick would cost as much as drawing it.
// So whoever draws on a presented frame before presenting it again must
// first call keepShownPixels(), which takes the copy only then.
class ClientArea : public QWidget, public FrameView {
public:
    explicit ClientArea(QWidget* parent);

    // Sets the inner size; what was shown stays in the top left corner.
    void setClientSize(int width, int height);
    // Shows the frame from its top left corner: its pixels replace the
    // shown ones where both lie.
    void present(const Surface& frame) override;
    // Makes what is shown independent of the presented frame's pixels.
    void keepShownPixels() override;
    // What a repaint draws, and a stamp that changes whenever it may have.
    const Surface& shown() const { return presented_ ? *presented_ : surface_; }
    std::uint64_t shownVersion() const override { return shown().version(); }

    void setPressHandler(PressHandler handler) { onPress_ = std::move(handler); }
    void setReleaseHandler(PressHandler handler) { onRelease_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface surface_; // what is shown while no frame is presented
    const Surface* presented_ = nullptr;
    PressHandler onPress_;
    PressHandler onRelease_;
};

} // namespace lumera
