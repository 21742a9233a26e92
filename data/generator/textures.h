#pragma once

#include <QImage>
#include <vector>

namespace lumera::data {

enum class TextureSet { Dark = 1, Light = 2 };

// Ten 16 x 16 textures, one per cell code: 0..6 bevelled tiles in the
// colours of the cells (0 marked apart from 5, whose colour it shares),
// 7 the bubble and empty look, 8 the bubble's second phase, 9 an empty cell.
// No pixel is exactly white, so every texture covers its square whole.
std::vector<QImage> textureSet(TextureSet set);

} // namespace lumera::data
