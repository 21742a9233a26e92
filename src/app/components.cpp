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

MapListBox::MapListBox(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setUniformItemSizes(true);
}

void MapListBox::addName(const std::string& cp1251Name)
{
    auto* item = new QListWidgetItem(QString::fromStdString(cp1251ToUtf8(cp1251Name)), this);
    item->setData(Qt::UserRole, QByteArray::fromStdString(cp1251Name));
    item->setSizeHint(QSize(0, kItemHeight));
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
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

QString MapListBox::itemText(int k) const
{
    if (k < 0 || k >= count()) throw GameError("List index out of bounds (" + std::to_string(k) + ")");
    return item(k)->text();
}

std::string MapListBox::itemBytes(int k) const
{
    itemText(k);
    return item(k)->data(Qt::UserRole).toByteArray().toStdString();
}

void MapListBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // Pressing below the last item keeps the selection as it is.
        if (QListWidgetItem* item = itemAt(pixelUnder(event->position()))) setSelectedIndex(row(item));
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
