// Any bytes as an older game file into both map conversions, on a fixed
// loaded 100 x 80 map. A refusal leaves the map exactly as it was; a
// conversion keeps the map's size and stride and lays its sections back to
// back inside the buffer. Only one conversion can pass the magic test, so
// each input costs at most one conversion; its last byte ticks "Use KXZKT
// Buildings".
#include <cstdint>
#include <cstring>
#include <vector>

#include "gamefile/magic.h"
#include "gamefile/mapsectionreader.h"
#include "gamefile/sectionrecord.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/oldmapconvert.h"

namespace {

using qrl::map::MapDocument;

constexpr int Width = 100;
constexpr int Height = 80;
constexpr int Hexes = Width * qrl::SmallMapStride;

MapDocument LoadedMap() {
  std::vector<uint8_t> file(qrl::GameFileHeaderSize, 0);
  std::memcpy(file.data(), "KXQRL_SAVE_V100", 15);
  for (int32_t id : qrl::MapSectionIds) {
    std::vector<uint8_t> bytes(7, uint8_t(id));
    if (id >= 2 && id <= 7) bytes.assign(size_t(Hexes) * qrl::TileWordSize, 0xFF);
    if (id == 8) bytes.assign(size_t(Hexes) * qrl::MapHexRecordSize, 0);
    if (id == 28) bytes.assign(size_t(Hexes) * qrl::TileStackSize, 0);
    if (id == 29) bytes.assign(size_t(Hexes), 0);
    if (id == 38) bytes = {Width, 0};
    if (id == 39) bytes = {Height, 0};
    qrl::AppendSectionRecord(file, id, bytes);
  }
  MapDocument doc;
  doc.MarkWantedSections();
  if (qrl::map::LoadMapFromGameFile(file, doc).Status != qrl::map::MapLoadStatus::Loaded) __builtin_trap();
  return doc;
}

bool SameDocument(const MapDocument& a, const MapDocument& b) {
  return a.MapFileBuf == b.MapFileBuf && a.SectionOffset == b.SectionOffset && a.SectionSize == b.SectionSize &&
         a.MapFileBufFill == b.MapFileBufFill && a.MapWidth == b.MapWidth && a.MapHeight == b.MapHeight &&
         a.MapStride == b.MapStride && a.MapKind == b.MapKind;
}

void CheckConverted(const MapDocument& doc, const MapDocument& loaded) {
  if (doc.MapWidth != loaded.MapWidth || doc.MapHeight != loaded.MapHeight || doc.MapStride != loaded.MapStride)
    __builtin_trap();
  int32_t fill = 0;
  for (int32_t id = 2; id <= qrl::MaxMapSectionId; ++id) {
    if (doc.SectionOffset[size_t(id)] != fill) __builtin_trap();
    fill += doc.SectionSize[size_t(id)];
  }
  if (fill != doc.MapFileBufFill || fill > qrl::map::MapFileBufSize) __builtin_trap();
  // The per-hex sections keep their loaded sizes.
  for (int32_t id : {2, 3, 4, 5, 6, 7, 8, 28})
    if (doc.SectionSize[size_t(id)] != loaded.SectionSize[size_t(id)]) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const MapDocument loaded = LoadedMap();
  static MapDocument doc = loaded;
  static bool changed = false;
  if (changed) {
    doc = loaded;
    changed = false;
  }
  const std::span<const uint8_t> file(data, size);
  const bool buildings = size > 0 && (data[size - 1] & 1) != 0;
  for (bool kx3 : {false, true}) {
    const auto status = kx3 ? qrl::map::ConvertKx3Map(doc, file) : qrl::map::ConvertKx2Map(doc, file, buildings);
    if (status == qrl::map::OldMapStatus::Converted) {
      CheckConverted(doc, loaded);
      changed = true;
      return 0;
    }
    if (!SameDocument(doc, loaded)) __builtin_trap();
  }
  return 0;
}
