#include "mapeditor/core/hexelevation.h"

#include <algorithm>

#include "gamefile/bytes.h"

namespace qrl::map {

namespace {
constexpr HexDir AllDirs[] = {DirE, DirSE, DirSW, DirW, DirNW, DirNE};
constexpr int ElevationBytes = 2;
}  // namespace

std::optional<int> HexElevation(const MapDocument& doc, int col, int row, int offset) {
  const auto record = doc.MapHexRecordAt(col, row);
  if (offset < 0 || record.empty() || size_t(offset) + ElevationBytes > record.size()) return std::nullopt;
  return ReadLe16Signed(&record[size_t(offset)]);
}

uint8_t HexSlopeMask(const MapDocument& doc, int col, int row, int offset) {
  const std::optional<int> own = HexElevation(doc, col, row, offset);
  if (!own || *own < 0) return 0;
  uint8_t mask = 0;
  for (HexDir dir : AllDirs) {
    const HexPos n = HexNeighbour({col, row}, dir);
    const std::optional<int> other = HexElevation(doc, n.Col, n.Row, offset);
    if (other && ElevationLevel(*other) > ElevationLevel(*own)) mask |= dir;
  }
  return mask;
}

int MaxNeighbourElevation(const MapDocument& doc, int col, int row, int offset) {
  int highest = NoNeighbourElevation;
  for (HexDir dir : AllDirs) {
    const HexPos n = HexNeighbour({col, row}, dir);
    if (const std::optional<int> other = HexElevation(doc, n.Col, n.Row, offset)) highest = std::max(highest, *other);
  }
  return highest;
}

}  // namespace qrl::map
