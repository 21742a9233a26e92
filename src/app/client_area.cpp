#include "client_area.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumera {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::setClientSize(int width, int height)
{
    if (width == surface_.width() && height == surface_.height()) return;
    keepShownPixels();
    Surface resized(width, height, kButtonFaceColour);
    Surface::copy(resized, resized.bounds(), surface_, resized.bounds());
    surface_ = std::move(resized);
    setFixedSize(width, height);
    update();
}

void ClientArea::present(const Surface& frame)
{
    if (frame.width() == surface_.width() && frame.height() == surface_.height()) {
        presented_ = &frame;
    } else {
        keepShownPixels();
        Surface::copy(surface_, frame.bounds(), frame, frame.bounds());
    }
    update();
}

void ClientArea::keepShownPixels()
{
    if (!presented_) return;
    Surface::copy(surface_, surface_.bounds(), *presented_, surface_.bounds());
    presented_ = nullptr;
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), shown().image(), event->rect());
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = pixelUnder(event->position());
    if (onPress_) onPress_(event->button(), at.x(), at.y());
}

void ClientArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = pixelUnder(event->position());
    // Only a left press holds the pointer: releases of the other buttons
    // count only over the client area itself.
    const bool overClientArea = rect().contains(at) && !childAt(at);
    if (event->button() != Qt::LeftButton && !overClientArea) return;
    if (onRelease_) onRelease_(event->button(), at.x(), at.y());
}

} // namespace lumera
