#pragma once
// Elevation questions about one hex and its six neighbours, asked through the
// document's checked accessors: a hex without a record (outside its section's
// storage) has no elevation, and a neighbour without one is skipped.
#include <cstdint>
#include <optional>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

// The signed 16-bit little-endian value at `offset` of the hex's
// MapHexRecord (the elevation lives at HexRecord::Elevation); nullopt when
// the hex has no record or the value would not lie inside it.
std::optional<int> HexElevation(const MapDocument& doc, int col, int row, int offset = HexRecord::Elevation);

// The elevation truncated to its ten: 15 -> 1, -3 -> 0.
inline int ElevationLevel(int elevation) { return elevation / 10; }

// The HexDirMask of the neighbours whose level (elevation / 10, truncated
// toward zero) is above the hex's own. 0 for a hex with a negative elevation
// (water, swamp) or without a record.
uint8_t HexSlopeMask(const MapDocument& doc, int col, int row, int offset = HexRecord::Elevation);

// Lower bound of MaxNeighbourElevation: what a hex with no neighbour above it
// reports.
inline constexpr int NoNeighbourElevation = -100;

// The largest elevation among the neighbours that have a record, and never
// below NoNeighbourElevation.
int MaxNeighbourElevation(const MapDocument& doc, int col, int row, int offset = HexRecord::Elevation);

}  // namespace qrl::map
