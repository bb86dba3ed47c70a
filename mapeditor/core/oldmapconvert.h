#pragma once
// Conversion of the maps of the two older game generations (KX2 version 1.1
// and KXZKT files, magic "BRUND2_SAVE_V100"; KX3 files, "BRUND3_SAVE_V100")
// into the loaded map. The older sections are poured into the loaded map's
// sections of the same ids, the older per-hex records re-laid into the current
// layouts, and the KX2 tiles renumbered for the current terrain graphics.
#include <array>
#include <cstdint>
#include <span>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

enum class OldMapStatus {
  Converted,
  NotOldMapFile,  // the first line is not the generation's magic
  DoesNotFit,     // an older section does not fit the loaded map; nothing changed
};

// Per-hex record sizes of the older generations (both lay 80 rows per column).
inline constexpr int32_t Kx2HexRecordSize = 12;
inline constexpr int32_t Kx3HexRecordSize = 19;
inline constexpr int32_t OldTileStackSize = 13;
inline constexpr int32_t OldMapStride = SmallMapStride;

// The HexDirMask of each road piece of terrain graphics file 24 in KX2 maps:
// secondary-road image i (0..37) and paved-road image 52 + i use entry i.
inline constexpr int RoadTileMaskSize = 38;
extern const std::array<uint8_t, RoadTileMaskSize> RoadTileMask;

// The KX2 conversion, "Use KXZKT Buildings" as `useKxzktBuildings`. Every
// older section is decoded and checked before anything changes: on any
// outcome but Converted the document is left exactly as it was. Per-hex
// sections (2..8, 28) need a loaded map of 80 rows per column whose section
// holds at least as many records as the older one; 16, 20, 29, 38 and 39
// replace the loaded sections whole and the buffer is laid out anew, as the
// loader lays it. MapWidth, MapHeight, MapStride and MapKind stay.
OldMapStatus ConvertKx2Map(MapDocument& doc, std::span<const uint8_t> file, bool useKxzktBuildings);

// The KX3 conversion, with the same contract.
OldMapStatus ConvertKx3Map(MapDocument& doc, std::span<const uint8_t> file);

// Copies the base-layer TileWord (section 2) and the 20-byte MapHexRecord
// (section 8) of hex `source` to hex `destination`; each copy is skipped
// where either hex has no record in that section.
void CopyHexTerrain(MapDocument& doc, HexPos destination, HexPos source);

}  // namespace qrl::map
