#pragma once

#include <QFrame>
#include <QAbstractListModel>
#include <QListView>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The names of the map list, kept as the game's files hold them
// (Windows-1251) in one block of bytes, and shown as the Cyrillic they
// encode only when the list draws them: a list of millions of names costs
// little more than their bytes.
class MapNames : public QAbstractListModel {
public:
    static constexpr int kItemHeight = 16;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Adds `count` names, name k given by `nameAt(k)`, as one insertion.
    void addNames(std::int32_t count, const std::function<std::string(std::int32_t)>& nameAt);
    std::string_view bytesOf(int row) const;

private:
    std::string bytes_;
    std::vector<std::size_t> ends_; // where each name ends in bytes_
};

// The map list: items in the order added, at most one selected. A left
// press selects the item under the pointer before the handler runs; other
// buttons leave the selection alone and still run it.
class MapListBox : public QListView {
public:
    explicit MapListBox(QWidget* parent);
    void setPressHandler(PressHandler handler) { onPress_ = std::move(handler); }

    // Adds names as the game's files hold them (Windows-1251); they are
    // shown as the Cyrillic they encode and kept byte for byte.
    void addNames(std::int32_t count, const std::function<std::string(std::int32_t)>& nameAt);
    int count() const { return names_.rowCount(); }
    // The selected index, -1 while nothing is selected.
    int selectedIndex() const;
    void setSelectedIndex(int index);
    // Item k as shown, and as its bytes; "List index out of bounds (k)"
    // outside the items.
    QString itemText(int k) const;
    std::string itemBytes(int k) const;
    // Where item k lies in the list's viewport.
    QRect itemRect(int k) const { return visualRect(names_.index(k)); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void checkIndex(int k) const;

    MapNames names_;
    PressHandler onPress_;
};

} // namespace lumera
