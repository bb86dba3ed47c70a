#include "mapeditor/core/mapfile.h"

#include <algorithm>
#include <array>
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
  // The room is not cleared: only the bytes the sections fill are ever read.
  const auto decoded = std::make_unique_for_overwrite<uint8_t[]>(size_t(MapFileBufSize));
  return LoadMapFromGameFile(file, doc, std::span<uint8_t>(decoded.get(), size_t(MapFileBufSize)));
}

MapLoadOutcome LoadMapFromGameFile(std::span<const uint8_t> file, MapDocument& doc, std::span<uint8_t> scratch) {
  if (!HasCurrentGameMagic(file)) return {MapLoadStatus::NotKxqrl, 0};

  // Decoded apart, so that a refused load leaves the document as it was.
  const std::span<uint8_t> room = scratch.first(std::min(scratch.size(), size_t(MapFileBufSize)));
  std::array<int32_t, SectionTableSize> offset = doc.SectionOffset, size = doc.SectionSize;
  std::array<uint8_t, SectionWantedSize> wanted = doc.SectionWanted;
  wanted[47] = 1;
  int32_t fill = 0;
  for (int32_t id = FirstSectionId; id <= MaxMapSectionId; ++id) {
    SectionScanResult scan;
    if (wanted[size_t(id)]) scan = ReadSaveSection(file, id, room.subspan(size_t(fill)), fill, offset, size);
    if (scan.Overflow) return {MapLoadStatus::TooLarge, id};
    if (!scan.Found) {
      // Without the base layer or the map size there is no map, also when
      // nobody asked for them. Any other section is taken as empty, as the
      // other program's map-only save leaves out the empty ones; every
      // per-hex access is checked against the section's size.
      if (IsRequiredMapSection(id)) return {MapLoadStatus::MissingSection, id};
      offset[size_t(id)] = fill;
      size[size_t(id)] = 0;
    }
    if (IsSizeSection(id) && size[size_t(id)] < MapSizeSectionMinBytes) return {MapLoadStatus::MissingSection, id};
  }

  // Into the existing buffer rather than swapping storage: windows may hold
  // views into MapFileBuf for the whole run. Like the game's editor, the load
  // overwrites it from offset 0 and leaves the bytes after the new sections.
  std::copy_n(room.begin(), size_t(fill), doc.MapFileBuf.begin());
  doc.SectionOffset = offset;
  doc.SectionSize = size;
  doc.MapFileBufFill = fill;
  doc.SectionWanted = wanted;
  doc.MapKind = CurrentMapKind;
  doc.MapStride = StrideForBaseLayerSize(size[BaseLayerSection]);
  doc.MapWidth = ReadLe16(doc.Section(MapWidthSection).data());
  doc.MapHeight = ReadLe16(doc.Section(MapHeightSection).data());
  doc.NoteChange();
  return {MapLoadStatus::Loaded, 0};
}

std::vector<uint8_t> BuildMapFile(const MapDocument& doc) {
  std::array<uint8_t, GameFileHeaderSize> header{};
  const std::string_view magic =
      doc.SectionSize[BaseLayerSection] > LargeMapThreshold ? MagicKxqrlV101 : MagicKxqrlV100;
  std::copy(magic.begin(), magic.end(), header.begin());
  size_t bound = header.size();
  for (int32_t id = FirstSectionId; id <= MaxMapSectionId; ++id)
    if (doc.SectionWanted[size_t(id)]) bound += SectionRecordBound(doc.Section(id).size());
  std::vector<uint8_t> out(header.begin(), header.end());
  out.reserve(bound);  // room for the whole file at once
  for (int32_t id = FirstSectionId; id <= MaxMapSectionId; ++id) {
    if (!doc.SectionWanted[size_t(id)]) continue;
    AppendSectionRecord(out, id, doc.Section(id));
  }
  return out;
}

}  // namespace qrl::map
