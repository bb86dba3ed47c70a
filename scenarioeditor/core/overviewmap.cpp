#include "scenarioeditor/core/overviewmap.h"

#include <algorithm>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/ownrecords.h"

namespace qrl::scen {

namespace {

constexpr int32_t ElevationByte = 4;
constexpr std::array<int32_t, 3> ConnectionBytes = {12, 13, 14};  // secondary road, paved road, railway
constexpr int GreyBase = 48, GreyStep = 5;

// Fills the hex's rectangle, clipped to the picture (hex numbers may be far off it).
void FillHex(QImage& picture, int64_t hx, int64_t hy, QRgb colour) {
  const int64_t left = hx * HexPixelWidth, top = hy * HexPixelHeight;
  const int64_t x0 = std::max<int64_t>(left, 0), x1 = std::min<int64_t>(left + HexPixelWidth, picture.width());
  const int64_t y0 = std::max<int64_t>(top, 0), y1 = std::min<int64_t>(top + HexPixelHeight, picture.height());
  for (int64_t y = y0; y < y1; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(int(y)));
    std::fill(line + x0, line + std::max(x0, x1), colour);
  }
}

void DrawHexes(QImage& picture, const GameFileSlots& fileSlots, int32_t mapWidth, int32_t mapHeight) {
  const int32_t rows = OwnRowsPerColumn(fileSlots);
  const int32_t width = std::min(mapWidth, picture.width() / HexPixelWidth);
  const int32_t height = std::min({mapHeight, rows, int32_t(picture.height() / HexPixelHeight)});
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const auto hex = OwnMapHexRecord(fileSlots, x, y, rows);
      if (!hex.empty()) FillHex(picture, x, y, HexColour(hex));
    }
}

void DrawMarkers(QImage& picture, const GameFileSlots& fileSlots, const PositionList& list) {
  const QRgb colour = list.Side == 1 ? OverviewColours::Side1Unit : OverviewColours::Side0Unit;
  for (int r = 0; r < list.Rows; ++r) {
    if (OwnPositionRecord(fileSlots, list.Side, list.RowUnitMap[size_t(r)]).empty()) continue;
    const int32_t x = StrToInt(list.Cells.Cell(PosXColumn, r + 1).toStdString());
    const int32_t y = StrToInt(list.Cells.Cell(PosYColumn, r + 1).toStdString());
    if (x > 0 && y > 0) FillHex(picture, x, y, colour);
  }
}

}  // namespace

QRgb HexColour(std::span<const uint8_t> hexRecord) {
  for (int32_t at : ConnectionBytes)
    if (FieldByteOrZero(hexRecord, at) != 0) return OverviewColours::Road;
  const int elevation = FieldByteOrZero(hexRecord, ElevationByte);
  if (elevation > WaterElevation) return OverviewColours::Water;
  const int grey = GreyStep * std::min(elevation, BrightestElevation) + GreyBase;
  return qRgb(grey, grey, grey);
}

void DrawOverviewMap(OverviewMap& map, ScenarioDocument& doc, const PositionList& list) {
  map.Box.BoxDrawn = false;
  map.Picture.fill(OverviewColours::Background);
  if (doc.NewFileLoaded) {
    doc.NewFileLoaded = false;
    map.MapWidth = OwnMapWidth(doc.Slots);
    map.MapHeight = OwnMapHeight(doc.Slots);
  }
  DrawHexes(map.Picture, doc.Slots, map.MapWidth, map.MapHeight);
  DrawMarkers(map.Picture, doc.Slots, list);
}

}  // namespace qrl::scen
