#pragma once

#include <QFrame>
#include <QAbstractListModel>
#include <QListView>
#include <QString>
#include <QWidget>
#include <functional>

#include "map_names.h"
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

// The map list's rows over the core's names, each shown as the Cyrillic
// its Windows-1251 bytes encode only when the list draws it.
class MapListModel : public QAbstractListModel {
public:
    static constexpr int kItemHeight = 16;

    explicit MapListModel(const MapNames& names) : names_(names) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Takes in the names added since the last call, as one insertion.
    void showAddedNames();

private:
    const MapNames& names_;
    int shown_ = 0;
};

// The map list: items in the order added, at most one selected. A left
// press selects the item under the pointer before the handler runs; other
// buttons leave the selection alone and still run it.
class MapListBox : public QListView {
public:
    MapListBox(QWidget* parent, const MapNames& names);
    void setPressHandler(PressHandler handler) { onPress_ = std::move(handler); }

    // Shows the names added to the core's list since the last call.
    void showAddedNames() { model_.showAddedNames(); }
    int count() const { return model_.rowCount(); }
    // The selected index, -1 while nothing is selected.
    int selectedIndex() const;
    void setSelectedIndex(int index);
    // Item k as shown; "List index out of bounds (k)" outside the items.
    QString itemText(int k) const;
    // Where item k lies in the list's viewport.
    QRect itemRect(int k) const { return visualRect(model_.index(k)); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    MapListModel model_;
    PressHandler onPress_;
};

} // namespace lumera
