#pragma once

#include <QIcon>
#include <QImage>
#include <array>
#include <string>

namespace lumera {

// The game's icon: four bevelled tiles and a rising bubble, described once on
// a 32-unit grid and drawn from that description at any size, as pixels or
// as SVG, so every size shows the same picture.

// The sizes a desktop asks for, in pixels.
inline constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels. The tiles' edges fall on whole pixels,
// so no size is blurred by scaling.
QImage gameIconImage(int size);

// The same icon as a scalable SVG document.
std::string gameIconSvg();

// The window's own 32 x 32 icon.
QIcon windowIcon32();

} // namespace lumera
