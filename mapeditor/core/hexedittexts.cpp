#include "mapeditor/core/hexedittexts.h"

#include "gamefile/strtoint.h"

namespace qrl::map {

namespace {

constexpr int BitsPerByte = 8;
constexpr uint32_t TileWordMask = 0xFFFF;

int LayerSection(int row) { return BaseLayerSection + row; }
bool IsOverlayRow(int row) { return row > 0; }

std::string ByteText(std::optional<uint8_t> value) { return std::to_string(value.value_or(0)); }

std::optional<uint8_t> SectionFirstByte(const MapDocument& doc, int id) {
  const auto bytes = doc.Section(id);
  if (bytes.empty()) return std::nullopt;
  return bytes[0];
}

void SetSectionFirstByte(MapDocument& doc, int id, uint8_t value) {
  const auto bytes = doc.Section(id);
  if (!bytes.empty()) bytes[0] = value;
}

uint16_t StackWord(std::span<const uint8_t> stack, int k) {
  if (stack.empty()) return 0;
  return uint16_t(stack[size_t(2 * k)] | (stack[size_t(2 * k + 1)] << 8));
}

}  // namespace

TileWordTexts ShowTileWord(uint16_t word, bool overlay) {
  const int file = TileWordFile(word);
  if (overlay && file > LastShownOverlayFile) return {std::string(NoOverlayText), std::string(NoOverlayText)};
  return {std::to_string(file), std::to_string(TileWordImage(word))};
}

uint16_t ParseTileWord(const TileWordTexts& texts, bool overlay) {
  if (overlay && texts.File == NoOverlayText) return EmptyTileWord;
  const int64_t file = StrToInt(texts.File);
  const int64_t icon = StrToInt(texts.Icon);
  return uint16_t(uint64_t(file * ImagesPerShpFile + icon) & TileWordMask);
}

uint8_t ParseByteText(std::string_view text) { return uint8_t(StrToInt(text) & 0xFF); }

HexEditTexts LoadHexEditTexts(const MapDocument& doc, HexPos hex) {
  HexEditTexts t;
  for (int row = 0; row < LayerRows; ++row)
    t.Layers[size_t(row)] = ShowTileWord(doc.TileWordAt(LayerSection(row), hex.Col, hex.Row).value_or(0), IsOverlayRow(row));
  t.Width = ByteText(SectionFirstByte(doc, MapWidthSection));
  t.Height = ByteText(SectionFirstByte(doc, MapHeightSection));
  t.HexByte = ByteText(doc.HexByteAt(hex.Col, hex.Row));
  const auto stack = doc.TileStackAt(hex.Col, hex.Row);
  t.StackCount = ByteText(stack.empty() ? std::nullopt : std::optional<uint8_t>(stack[TileStackCountByte]));
  for (int k = 1; k <= StackRows; ++k) t.Stack[size_t(k - 1)] = ShowTileWord(StackWord(stack, k), false);
  const auto record = doc.MapHexRecordAt(hex.Col, hex.Row);
  for (int i = 0; i < HexRecordRows; ++i)
    t.HexRecord[size_t(i)] = ByteText(record.empty() ? std::nullopt : std::optional<uint8_t>(record[size_t(i)]));
  return t;
}

void RetainHexEditTexts(MapDocument& doc, HexPos hex, const HexEditTexts& t) {
  for (int row = 0; row < LayerRows; ++row)
    doc.SetTileWordAt(LayerSection(row), hex.Col, hex.Row, ParseTileWord(t.Layers[size_t(row)], IsOverlayRow(row)));
  SetSectionFirstByte(doc, MapWidthSection, ParseByteText(t.Width));
  SetSectionFirstByte(doc, MapHeightSection, ParseByteText(t.Height));
  doc.SetHexByteAt(hex.Col, hex.Row, ParseByteText(t.HexByte));
  const uint8_t count = ParseByteText(t.StackCount);
  const auto stack = doc.TileStackAt(hex.Col, hex.Row);
  if (!stack.empty()) stack[TileStackCountByte] = count;
  for (int k = 1; k <= StackRows; ++k) {
    const uint16_t word = ParseTileWord(t.Stack[size_t(k - 1)], false);
    if (!stack.empty()) PutTileWord(&stack[size_t(2 * k)], word);
  }
  const auto record = doc.MapHexRecordAt(hex.Col, hex.Row);
  for (int i = 0; i < HexRecordRows; ++i) {
    const uint8_t value = ParseByteText(t.HexRecord[size_t(i)]);
    if (!record.empty()) record[size_t(i)] = value;
  }
}

std::array<std::string_view, 8> TerrainBitItems(int byte) {
  if (byte < 0 || byte >= TerrainByteRows) return {};
  return TerrainBitNames[size_t(byte)];
}

std::array<std::string, 8> InitialTerrainItems() {
  return {"0 Bit 0", "0 Bit 1", "0 Bit 2", "0 Bit 3", "0 Stone Bldg", "0 Wood Bldg", "0 Bit 6", "0 Bit 7"};
}

std::string ToggleTerrainBitText(std::string_view cell, int bit) {
  const int32_t value = StrToInt(cell);
  if (bit < 0 || bit >= BitsPerByte) return std::to_string(value);
  return std::to_string(value ^ (int32_t(1) << bit));
}

void MapHexRecordClipboard::Copy(const MapDocument& doc, HexPos hex) {
  const auto record = doc.MapHexRecordAt(hex.Col, hex.Row);
  Bytes.fill(0);
  if (!record.empty()) std::copy(record.begin(), record.end(), Bytes.begin());
}

bool MapHexRecordClipboard::Paste(MapDocument& doc, HexPos hex) const {
  const auto record = doc.MapHexRecordAt(hex.Col, hex.Row);
  if (record.empty()) return false;
  std::copy(Bytes.begin(), Bytes.end(), record.begin());
  return true;
}

std::optional<std::span<const uint8_t>> SectionDumpBytes(const MapDocument& doc, int id) {
  if (id < 0 || id >= SectionTableSize || doc.SectionSize[size_t(id)] < 1) return std::nullopt;
  return doc.Section(id);
}

}  // namespace qrl::map
