#pragma once
// The map quadrant picture: 50 hex columns by 40 rows from the view origin,
// drawn like the view but larger and with the tile layers only.
#include <QtGui/QImage>

#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/tilecache.h"

namespace qrl::map {

inline constexpr int QuadrantCols = 50;
inline constexpr int QuadrantRows = 40;
inline constexpr int QuadrantWidth = 2703;
inline constexpr int QuadrantHeight = 1804;
// The export's quality until the quality window is used.
inline constexpr int DefaultJpegQuality = 30;

// The hexes the quadrant draws: from (viewCol, viewRow), columns below
// min(viewCol + 50, MapWidth), rows below min(viewRow + 40, MapHeight,
// MapStride). Empty (no columns or rows) when the origin lies past the map.
MapArea QuadrantArea(const MapDocument& doc, int viewCol, int viewRow);

// QuadrantWidth x QuadrantHeight, blue, with the tile layers of the area of
// (options.ViewCol, options.ViewRow) as the view draws them (the layer check
// boxes apply) but each tile drawn once; with options.ShowHexes1 the hex grid
// over all 50 x 40 cells, past the map's end too. Tiles come through `tiles`
// and stay there.
QImage BuildQuadrantPicture(const MapDocument& doc, TileCache& tiles, const MapViewOptions& options);

}  // namespace qrl::map
