#include "mapeditor/core/mapview.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "mapeditor/core/maprenderer.h"

namespace qrl::map {

HexPos MouseToHex(int mouseX, int mouseY, int viewCol, int viewRow, int mapWidth, int mapHeight) {
  const int row = (mouseY - TileOriginY) / HexPitchY + viewRow;
  const int shift = (row & 1) ? OddRowShift : 0;
  const int col = (mouseX - TileOriginX - shift) / HexPitchX + viewCol;
  return {std::clamp(col, 0, std::max(0, mapWidth - 1)), std::clamp(row, 0, std::max(0, mapHeight - 1))};
}

bool MouseTracker::MapImgMouseMove(int x, int y, int viewCol, int viewRow, int mapWidth, int mapHeight) {
  if (std::abs(x - MouseX) <= MouseDeadZone && std::abs(y - MouseY) <= MouseDeadZone) return false;
  MouseX = x;
  MouseY = y;
  const HexPos hex = MouseToHex(MouseX, MouseY, viewCol, viewRow, mapWidth, mapHeight);
  HexCol = hex.Col;
  HexRow = hex.Row;
  return true;
}

std::string WhereLblText(int hexCol, int hexRow, int roadClickState, std::optional<uint16_t> baseWord) {
  char text[64];
  if (roadClickState != 0) {
    std::snprintf(text, sizeof text, "%2d,%2d  Click %2d", hexCol, hexRow, roadClickState);
  } else {
    const uint16_t w = baseWord.value_or(0);
    std::snprintf(text, sizeof text, "%2d,%2d  f%2d i%2d", hexCol, hexRow, TileWordFile(w), TileWordImage(w));
  }
  return text;
}

std::string WhereLblText(const MapDocument& doc, const MouseTracker& mouse, int roadClickState) {
  return WhereLblText(mouse.HexCol, mouse.HexRow, roadClickState,
                      doc.TileWordAt(BaseLayerSection, mouse.HexCol, mouse.HexRow));
}

int HMapSBMax(int mapWidth) { return std::max(0, mapWidth - ViewCols); }

int VMapSBMax(int mapHeight) { return std::max(0, mapHeight - ViewRows); }

VScrollOutcome VMapSBChange(int position, int maximum) {
  if (position % 2 == 0) return {position, position};
  return {position + 1, std::min(position + 1, maximum)};
}

}  // namespace qrl::map
