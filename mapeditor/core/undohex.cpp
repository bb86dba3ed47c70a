#include "mapeditor/core/undohex.h"

#include <algorithm>
#include <span>

namespace qrl::map {

namespace {

// Copies `from` into `to` when both have the same size (a record present in both).
template <size_t N>
bool CopyOut(std::span<const uint8_t> from, std::array<uint8_t, N>& to) {
  if (from.size() != N) return false;
  std::copy(from.begin(), from.end(), to.begin());
  return true;
}

template <size_t N>
void CopyBack(const std::array<uint8_t, N>& from, std::span<uint8_t> to) {
  if (to.size() == N) std::copy(from.begin(), from.end(), to.begin());
}

}  // namespace

UndoHex SaveUndoHex(const MapDocument& doc, int col, int row) {
  UndoHex undo;
  undo.Col = col;
  undo.Row = row;
  for (int layer = 0; layer < UndoTileLayers; ++layer) {
    const std::optional<uint16_t> word = doc.TileWordAt(BaseLayerSection + layer, col, row);
    undo.HasTileWord[size_t(layer)] = word.has_value();
    PutTileWord(undo.TileWords.data() + size_t(layer) * TileWordSize, word.value_or(0));
  }
  const std::optional<uint8_t> hexByte = doc.HexByteAt(col, row);
  undo.HasHexByte = hexByte.has_value();
  undo.HexByte = hexByte.value_or(0);
  undo.HasHexRecord = CopyOut(doc.MapHexRecordAt(col, row), undo.HexRecord);
  undo.HasTileStack = CopyOut(doc.TileStackAt(col, row), undo.TileStack);
  return undo;
}

void RestoreUndoHex(MapDocument& doc, const UndoHex& undo) {
  for (int layer = 0; layer < UndoTileLayers; ++layer) {
    if (!undo.HasTileWord[size_t(layer)]) continue;
    const uint8_t* word = undo.TileWords.data() + size_t(layer) * TileWordSize;
    doc.SetTileWordAt(BaseLayerSection + layer, undo.Col, undo.Row, uint16_t(word[0] | (word[1] << 8)));
  }
  if (undo.HasHexByte) doc.SetHexByteAt(undo.Col, undo.Row, undo.HexByte);
  if (undo.HasHexRecord) CopyBack(undo.HexRecord, doc.MapHexRecordAt(undo.Col, undo.Row));
  if (undo.HasTileStack) CopyBack(undo.TileStack, doc.TileStackAt(undo.Col, undo.Row));
}

}  // namespace qrl::map
