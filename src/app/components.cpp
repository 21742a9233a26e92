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

int MapNames::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(ends_.size());
}

QVariant MapNames::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(cp1251ToUtf8(bytesOf(index.row())));
    if (role == Qt::SizeHintRole) return QSize(0, kItemHeight);
    return {};
}

void MapNames::addNames(std::int32_t count, const std::function<std::string(std::int32_t)>& nameAt)
{
    if (count <= 0) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + count - 1);
    ends_.reserve(ends_.size() + static_cast<std::size_t>(count));
    for (std::int32_t k = 0; k < count; ++k) {
        bytes_ += nameAt(k);
        ends_.push_back(bytes_.size());
    }
    endInsertRows();
}

std::string_view MapNames::bytesOf(int row) const
{
    const std::size_t begin = row == 0 ? 0 : ends_[static_cast<std::size_t>(row) - 1];
    return std::string_view(bytes_).substr(begin, ends_[static_cast<std::size_t>(row)] - begin);
}

MapListBox::MapListBox(QWidget* parent) : QListView(parent)
{
    setModel(&names_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void MapListBox::addNames(std::int32_t count, const std::function<std::string(std::int32_t)>& nameAt)
{
    names_.addNames(count, nameAt);
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
    selectionModel()->setCurrentIndex(names_.index(index), QItemSelectionModel::ClearAndSelect);
}

void MapListBox::checkIndex(int k) const
{
    if (k < 0 || k >= count()) throw GameError("List index out of bounds (" + std::to_string(k) + ")");
}

QString MapListBox::itemText(int k) const
{
    checkIndex(k);
    return names_.data(names_.index(k), Qt::DisplayRole).toString();
}

std::string MapListBox::itemBytes(int k) const
{
    checkIndex(k);
    return std::string(names_.bytesOf(k));
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
