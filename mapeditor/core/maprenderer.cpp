#include "mapeditor/core/maprenderer.h"

#include <algorithm>
#include <bit>

#include "mapeditor/core/pixelcanvas.h"

namespace qrl::map {

const std::array<RoadPiece, 15> RoadPairPieces = {{
    {DirE | DirW, 7},
    {DirE | DirSW, 4},
    {DirE | DirNW, 11},
    {DirSE | DirSW, 5},
    {DirSE | DirW, 8},
    {DirSE | DirNW, 12},
    {DirSE | DirNE, 18},
    {DirSW | DirNW, 13},
    {DirSW | DirNE, 19},
    {DirW | DirNE, 17},
    {DirNW | DirNE, 20},
    {DirE | DirSE, 2},
    {DirW | DirNW, 14},
    {DirSW | DirW, 9},
    {DirE | DirNE, 16},
}};

// A lone south-west connection takes offset 4, the piece of E + SW.
const std::array<RoadPiece, 6> RoadSinglePieces = {{
    {DirE, 0},
    {DirSE, 1},
    {DirSW, 4},
    {DirW, 6},
    {DirNW, 10},
    {DirNE, 15},
}};

namespace {

struct LineDir {
  HexDir Dir;
  int Dx;
  int Dy;
};
// From the hex centre, in drawing order.
constexpr std::array<LineDir, 6> ConnectionLineDirs = {{
    {DirE, 24, 0},
    {DirW, -24, 0},
    {DirSE, 13, 20},
    {DirNW, -13, -20},
    {DirNE, 13, -20},
    {DirSW, -13, 20},
}};

int ConnectionByteForBase(int base) {
  if (base == SecondaryRoadBase) return HexRecord::SecondaryRoadMask;
  if (base == PavedRoadBase) return HexRecord::PavedRoadMask;
  return HexRecord::RailroadMask;
}

bool HasSecondaryRoad(std::span<const uint8_t> rec) { return (rec[0] & SecondaryRoadBit) != 0; }
bool HasPavedRoad(std::span<const uint8_t> rec) { return (rec[0] & PavedRoadBit) != 0; }
bool HasRailroad(std::span<const uint8_t> rec) { return (rec[2] & RailroadBit) != 0; }

// Calls draw(col, row, viewCol, viewRow) for every hex of the area, rows outer.
template <typename Draw>
void ForEachCell(const MapArea& area, Draw draw) {
  for (int r = 0; r < area.Rows; ++r) {
    for (int c = 0; c < area.Cols; ++c) draw(area.FirstCol + c, area.FirstRow + r, c, r);
  }
}

void DrawTileWord(MapCanvas& canvas, int viewCol, int viewRow, uint16_t word) {
  DrawTile(canvas, viewCol, viewRow, TileWordImage(word), TileWordFile(word));
}

void DrawBaseLayer(MapCanvas& canvas, const MapDocument& doc, const MapArea& area) {
  ForEachCell(area, [&](int col, int row, int vc, int vr) {
    if (auto word = doc.TileWordAt(BaseLayerSection, col, row)) DrawTileWord(canvas, vc, vr, *word);
  });
}

void DrawTileStacks(MapCanvas& canvas, const MapDocument& doc, const MapArea& area) {
  ForEachCell(area, [&](int col, int row, int vc, int vr) {
    const auto stack = doc.TileStackAt(col, row);
    if (stack.empty()) return;
    // The record holds six words; a larger count must not reach the next hex's record.
    const int count = std::min<int>(stack[TileStackCountByte], TileStackMaxTiles);
    for (int i = 0; i < count; ++i) {
      const size_t at = size_t(TileStackFirstWord + TileWordSize * i);
      DrawTileWord(canvas, vc, vr, uint16_t(stack[at] + 256 * stack[at + 1]));
    }
  });
}

void DrawOverlay(MapCanvas& canvas, const MapDocument& doc, const MapArea& area, int section) {
  ForEachCell(area, [&](int col, int row, int vc, int vr) {
    auto word = doc.TileWordAt(section, col, row);
    if (word && TileWordFile(*word) < OverlayFileLimit) DrawTileWord(canvas, vc, vr, *word);
  });
}

uint8_t ShownConnectionMask(std::span<const uint8_t> rec, const MapViewOptions& options) {
  if (options.ShowAllRoadConnections1) {
    return rec[HexRecord::SecondaryRoadMask] | rec[HexRecord::PavedRoadMask] | rec[HexRecord::RailroadMask];
  }
  if (options.PavedRoad1) return rec[HexRecord::PavedRoadMask];
  if (options.Railroad1) return rec[HexRecord::RailroadMask];
  return rec[HexRecord::SecondaryRoadMask];
}

void DrawMarker(QImage& picture, QPoint centre, QRgb fill) {
  DrawEllipse(picture, centre.x() - RoadMarkerRadius, centre.y() - RoadMarkerRadius, centre.x() + RoadMarkerRadius,
              centre.y() + RoadMarkerRadius, RoadMarkerOutlineColour, fill);
}

}  // namespace

RoadPieceList RoadPiecesForMask(int mask) {
  RoadPieceList list;
  int m = mask & AllHexDirs;
  // Any two set bits form one of the fifteen pairs, so each pass clears at least one.
  while (CountBits(m) >= 2) {
    for (const RoadPiece& pair : RoadPairPieces) {
      if ((m & pair.Dirs) != pair.Dirs) continue;
      list.Pieces[size_t(list.Count++)] = pair;
      m &= ~pair.Dirs;
    }
  }
  if (m != 0) {
    auto single = std::find_if(RoadSinglePieces.begin(), RoadSinglePieces.end(),
                               [m](const RoadPiece& p) { return (m & p.Dirs) != 0; });
    list.Pieces[size_t(list.Count++)] = *single;
  }
  return list;
}

int CountBits(int value) { return std::popcount(unsigned(value) & 0xFFu); }

bool MapViewOptions::LayerShown(int section) const {
  switch (section) {
    case 3: return CB3;
    case 4: return CB4;
    case 5: return CB5;
    case 6: return CB6;
    case 7: return CB7;
    default: return false;
  }
}

QPoint CellReferencePoint(int viewCol, int viewRow) {
  const int shift = (viewRow & 1) ? OddRowShift : 0;
  return {viewCol * HexPitchX + TileOriginX + shift, viewRow * HexPitchY + TileOriginY};
}

QPoint CellCentre(int viewCol, int viewRow) {
  return CellReferencePoint(viewCol, viewRow) + QPoint(CentreOffsetX, CentreOffsetY);
}

void DrawTile(MapCanvas& canvas, int viewCol, int viewRow, int image, int file) {
  const TileGfx* tile = canvas.Tiles.Fetch(file, image);
  // A tile with nothing opaque may be one whose header put it anywhere in
  // int: it is not placed at all.
  if (!tile || tile->OpaqueRect.isEmpty()) return;
  const QImage* picture = canvas.Tiles.Picture(*tile);
  if (!picture) return;
  const QPoint at = CellReferencePoint(viewCol, viewRow) + QPoint(tile->XOff, tile->YOff);
  if (canvas.DoubleDrawOwnTile && tile->ImageIndex < 0 && file == DoubleDrawnTileFile &&
      image == DoubleDrawnTileImage) {
    DrawMasked(canvas.Picture, *picture, at.x() - 1, at.y(), ShpTransparentColour, tile->OpaqueRect);
  }
  DrawMasked(canvas.Picture, *picture, at.x(), at.y(), ShpTransparentColour, tile->OpaqueRect);
}

void DrawRoadTiles(MapCanvas& canvas, const MapDocument& doc, int base, int col, int row, int viewCol, int viewRow) {
  const auto rec = doc.MapHexRecordAt(col, row);
  if (rec.empty()) return;
  const RoadPieceList pieces = RoadPiecesForMask(rec[size_t(ConnectionByteForBase(base))]);
  for (int i = 0; i < pieces.Count; ++i) {
    DrawTile(canvas, col - viewCol, row - viewRow, base + pieces.Pieces[size_t(i)].Offset, RoadPieceFile);
  }
}

void DrawTileLayers(MapCanvas& canvas, const MapDocument& doc, const MapArea& area, const MapViewOptions& options) {
  DrawBaseLayer(canvas, doc, area);
  DrawTileStacks(canvas, doc, area);
  for (int section = FirstOverlaySection; section <= LastOverlaySection; ++section) {
    if (options.LayerShown(section)) DrawOverlay(canvas, doc, area, section);
  }
}

void DrawRoadPieces(MapCanvas& canvas, const MapDocument& doc, const MapArea& area) {
  ForEachCell(area, [&](int col, int row, int, int) {
    const auto rec = doc.MapHexRecordAt(col, row);
    if (rec.empty()) return;
    const int viewCol = area.FirstCol;
    const int viewRow = area.FirstRow;
    if (HasSecondaryRoad(rec)) DrawRoadTiles(canvas, doc, SecondaryRoadBase, col, row, viewCol, viewRow);
    if (HasPavedRoad(rec)) DrawRoadTiles(canvas, doc, PavedRoadBase, col, row, viewCol, viewRow);
    if (HasRailroad(rec)) DrawRoadTiles(canvas, doc, RailroadBase, col, row, viewCol, viewRow);
  });
}

bool DrawConnectionLines(QImage& picture, const MapDocument& doc, const MapArea& area, MapViewOptions& options) {
  if (!options.ShowRoadConnections1 && !options.ShowAllRoadConnections1) return false;
  bool switchedOn = false;
  if (!options.ShowAllRoadConnections1 && !options.PavedRoad1 && !options.Railroad1) {
    switchedOn = !options.SecondaryRoad1;
    options.SecondaryRoad1 = true;
  }
  ForEachCell(area, [&](int col, int row, int vc, int vr) {
    const auto rec = doc.MapHexRecordAt(col, row);
    if (rec.empty()) return;
    const uint8_t mask = ShownConnectionMask(rec, options);
    const QPoint centre = CellCentre(vc, vr);
    for (const LineDir& d : ConnectionLineDirs) {
      if (mask & d.Dir) {
        DrawLine(picture, centre, centre + QPoint(d.Dx, d.Dy), ConnectionLineColour, ConnectionLineWidth);
      }
    }
  });
  return switchedOn;
}

void DrawRoadMarkers(QImage& picture, const MapDocument& doc, const MapArea& area, const MapViewOptions& options) {
  const bool all = options.ShowAllRoadConnections1;
  if (!options.ToggleRoad1 && !options.ToggleRoadConnection1 && !all) return;
  ForEachCell(area, [&](int col, int row, int vc, int vr) {
    const auto rec = doc.MapHexRecordAt(col, row);
    if (rec.empty()) return;
    const QPoint centre = CellCentre(vc, vr);
    if (HasSecondaryRoad(rec) && (options.SecondaryRoad1 || all)) DrawMarker(picture, centre, SecondaryRoadColour);
    if (HasPavedRoad(rec) && (options.PavedRoad1 || all)) DrawMarker(picture, centre, PavedRoadColour);
    if (HasRailroad(rec) && (options.Railroad1 || all)) DrawMarker(picture, centre, RailroadColour);
  });
}

void DrawHexOutlines(QImage& picture, int cols, int rows) {
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const QPoint ref = CellReferencePoint(c, r);
      const QPoint top(ref.x(), ref.y() + OutlineOffsetY);
      const QPoint bottom = top + QPoint(0, OutlineSideHeight);
      DrawLine(picture, top, bottom, GridColour);
      DrawLine(picture, top, top + QPoint(OutlineSlantX, -OutlineSlantY), GridColour);
      DrawLine(picture, bottom, bottom + QPoint(OutlineSlantX, OutlineSlantY), GridColour);
    }
  }
}

RedrawOutcome RedrawMap(const MapDocument& doc, TileCache& tiles, MapViewOptions& options) {
  RedrawOutcome out;
  out.MapBitmap = QImage(MapImgWidth, MapImgHeight, QImage::Format_RGB32);
  out.MapBitmap.fill(BackgroundColour);
  const MapArea area = ViewArea(options);
  MapCanvas canvas{out.MapBitmap, tiles, true};
  DrawTileLayers(canvas, doc, area, options);
  DrawRoadPieces(canvas, doc, area);
  out.SecondaryRoadSwitchedOn = DrawConnectionLines(out.MapBitmap, doc, area, options);
  DrawRoadMarkers(out.MapBitmap, doc, area, options);
  out.Picture = out.MapBitmap;
  if (options.ShowHexes1) DrawHexOutlines(out.Picture);
  return out;
}

}  // namespace qrl::map
