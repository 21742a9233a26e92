#pragma once

#include <QWidget>

#include "error_display.h"

namespace lumera {

// The player's error box: caption "Лумера", the stop icon and one OK
// button. It is modal, so the window takes no input while it is open, and
// its own event loop keeps the game's timer ticking behind it.
class MessageBoxErrorDisplay : public ErrorDisplay {
public:
    explicit MessageBoxErrorDisplay(QWidget* owner = nullptr) : owner_(owner) {}
    void show(const std::string& text) override;

private:
    QWidget* owner_;
};

} // namespace lumera
