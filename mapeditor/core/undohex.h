#pragma once
// The one-hex undo record: every byte a stamp or a retained inspection may
// change in one hex, copied out before the change and written back by Undo.
// Only the last change can be undone; the main window's UndoBtn says whether
// the record is still good to write back.
#include <array>
#include <cstdint>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

inline constexpr int UndoTileLayers = LastOverlaySection - BaseLayerSection + 1;  // sections 2..7

struct UndoHex {
  int Col = 0;
  int Row = 0;
  // The TileWord of the hex in sections 2..7, each low byte then high byte.
  std::array<uint8_t, size_t(UndoTileLayers) * TileWordSize> TileWords{};
  uint8_t HexByte = 0;                                  // section 29
  std::array<uint8_t, MapHexRecordSize> HexRecord{};    // section 8
  std::array<uint8_t, TileStackSize> TileStack{};       // section 28

  // Which of the parts above the hex had a record for when it was saved
  // (a section too short for the hex has none); only those are written back.
  std::array<bool, UndoTileLayers> HasTileWord{};
  bool HasHexByte = false;
  bool HasHexRecord = false;
  bool HasTileStack = false;
};

// Copies the hex's bytes of sections 2..7, 29, 8 and 28, at the sections'
// current offsets, into a record.
UndoHex SaveUndoHex(const MapDocument& doc, int col, int row);

// Writes the record back into its hex at the sections' current offsets.
// Parts the hex had no record for when saved, or has none for now, are left
// alone, so a record never writes outside the hex's records.
void RestoreUndoHex(MapDocument& doc, const UndoHex& undo);

}  // namespace qrl::map
