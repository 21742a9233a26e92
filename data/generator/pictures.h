#pragma once

#include <QImage>
#include <vector>

namespace lumera::data {

constexpr int kPictureSide = 512;

// The background pictures, each 512 x 512, the same on every build.
std::vector<QImage> backgroundPictures();

} // namespace lumera::data
