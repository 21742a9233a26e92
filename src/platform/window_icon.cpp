#include "window_icon.h"

#include <QPainter>
#include <QPixmap>

namespace lumera {
namespace {

void tile(QPainter& painter, int x, int y, QColor colour)
{
    painter.fillRect(x, y, 16, 16, colour);
    painter.fillRect(x, y, 16, 2, colour.lighter(150));
    painter.fillRect(x, y, 2, 16, colour.lighter(150));
    painter.fillRect(x, y + 14, 16, 2, colour.darker(170));
    painter.fillRect(x + 14, y, 2, 16, colour.darker(170));
}

} // namespace

QImage windowIconImage()
{
    QImage image(32, 32, QImage::Format_RGB32);
    QPainter painter(&image);
    tile(painter, 0, 0, QColor(255, 0, 0));
    tile(painter, 16, 0, QColor(255, 255, 0));
    tile(painter, 0, 16, QColor(0, 0, 255));
    tile(painter, 16, 16, QColor(0, 200, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255), 1.5));
    painter.setBrush(QColor(20, 20, 40));
    painter.drawEllipse(QRectF(10.5, 10.5, 11, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QRectF(13, 13, 3, 3));
    return image;
}

QIcon windowIcon32()
{
    return QIcon(QPixmap::fromImage(windowIconImage()));
}

} // namespace lumera
