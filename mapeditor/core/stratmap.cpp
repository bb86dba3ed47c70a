#include "mapeditor/core/stratmap.h"

#include <algorithm>

#include "mapeditor/core/mapextent.h"
#include "mapeditor/core/maprenderer.h"

namespace qrl::map {

const StratColourRule StratColourRules[8] = {
    {1, 0x10, qRgb(192, 0, 0)},      // Rough
    {0, 0x04, qRgb(61, 208, 0)},     // Trees
    {0, 0x80, qRgb(160, 160, 160)},  // 1st Road
    {0, 0x40, qRgb(113, 73, 0)},     // 2nd Road
    {0, 0x10, qRgb(255, 255, 255)},  // Stone Bldg
    {0, 0x08, qRgb(0, 0, 255)},      // Stream
    {1, 0x04, qRgb(0, 128, 192)},    // Swamp
    {1, 0x08, qRgb(0, 0, 128)},      // Water
};

QRgb StratHexColour(uint8_t byte0, uint8_t byte1) {
  const uint8_t bytes[2] = {byte0, byte1};
  QRgb colour = StratOpenColour;
  for (const StratColourRule& rule : StratColourRules) {
    if (bytes[rule.Byte] & rule.Bit) colour = rule.Colour;
  }
  return colour;
}

QImage BuildStratPicture(const MapDocument& doc) {
  const MapExtent extent = StoredMapExtent(doc);
  QImage picture(StratPictureWidth, StratPixelsPerHex * extent.Rows, QImage::Format_RGB32);
  if (picture.isNull()) return picture;
  picture.fill(StratBackgroundColour);
  const int cols = std::min(extent.Cols, StratPictureWidth / StratPixelsPerHex);
  for (int row = 0; row < extent.Rows; ++row) {
    QRgb* lines[StratPixelsPerHex];
    for (int i = 0; i < StratPixelsPerHex; ++i)
      lines[i] = reinterpret_cast<QRgb*>(picture.scanLine(StratPixelsPerHex * row + i));
    for (int col = 0; col < cols; ++col) {
      const auto rec = doc.MapHexRecordAt(col, row);
      if (rec.empty()) continue;
      const QRgb colour = StratHexColour(rec[HexRecord::TerrainBits], rec[HexRecord::TerrainBits + 1]);
      for (QRgb* line : lines) std::fill_n(line + StratPixelsPerHex * col, StratPixelsPerHex, colour);
    }
  }
  return picture;
}

HexPos StratClickTarget(int x, int y, int hMax, int vMax) {
  int col = x / StratPixelsPerHex - ViewCols / 2;
  int row = y / StratPixelsPerHex - ViewRows / 2;
  // The view starts on an even row.
  if (row % 2 != 0) ++row;
  col = std::max(0, col);
  row = std::max(0, row);
  if (col > hMax) col = hMax;
  if (row > vMax) row = vMax;
  return {col, row};
}

}  // namespace qrl::map
