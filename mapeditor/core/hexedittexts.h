#pragma once
// What the hex edit window ("Inspection Window") shows of one hex and how
// its texts go back into the map: every per-hex record as decimal text, tile
// words as File (the terrain graphics file) and Icon (the image in it). The
// window parses and writes through here; a hex that lacks a record shows 0
// there and writes to it are dropped.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

// The two cells of an overlay row whose tile is none (or a file past 99).
inline constexpr std::string_view NoOverlayText = " -";
inline constexpr int LastShownOverlayFile = 99;
inline constexpr int LayerRows = 6;  // sections 2..7
inline constexpr int StackRows = TileStackMaxTiles;
inline constexpr int HexRecordRows = MapHexRecordSize;
inline constexpr int TerrainByteRows = 4;  // hex record bytes 0..3 carry named bits

struct TileWordTexts {
  std::string File;
  std::string Icon;
  bool operator==(const TileWordTexts&) const = default;
};

// File = word / 250, Icon = word % 250; an overlay with File above 99 shows
// NoOverlayText in both cells.
TileWordTexts ShowTileWord(uint16_t word, bool overlay);
// File x 250 + Icon, worked out in 64 bits and kept to its low 16 bits; an
// overlay whose File cell is exactly NoOverlayText is no tile (the Icon cell
// is then not read). Throws ConversionError for a cell that is no integer.
uint16_t ParseTileWord(const TileWordTexts& texts, bool overlay);
// The low 8 bits of a decimal cell; throws ConversionError.
uint8_t ParseByteText(std::string_view text);

// The texts of the whole window for one hex.
struct HexEditTexts {
  std::array<TileWordTexts, LayerRows> Layers;  // "Main", "Sec3".."Sec7"
  std::string Width, Height;                    // byte 0 of sections 38 and 39
  std::string HexByte;                          // section 29
  std::string StackCount;                       // tile stack byte 0
  std::array<TileWordTexts, StackRows> Stack;   // tile stack words 1..6
  std::array<std::string, HexRecordRows> HexRecord;  // section 8 bytes 0..19
};

HexEditTexts LoadHexEditTexts(const MapDocument& doc, HexPos hex);

// Writes every field back in the window's order: section 2, sections 3..7,
// byte 0 of 38 and 39, section 29, the stack count and words, the hex record.
// A field that is no integer throws ConversionError; the fields before it
// stay written. MapWidth and MapHeight do not change.
void RetainHexEditTexts(MapDocument& doc, HexPos hex, const HexEditTexts& texts);

// The bit names offered for hex record byte `byte` (0..3), bit 0 first.
std::array<std::string_view, 8> TerrainBitItems(int byte);
// The items shown before a terrain byte was chosen.
std::array<std::string, 8> InitialTerrainItems();

// A byte cell with bit `bit` (0..7) flipped, as decimal text; throws
// ConversionError when the cell is no integer.
std::string ToggleTerrainBitText(std::string_view cell, int bit);

// The hex record bytes kept by "Copy S8" for "Paste S8"; all zero at start
// and kept across loads.
struct MapHexRecordClipboard {
  std::array<uint8_t, MapHexRecordSize> Bytes{};

  // The hex's record as it is in the map (zeros for a hex without one).
  void Copy(const MapDocument& doc, HexPos hex);
  // Writes the bytes into the hex's record; false, and nothing written, when
  // the hex has none.
  bool Paste(MapDocument& doc, HexPos hex) const;
};

// The decoded bytes of section `id` as the dump writes them, or nullopt when
// there is no such section or it is empty.
std::optional<std::span<const uint8_t>> SectionDumpBytes(const MapDocument& doc, int id);
inline constexpr std::string_view SectionDumpFilter = "Section Dump (*.s*)|*.s*|All Files (*.*)|*.*";
inline constexpr std::string_view SectionDumpTitlePrefix = "Dump Section ";

}  // namespace qrl::map
