#include "components.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

#include "cp1251.h"
#include "game_error.h"

namespace lumera {

QPoint pixelUnder(const QPointF& position)
{
    return QPoint(qFloor(position.x()), qFloor(position.y()));
}

void Panel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void Panel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void Panel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

PictureView::PictureView(QWidget* parent, PictureComponent& picture) : QWidget(parent), picture_(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (picture_.hasPicture()) painter.drawImage(0, 0, picture_.bitmap().image());
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const QPoint at = pixelUnder(event->position());
    if (onPress_) onPress_(event->button(), at.x(), at.y());
}

void PictureView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

int MapListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shown_;
}

QVariant MapListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(cp1251ToUtf8(names_.name(index.row())));
    if (role == Qt::SizeHintRole) return QSize(0, kItemHeight);
    return {};
}

void MapListModel::showAddedNames()
{
    const int added = names_.count();
    if (added <= shown_) return;
    beginInsertRows({}, shown_, added - 1);
    shown_ = added;
    endInsertRows();
}

MapListBox::MapListBox(QWidget* parent, const MapNames& names) : QListView(parent), model_(names)
{
    setModel(&model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int MapListBox::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void MapListBox::setSelectedIndex(int index)
{
    if (index == selectedIndex()) return;
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
        return;
    }
    selectionModel()->setCurrentIndex(model_.index(index), QItemSelectionModel::ClearAndSelect);
}

QString MapListBox::itemText(int k) const
{
    if (k < 0 || k >= count()) throw GameError("List index out of bounds (" + std::to_string(k) + ")");
    return model_.data(model_.index(k), Qt::DisplayRole).toString();
}

void MapListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // Pressing below the last item keeps the selection as it is.
        if (const QModelIndex item = indexAt(pixelUnder(event->position())); item.isValid()) setSelectedIndex(item.row());
    }
    event->accept();
    const QPoint at = pixelUnder(event->position());
    if (onPress_) onPress_(event->button(), at.x(), at.y());
}

void MapListBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

} // namespace lumera
