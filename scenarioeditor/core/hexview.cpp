#include "scenarioeditor/core/hexview.h"

#include <algorithm>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/celltext.h"
#include "scenarioeditor/core/sectiondump.h"

namespace qrl::scen {

namespace {

constexpr int HexBase = 16;
constexpr int ColumnTitleDigits = 2;
constexpr int LineTitleDigits = 4;
constexpr int ByteDigits = 2;
constexpr int FirstPrintable = 32, LastPrintable = 127;
constexpr uint64_t HexValueLimit = uint64_t(1) << 32;
constexpr const char* HexPrefix = "0x";

QString UpperHex(int64_t value, int digits) {
  return QString::number(value, HexBase).toUpper().rightJustified(digits, u'0');
}

QString ByteText(HexMode mode, uint8_t x) {
  switch (mode) {
    case HexMode::Combo:
      if (x >= FirstPrintable && x <= LastPrintable) return QString(QChar(char16_t(x)));
      return UpperHex(x, ByteDigits);
    case HexMode::Hex:
      return UpperHex(x, ByteDigits);
    case HexMode::Dec:
      return QString::number(x);
  }
  return {};
}

int64_t SlotStart(const GameFileSlots& fileSlots, int slot) {
  return slot >= 0 && slot < SlotCount ? fileSlots.SlotOffset[size_t(slot)] : 0;
}

// The image position of byte `index` of the view (counted from its first
// byte), or nullopt beyond an image of imageSize bytes.
std::optional<int64_t> ViewPosition(const GameFileSlots& fileSlots, const HexViewState& view, int64_t imageSize,
                                    int64_t index) {
  const int64_t position = SlotStart(fileSlots, view.HexSection) + view.HexOffset + index;
  if (position < 0 || position >= imageSize) return std::nullopt;
  return position;
}

std::optional<int64_t> CellPosition(const GameFileSlots& fileSlots, const HexViewState& view, int64_t imageSize,
                                    int col, int row) {
  if (row < 1 || row >= HexRows || col < 1 || col > view.BytesPerLine) return std::nullopt;
  return ViewPosition(fileSlots, view, imageSize, int64_t(row - 1) * view.BytesPerLine + (col - 1));
}

bool ScrollDown(const GameFileSlots& fileSlots, HexViewState& view, int lines) {
  const int64_t step = int64_t(lines) * view.BytesPerLine;
  if (!ViewPosition(fileSlots, view, LoadedImageSize(fileSlots), step)) return false;
  view.HexOffset += step;
  return true;
}

void ScrollUp(HexViewState& view, int lines) {
  view.HexOffset = std::max<int64_t>(0, view.HexOffset - int64_t(lines) * view.BytesPerLine);
}

[[noreturn]] void ThrowHexError(const QString& text) {
  throw ConversionError((QString(HexPrefix) + text).toStdString());
}

int HexDigitValue(QChar c) {
  constexpr int TenAsHex = 10;
  const char16_t u = c.unicode();
  if (u >= u'0' && u <= u'9') return u - u'0';
  if (u >= u'A' && u <= u'F') return u - u'A' + TenAsHex;
  if (u >= u'a' && u <= u'f') return u - u'a' + TenAsHex;
  return -1;
}

uint8_t ParseHexDigits(const QString& text) {
  if (text.isEmpty()) ThrowHexError(text);
  uint64_t value = 0;
  for (QChar c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) ThrowHexError(text);
    value = value * HexBase + uint64_t(digit);
    if (value >= HexValueLimit) ThrowHexError(text);
  }
  return uint8_t(value);
}

// A one-character text's Windows-1252 byte; nullopt for a character the
// code page has no byte for (its "?" would store a byte nobody typed).
std::optional<uint8_t> CharacterByte(const QString& text) {
  const std::string bytes = BytesFromText(text);
  if (bytes.size() != 1 || (bytes[0] == '?' && text != u"?")) return std::nullopt;
  return uint8_t(bytes[0]);
}

}  // namespace

int HexColumnCount(int bytesPerLine) {
  return bytesPerLine > NarrowHexColumnCount - 1 ? bytesPerLine + 1 : NarrowHexColumnCount;
}

int HexFontSizeOf(HexMode mode) { return mode == HexMode::Dec ? DecHexFontSize : HexFontSize; }

CellTable FillHexGrid(const GameFileSlots& fileSlots, const HexViewState& view) {
  const int columns = HexColumnCount(view.BytesPerLine);
  const int64_t bytesPerLine = view.BytesPerLine;
  const int64_t imageSize = LoadedImageSize(fileSlots);
  CellTable cells(columns, HexRows);
  for (int col = 1; col < columns; ++col) cells.SetCell(col, 0, UpperHex(col - 1, ColumnTitleDigits));
  for (int row = 1; row < HexRows; ++row) {
    const int64_t lineStart = view.HexOffset + (row - 1) * bytesPerLine;
    cells.SetCell(0, row, UpperHex(lineStart / bytesPerLine, LineTitleDigits));
    for (int col = 1; col < columns; ++col) {
      if (auto position = CellPosition(fileSlots, view, imageSize, col, row))
        cells.SetCell(col, row, ByteText(view.Mode, fileSlots.GameFileBuf[size_t(*position)]));
    }
  }
  return cells;
}

std::optional<int64_t> HexCellPosition(const GameFileSlots& fileSlots, const HexViewState& view, int col, int row) {
  return CellPosition(fileSlots, view, LoadedImageSize(fileSlots), col, row);
}

bool SetBytesPerLine(HexViewState& view, const QString& text) {
  const std::optional<int32_t> value = TryStrToInt(text.toStdString());
  if (!value || *value < MinBytesPerLine || *value > MaxBytesPerLine) return false;
  view.BytesPerLine = *value;
  return true;
}

void SetHexSection(HexViewState& view, int slot) { view.HexSection = std::clamp(slot, 0, MaxHexSection); }

void LineUp(HexViewState& view) { ScrollUp(view, 1); }
void PageUp(HexViewState& view) { ScrollUp(view, HexLines); }
bool LineDown(const GameFileSlots& fileSlots, HexViewState& view) { return ScrollDown(fileSlots, view, 1); }
bool PageDown(const GameFileSlots& fileSlots, HexViewState& view) { return ScrollDown(fileSlots, view, HexLines); }

uint8_t ParseHexCellText(HexMode mode, const QString& text) {
  switch (mode) {
    case HexMode::Combo:
      if (text.size() == 1)
        if (auto byte = CharacterByte(text)) return *byte;
      return ParseHexDigits(text);
    case HexMode::Hex:
      return ParseHexDigits(text);
    case HexMode::Dec:
      return uint8_t(uint32_t(StrToInt(text.toStdString())));
  }
  return 0;
}

RetainOutcome RetainHexCell(GameFileSlots& fileSlots, const HexViewState& view, int col, int row,
                            const QString& text) {
  const std::optional<int64_t> position = HexCellPosition(fileSlots, view, col, row);
  if (!position) return RetainOutcome::NoLoadedByte;
  fileSlots.GameFileBuf[size_t(*position)] = ParseHexCellText(view.Mode, text);
  return RetainOutcome::Stored;
}

}  // namespace qrl::scen
