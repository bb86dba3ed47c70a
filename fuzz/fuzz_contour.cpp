// Any bytes as the contour pattern sheet "grid.bmp", decoded and drawn with
// terrain markers over a small map whose 256 hexes carry every elevation
// byte and terrain bits that reach every marker. The sheet must be refused or
// drawn without reading or writing outside any picture.
#include <cstddef>
#include <cstdint>
#include <span>

#include "mapeditor/core/contourmap.h"
#include "mapeditor/core/mapdocument.h"

namespace {

using namespace qrl::map;

constexpr int FuzzMapCols = 16;
constexpr int FuzzMapRows = 16;

// Only section 8 is needed: a full column of records per map column.
MapDocument MakeFuzzMap() {
  MapDocument doc;
  doc.MapKind = CurrentMapKind;
  doc.MapStride = qrl::SmallMapStride;
  doc.MapWidth = FuzzMapCols;
  doc.MapHeight = FuzzMapRows;
  doc.SectionOffset[HexRecordSection] = 0;
  doc.SectionSize[HexRecordSection] = qrl::MapHexRecordSize * doc.MapStride * FuzzMapCols;
  doc.MapFileBufFill = doc.SectionSize[HexRecordSection];
  for (int col = 0; col < FuzzMapCols; ++col) {
    for (int row = 0; row < FuzzMapRows; ++row) {
      const int n = col * FuzzMapRows + row;
      auto rec = doc.MapHexRecordAt(col, row);
      rec[HexRecord::Elevation] = uint8_t(n);
      rec[HexRecord::TerrainBits] = uint8_t(n * 37);
      rec[HexRecord::TerrainBits + 1] = uint8_t(n * 11);
    }
  }
  return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const MapDocument doc = MakeFuzzMap();
  const std::optional<QImage> sheet = DecodePatternSheet(std::span<const uint8_t>(data, size));
  if (!sheet) return 0;
  const QImage picture = BuildContourPicture(doc, *sheet, true);
  if (picture.size() != ContourPictureSize(doc)) __builtin_trap();
  return 0;
}
