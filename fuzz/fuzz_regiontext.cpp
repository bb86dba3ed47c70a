// Any bytes as a RegionText pasted into a 20 x 20 map (80 rows per column),
// as a file and as clipboard text, at a target hex taken from the first
// bytes. Only the pasted hexes' records may change: the map's size
// sections and the bytes past the sections must stay as they were.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "gamefile/mapsections.h"
#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/regiontext.h"

using namespace qrl;
using namespace qrl::map;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int Columns = 20;
constexpr int Rows = 20;

MapDocument MakeMap() {
  MapDocument doc;
  doc.MapKind = CurrentMapKind;
  doc.MapWidth = Columns;
  doc.MapHeight = Rows;
  doc.MapStride = SmallMapStride;
  int32_t at = 0;
  auto lay = [&](int id, int32_t size) {
    doc.SectionOffset[size_t(id)] = at;
    doc.SectionSize[size_t(id)] = size;
    at += size;
  };
  const int32_t hexes = Columns * SmallMapStride;
  for (int id = BaseLayerSection; id <= LastOverlaySection; ++id) lay(id, hexes * TileWordSize);
  lay(HexRecordSection, hexes * MapHexRecordSize);
  lay(TileStackSection, hexes * TileStackSize);
  lay(HexByteSection, hexes);
  lay(MapWidthSection, 2);
  lay(MapHeightSection, 2);
  doc.MapFileBufFill = at;
  for (int32_t i = 0; i < at; ++i) doc.MapFileBuf[size_t(i)] = uint8_t(i * 37 + 11);
  doc.Section(MapWidthSection)[0] = Columns;
  doc.Section(MapHeightSection)[0] = Rows;
  return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MapDocument doc = MakeMap();
  static const std::vector<uint8_t> pristine(doc.MapFileBuf.begin(), doc.MapFileBuf.begin() + doc.MapFileBufFill);
  if (size < 3) return 0;
  const int64_t x = int8_t(data[0]);
  const int64_t y = int8_t(data[1]);
  const RegionSource source = data[2] & 1 ? RegionSource::Clipboard : RegionSource::File;
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);
  PasteRegionText(doc, x, y, text, source);

  const auto width = doc.Section(MapWidthSection);
  const auto height = doc.Section(MapHeightSection);
  Check(width[0] == Columns && height[0] == Rows);
  Check(std::all_of(doc.MapFileBuf.begin() + doc.MapFileBufFill, doc.MapFileBuf.begin() + doc.MapFileBufFill + 4096,
                    [](uint8_t b) { return b == 0; }));
  // Rows 20..79 of every column are outside the map: never written.
  for (int c = 0; c < Columns; ++c)
    for (int r = Rows; r < SmallMapStride; ++r) {
      const int32_t at = doc.SectionOffset[HexRecordSection] + (c * SmallMapStride + r) * MapHexRecordSize;
      Check(std::memcmp(doc.MapFileBuf.data() + at, pristine.data() + at, MapHexRecordSize) == 0);
    }
  std::copy(pristine.begin(), pristine.end(), doc.MapFileBuf.begin());
  return 0;
}
