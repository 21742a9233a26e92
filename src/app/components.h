#pragma once

#include <QFrame>
#include <QListWidget>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "picture_component.h"

namespace lumera {

using PressHandler = std::function<void(Qt::MouseButton, int x, int y)>;

// The pixel a pointer position falls in. Under display scaling positions
// come with fractions; the pixel is the one they lie inside, so they are
// truncated toward it, never rounded to a neighbour.
QPoint pixelUnder(const QPointF& position);

// A panel that takes the presses on its own area: they never fall through
// to the board beneath it.
class Panel : public QFrame {
public:
    explicit Panel(QWidget* parent) : QFrame(parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// A visible picture component: shows its picture unscaled at its top left
// corner, clipped to its size, and reports presses.
class PictureView : public QWidget {
public:
    PictureView(QWidget* parent, PictureComponent& picture);
    void setPressHandler(PressHandler handler) { onPress_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    PictureComponent& picture_;
    PressHandler onPress_;
};

// The map list: items in the order added, at most one selected. A left
// press selects the item under the pointer before the handler runs; other
// buttons leave the selection alone and still run it.
class MapListBox : public QListWidget {
public:
    static constexpr int kItemHeight = 16;

    explicit MapListBox(QWidget* parent);
    void setPressHandler(PressHandler handler) { onPress_ = std::move(handler); }

    // Adds a name as the game's files hold it (Windows-1251); it is shown as
    // the Cyrillic it encodes and kept byte for byte.
    void addName(const std::string& cp1251Name);
    // The selected index, -1 while nothing is selected.
    int selectedIndex() const;
    void setSelectedIndex(int index);
    // Item k as shown, and as its bytes; "List index out of bounds (k)"
    // outside the items.
    QString itemText(int k) const;
    std::string itemBytes(int k) const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    PressHandler onPress_;
};

} // namespace lumera
