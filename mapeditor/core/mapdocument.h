#pragma once
// QrlMap's document: the decoded map sections of one game file in one buffer,
// with tables of where each section lies, addressed hex by hex through the
// fixed per-hex record layouts. Owned by main, handed to windows by reference.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "gamefile/mapsections.h"

namespace qrl::map {

inline constexpr int32_t MapFileBufSize = 1'250'000;
inline constexpr int SectionTableSize = 50;   // SectionOffset / SectionSize, by section id
inline constexpr int SectionWantedSize = 49;  // by section id 0..48
inline constexpr int32_t NoMapKind = 0;
inline constexpr int32_t CurrentMapKind = 4;
inline constexpr int32_t InitialMapWidth = 100;
inline constexpr int32_t InitialMapHeight = 80;

// Section ids with a meaning of their own.
inline constexpr int BaseLayerSection = 2;
inline constexpr int FirstOverlaySection = 3;
inline constexpr int LastOverlaySection = 7;
inline constexpr int HexRecordSection = 8;
inline constexpr int PositionSection = 17;
inline constexpr int TileStackSection = 28;
inline constexpr int HexByteSection = 29;
inline constexpr int MapWidthSection = 38;
inline constexpr int MapHeightSection = 39;

// TileWord: terrain graphics file * 250 + image; 0xFFFF is no tile.
inline constexpr uint16_t EmptyTileWord = 0xFFFF;
inline constexpr int ImagesPerShpFile = 250;
inline int TileWordFile(uint16_t word) { return word / ImagesPerShpFile; }
inline int TileWordImage(uint16_t word) { return word % ImagesPerShpFile; }
inline uint16_t MakeTileWord(int file, int image) { return uint16_t(file * ImagesPerShpFile + image); }

// Byte 0 = value AND 0xFF, byte 1 = value div 256.
inline void PutTileWord(uint8_t* destination, uint16_t value) {
  destination[0] = uint8_t(value & 0xFF);
  destination[1] = uint8_t(value / 256);
}

// MapHexRecord (20 bytes, section 8): fields the editor reads.
namespace HexRecord {
inline constexpr int TerrainBits = 0;  // bytes 0..3
inline constexpr int Elevation = 4;    // signed 16-bit
inline constexpr int SecondaryRoadMask = 12;
inline constexpr int PavedRoadMask = 13;
inline constexpr int RailroadMask = 14;
}  // namespace HexRecord

// Road presence bits of TerrainBits.
inline constexpr uint8_t SecondaryRoadBit = 0x40;  // byte 0
inline constexpr uint8_t PavedRoadBit = 0x80;      // byte 0
inline constexpr uint8_t RailroadBit = 0x01;       // byte 2

// TileStack (14 bytes, section 28).
inline constexpr int TileStackMaxTiles = 6;
inline constexpr int TileStackCountByte = 0;
inline constexpr int TileStackFirstWord = 2;

// The names of the 32 TerrainBits, [byte][bit], as the inspection window lists them.
extern const std::array<std::array<std::string_view, 8>, 4> TerrainBitNames;

// HexDirMask: six direction bits.
enum HexDir : uint8_t { DirE = 1, DirSE = 2, DirSW = 4, DirW = 8, DirNW = 16, DirNE = 32 };
inline constexpr uint8_t AllHexDirs = 0x3F;

struct HexPos {
  int Col = 0;
  int Row = 0;
  bool operator==(const HexPos&) const = default;
};

// The neighbour a single direction bit points to; odd rows lie half a hex to
// the right. No bounds are applied.
HexPos HexNeighbour(HexPos from, HexDir dir);

struct MapDocument {
  std::vector<uint8_t> MapFileBuf = std::vector<uint8_t>(size_t(MapFileBufSize), 0);
  std::array<int32_t, SectionTableSize> SectionOffset{};
  std::array<int32_t, SectionTableSize> SectionSize{};
  int32_t MapFileBufFill = 0;
  std::array<uint8_t, SectionWantedSize> SectionWanted{};
  int32_t MapKind = NoMapKind;
  int32_t MapStride = SmallMapStride;
  int32_t MapWidth = InitialMapWidth;
  int32_t MapHeight = InitialMapHeight;
  // Counts the changes of the map: a load, and every store into it. A window
  // that shows map bytes compares it with the count at its last reload to
  // tell whether what it shows may have changed since.
  uint64_t Revision = 0;
  void NoteChange() { ++Revision; }

  // Sets SectionWanted for the ids of MapSectionIds (start-up).
  void MarkWantedSections();

  // Raw addressing: they read MapStride and check nothing.
  int32_t HexIndex(int col, int row) const { return col * MapStride + row; }
  int32_t TileWordOffset(int col, int row) const { return TileWordSize * HexIndex(col, row); }
  int32_t MapHexRecordOffset(int col, int row) const { return MapHexRecordSize * HexIndex(col, row); }
  int32_t TileStackOffset(int col, int row) const { return TileStackSize * HexIndex(col, row); }

  // The decoded bytes of a section, clipped to the buffer; empty for ids
  // outside the tables.
  std::span<uint8_t> Section(int id);
  std::span<const uint8_t> Section(int id) const;

  // The checked per-hex accessors every Part goes through. A hex has a record
  // when col >= 0, 0 <= row < MapStride and the whole record lies inside its
  // section; otherwise the span is empty (reads: absent, writes: dropped).
  std::span<uint8_t> HexRecordBytes(int sectionId, int col, int row, int recordSize);
  std::span<const uint8_t> HexRecordBytes(int sectionId, int col, int row, int recordSize) const;

  std::optional<uint16_t> TileWordAt(int sectionId, int col, int row) const;
  bool SetTileWordAt(int sectionId, int col, int row, uint16_t value);
  std::span<uint8_t> MapHexRecordAt(int col, int row) { return HexRecordBytes(HexRecordSection, col, row, MapHexRecordSize); }
  std::span<const uint8_t> MapHexRecordAt(int col, int row) const {
    return HexRecordBytes(HexRecordSection, col, row, MapHexRecordSize);
  }
  std::span<uint8_t> TileStackAt(int col, int row) { return HexRecordBytes(TileStackSection, col, row, TileStackSize); }
  std::span<const uint8_t> TileStackAt(int col, int row) const {
    return HexRecordBytes(TileStackSection, col, row, TileStackSize);
  }
  std::optional<uint8_t> HexByteAt(int col, int row) const;
  bool SetHexByteAt(int col, int row, uint8_t value);
};

}  // namespace qrl::map
