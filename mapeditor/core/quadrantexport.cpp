#include "mapeditor/core/quadrantexport.h"

#include <algorithm>

namespace qrl::map {

MapArea QuadrantArea(const MapDocument& doc, int viewCol, int viewRow) {
  const int endCol = std::min(viewCol + QuadrantCols, doc.MapWidth);
  const int endRow = std::min({viewRow + QuadrantRows, doc.MapHeight, doc.MapStride});
  return {viewCol, viewRow, std::max(0, endCol - viewCol), std::max(0, endRow - viewRow)};
}

QImage BuildQuadrantPicture(const MapDocument& doc, TileCache& tiles, const MapViewOptions& options) {
  QImage picture(QuadrantWidth, QuadrantHeight, QImage::Format_RGB32);
  picture.fill(BackgroundColour);
  MapCanvas canvas{picture, tiles, false};
  DrawTileLayers(canvas, doc, QuadrantArea(doc, options.ViewCol, options.ViewRow), options);
  if (options.ShowHexes1) DrawHexOutlines(picture, QuadrantCols, QuadrantRows);
  return picture;
}

}  // namespace qrl::map
