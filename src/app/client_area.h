#pragma once

#include <QWidget>

#include "components.h"
#include "surface.h"

namespace lumera {

// The window's client area. It shows the last frame copied onto it (also
// when it is uncovered again) and passes the presses and releases that land
// on it, not on a visible child, to the window's handlers.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QWidget* parent);

    // Sets the inner size; what was shown stays in the top left corner.
    void setClientSize(int width, int height);
    // The window's own drawing surface: copies onto it show at once.
    Surface& surface() { return surface_; }
    // Shows what was drawn on the surface.
    void present();

    void setPressHandler(PressHandler handler) { onPress_ = std::move(handler); }
    void setReleaseHandler(PressHandler handler) { onRelease_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Surface surface_;
    PressHandler onPress_;
    PressHandler onRelease_;
};

} // namespace lumera
