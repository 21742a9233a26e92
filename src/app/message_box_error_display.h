#pragma once

#include <QMessageBox>
#include <QWidget>
#include <memory>

#include "error_display.h"

namespace lumera {

// The player's error box: caption "Лумера", the stop icon, one OK button and
// the message as plain text. Messages quote what the player's files hold
// (a settings line, a map name), so the text is never read as markup: a
// line like <img src=...> is shown as it stands and nothing is loaded.
std::unique_ptr<QMessageBox> makeErrorBox(const std::string& text, QWidget* owner = nullptr);

// Shows the box modally, so the window takes no input while it is open; its
// own event loop keeps the game's timer ticking behind it.
class MessageBoxErrorDisplay : public ErrorDisplay {
public:
    explicit MessageBoxErrorDisplay(QWidget* owner = nullptr) : owner_(owner) {}
    void show(const std::string& text) override;

private:
    QWidget* owner_;
};

// Builds the same box and lays it out and paints it off screen, without a
// modal loop: what the fuzz targets show their messages through, so text
// that the box would misread reaches the real label.
class LaidOutErrorDisplay : public ErrorDisplay {
public:
    void show(const std::string& text) override;
};

} // namespace lumera
