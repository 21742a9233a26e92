#pragma once

#include <QIcon>
#include <QImage>

namespace lumera {

// The window's own 32 x 32 picture: four bevelled tiles and a rising bubble.
QImage windowIconImage();
QIcon windowIcon32();

} // namespace lumera
