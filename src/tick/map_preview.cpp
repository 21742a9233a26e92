#include "map_preview.h"

#include "frame_geometry.h"

namespace lumera {

void drawMapPreview(const PreparedMap& map, PictureComponent& preview)
{
    previewPreparedMap(map, [&preview](int x, int y, CellCode code) {
        Surface& surface = preview.surface();
        if (isColourCell(code)) surface.setBrushColour(*fillColour(code));
        surface.setPenColour(surface.brushColour());
        constexpr int kSquare = geometry::kPreviewSquarePixels;
        surface.rectangle(kSquare * x, kSquare * y, kSquare * x + kSquare, kSquare * y + kSquare);
    });
}

} // namespace lumera
