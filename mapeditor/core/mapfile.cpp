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

bool IsRequiredMapSection(int32_t id) {
  return (id >= BaseLayerSection && id <= HexRecordSection) || id == TileStackSection || IsSizeSection(id);
}

MapLoadOutcome LoadMapFromGameFile(std::span<const uint8_t> file, MapDocument& doc) {
  if (!HasCurrentGameMagic(file)) return {MapLoadStatus::NotKxqrl, 0};

  auto fresh = std::make_unique<MapDocument>();
  fresh->SectionWanted = doc.SectionWanted;
  fresh->SectionWanted[47] = 1;
  fresh->MapFileBufFill = 0;
  for (int32_t id = FirstSectionId; id <= MaxMapSectionId; ++id) {
    if (!fresh->SectionWanted[size_t(id)]) continue;
    auto& buf = fresh->MapFileBuf;
    const size_t fill = size_t(fresh->MapFileBufFill);
    SectionScanResult scan = ReadSaveSection(file, id, std::span<uint8_t>(buf).subspan(fill),
                                             fresh->MapFileBufFill, fresh->SectionOffset, fresh->SectionSize);
    if (scan.Overflow) return {MapLoadStatus::TooLarge, id};
    if (!scan.Found) {
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
  doc = std::move(*fresh);
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
