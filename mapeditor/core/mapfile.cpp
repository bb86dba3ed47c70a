#include "mapeditor/core/mapfile.h"

#include <algorithm>
#include <memory>

#include "gamefile/bytes.h"
#include "gamefile/magic.h"
#include "gamefile/mapsectionreader.h"
#include "gamefile/sectionrecord.h"

namespace qrl::map {

namespace {

constexpr int32_t FirstSectionId = 2;

bool IsSizeSection(int32_t id) { return id == MapWidthSection || id == MapHeightSection; }

}  // namespace

bool IsRequiredMapSection(int32_t id) { return id == BaseLayerSection || IsSizeSection(id); }

MapLoadOutcome LoadMapFromGameFile(std::span<const uint8_t> file, MapDocument& doc) {
  if (!HasCurrentGameMagic(file)) return {MapLoadStatus::NotKxqrl, 0};

  auto fresh = std::make_unique<MapDocument>();
  fresh->SectionWanted = doc.SectionWanted;
  fresh->SectionWanted[47] = 1;
  fresh->MapFileBufFill = 0;
  for (int32_t id = FirstSectionId; id <= MaxMapSectionId; ++id) {
    const bool wanted = fresh->SectionWanted[size_t(id)] != 0;
    SectionScanResult scan;
    if (wanted) {
      const size_t fill = size_t(fresh->MapFileBufFill);
      scan = ReadSaveSection(file, id, std::span<uint8_t>(fresh->MapFileBuf).subspan(fill), fresh->MapFileBufFill,
                             fresh->SectionOffset, fresh->SectionSize);
    }
    if (scan.Overflow) return {MapLoadStatus::TooLarge, id};
    if (!scan.Found) {
      // Without the base layer or the map size there is no map, also when
      // nobody asked for them. Any other section is taken as empty, as the
      // other program's map-only save leaves out the empty ones; every
      // per-hex access is checked against the section's size.
      if (IsRequiredMapSection(id)) return {MapLoadStatus::MissingSection, id};
      fresh->SectionOffset[size_t(id)] = fresh->MapFileBufFill;
      fresh->SectionSize[size_t(id)] = 0;
    }
    if (IsSizeSection(id) && fresh->SectionSize[size_t(id)] < MapSizeSectionMinBytes)
      return {MapLoadStatus::MissingSection, id};
  }

  fresh->MapKind = CurrentMapKind;
  fresh->MapStride = StrideForBaseLayerSize(fresh->SectionSize[BaseLayerSection]);
  fresh->MapWidth = ReadLe16(fresh->Section(MapWidthSection).data());
  fresh->MapHeight = ReadLe16(fresh->Section(MapHeightSection).data());
  // Copy into the existing buffer rather than swapping storage: windows may
  // hold views into MapFileBuf for the whole run.
  doc.MapFileBuf.assign(fresh->MapFileBuf.begin(), fresh->MapFileBuf.end());
  doc.SectionOffset = fresh->SectionOffset;
  doc.SectionSize = fresh->SectionSize;
  doc.MapFileBufFill = fresh->MapFileBufFill;
  doc.SectionWanted = fresh->SectionWanted;
  doc.MapKind = fresh->MapKind;
  doc.MapStride = fresh->MapStride;
  doc.MapWidth = fresh->MapWidth;
  doc.MapHeight = fresh->MapHeight;
  return {MapLoadStatus::Loaded, 0};
}

std::vector<uint8_t> BuildMapFile(const MapDocument& doc) {
  std::vector<uint8_t> out(GameFileHeaderSize, 0);
  const std::string_view magic =
      doc.SectionSize[BaseLayerSection] > LargeMapThreshold ? MagicKxqrlV101 : MagicKxqrlV100;
  std::copy(magic.begin(), magic.end(), out.begin());
  for (int32_t id = FirstSectionId; id <= MaxMapSectionId; ++id) {
    if (!doc.SectionWanted[size_t(id)]) continue;
    AppendSectionRecord(out, id, doc.Section(id));
  }
  return out;
}

}  // namespace qrl::map
