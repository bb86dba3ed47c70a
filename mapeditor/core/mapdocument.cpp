#include "mapeditor/core/mapdocument.h"

#include <algorithm>
#include <utility>

namespace qrl::map {

const std::array<std::array<std::string_view, 8>, 4> TerrainBitNames = {{
    {"Field", "Slope", "Trees", "Stream", "Stone Bldg", "Wood Bldg", "2nd Road", "1st Road"},
    {"Wood Bridge", "Stone Bridge", "Swamp", "Water", "Rough", "32 Bit 5", "64 Bit 6", "128 Bit 7"},
    {"Railroad", "2 Bit 1", "4 Bit 2", "8 Bit 3", "Shallow Water", "Deep Water", "64 Bit 6", "Orch/Vinyard"},
    {"Wall/Hedge", "Path", "Bocage", "4 Bit 3", "8 Bit 4", "32 Bit 5", "64 Bit 6", "128 Bit 7"},
}};

HexPos HexNeighbour(HexPos from, HexDir dir) {
  const bool odd = (from.Row & 1) != 0;
  const int c = from.Col;
  const int r = from.Row;
  switch (dir) {
    case DirE: return {c + 1, r};
    case DirSE: return odd ? HexPos{c + 1, r + 1} : HexPos{c, r + 1};
    case DirSW: return odd ? HexPos{c, r + 1} : HexPos{c - 1, r + 1};
    case DirW: return {c - 1, r};
    case DirNW: return odd ? HexPos{c, r - 1} : HexPos{c - 1, r - 1};
    case DirNE: return odd ? HexPos{c + 1, r - 1} : HexPos{c, r - 1};
  }
  return from;
}

void MapDocument::MarkWantedSections() {
  for (int32_t id : MapSectionIds) SectionWanted[size_t(id)] = 1;
}

std::span<uint8_t> MapDocument::Section(int id) {
  auto bytes = std::as_const(*this).Section(id);
  return {const_cast<uint8_t*>(bytes.data()), bytes.size()};
}

std::span<const uint8_t> MapDocument::Section(int id) const {
  if (id < 0 || id >= SectionTableSize) return {};
  const int64_t offset = SectionOffset[size_t(id)];
  const int64_t size = SectionSize[size_t(id)];
  const int64_t bufSize = int64_t(MapFileBuf.size());
  if (offset < 0 || size <= 0 || offset >= bufSize) return {};
  return std::span<const uint8_t>(MapFileBuf).subspan(size_t(offset), size_t(std::min(size, bufSize - offset)));
}

std::span<uint8_t> MapDocument::HexRecordBytes(int sectionId, int col, int row, int recordSize) {
  auto bytes = std::as_const(*this).HexRecordBytes(sectionId, col, row, recordSize);
  return {const_cast<uint8_t*>(bytes.data()), bytes.size()};
}

std::span<const uint8_t> MapDocument::HexRecordBytes(int sectionId, int col, int row, int recordSize) const {
  if (col < 0 || row < 0 || row >= MapStride || recordSize <= 0) return {};
  const auto section = Section(sectionId);
  const int64_t offset = int64_t(recordSize) * (int64_t(col) * MapStride + row);
  if (offset + recordSize > int64_t(section.size())) return {};
  return section.subspan(size_t(offset), size_t(recordSize));
}

std::optional<uint16_t> MapDocument::TileWordAt(int sectionId, int col, int row) const {
  auto bytes = HexRecordBytes(sectionId, col, row, TileWordSize);
  if (bytes.empty()) return std::nullopt;
  return uint16_t(bytes[0] + 256 * bytes[1]);
}

bool MapDocument::SetTileWordAt(int sectionId, int col, int row, uint16_t value) {
  auto bytes = HexRecordBytes(sectionId, col, row, TileWordSize);
  if (bytes.empty()) return false;
  PutTileWord(bytes.data(), value);
  return true;
}

std::optional<uint8_t> MapDocument::HexByteAt(int col, int row) const {
  auto bytes = HexRecordBytes(HexByteSection, col, row, HexByteSize);
  if (bytes.empty()) return std::nullopt;
  return bytes[0];
}

bool MapDocument::SetHexByteAt(int col, int row, uint8_t value) {
  auto bytes = HexRecordBytes(HexByteSection, col, row, HexByteSize);
  if (bytes.empty()) return false;
  bytes[0] = value;
  return true;
}

}  // namespace qrl::map
