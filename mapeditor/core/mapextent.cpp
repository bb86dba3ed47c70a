#include "mapeditor/core/mapextent.h"

#include <algorithm>
#include <cstdint>

namespace qrl::map {

MapExtent StoredMapExtent(const MapDocument& doc) {
  const int64_t columnBytes = int64_t(MapHexRecordSize) * std::max<int32_t>(doc.MapStride, 0);
  const int64_t sectionBytes = int64_t(doc.Section(HexRecordSection).size());
  const int64_t storedCols = columnBytes > 0 ? (sectionBytes + columnBytes - 1) / columnBytes : 0;
  MapExtent extent;
  extent.Cols = int(std::clamp<int64_t>(storedCols, 0, std::max<int32_t>(doc.MapWidth, 0)));
  extent.Rows = std::max(0, std::min(doc.MapHeight, doc.MapStride));
  return extent;
}

}  // namespace qrl::map
