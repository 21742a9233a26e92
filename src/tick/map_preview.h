#pragma once

#include "picture_component.h"
#include "prepared_map.h"

namespace lumera {

// Draws a prepared map on the chooser's preview, one 4 x 4 square a cell in
// the cell's fill colour, row by row from the top. Bubbles and empty cells
// keep the brush of the square before them. A bad cell stops the drawing
// there with its error; the preview gets its picture with the first square,
// so a map that fails before any square leaves none.
void drawMapPreview(const PreparedMap& map, PictureComponent& preview);

} // namespace lumera
