#include "mapeditor/core/regiontext.h"

#include <array>
#include <cstdio>
#include <limits>
#include <optional>

#include "gamefile/strtoint.h"

namespace qrl::map {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr int ClipboardKind = CurrentMapKind;
constexpr int64_t ClipboardMaxWidth = 99;
constexpr int64_t ClipboardMaxHeight = 79;

using HexValues = std::array<uint8_t, RegionHexValues>;

// Where the values of a hex line come from, in line order.
constexpr int HexByteValue = 0;
constexpr int FirstTileWordValue = 1;   // sections 2..7, two values each
constexpr int FirstHexRecordValue = 13;
constexpr int FirstTileStackValue = 33;

bool HexHasEveryRecord(const MapDocument& doc, HexPos hex) {
  for (int id = BaseLayerSection; id <= LastOverlaySection; ++id)
    if (!doc.TileWordAt(id, hex.Col, hex.Row)) return false;
  return doc.HexByteAt(hex.Col, hex.Row) && !doc.MapHexRecordAt(hex.Col, hex.Row).empty() &&
         !doc.TileStackAt(hex.Col, hex.Row).empty();
}

bool InsideMap(const MapDocument& doc, int64_t col, int64_t row) {
  return col >= 0 && row >= 0 && col < doc.MapWidth && row < doc.MapHeight;
}

// Only for a hex that has every record.
HexValues ReadHex(const MapDocument& doc, HexPos hex) {
  HexValues v{};
  v[HexByteValue] = *doc.HexByteAt(hex.Col, hex.Row);
  for (int id = BaseLayerSection; id <= LastOverlaySection; ++id) {
    const uint16_t word = *doc.TileWordAt(id, hex.Col, hex.Row);
    const size_t at = size_t(FirstTileWordValue + 2 * (id - BaseLayerSection));
    v[at] = uint8_t(word & 0xFF);
    v[at + 1] = uint8_t(word >> 8);
  }
  const auto record = doc.MapHexRecordAt(hex.Col, hex.Row);
  std::copy(record.begin(), record.end(), v.begin() + FirstHexRecordValue);
  const auto stack = doc.TileStackAt(hex.Col, hex.Row);
  std::copy(stack.begin(), stack.end(), v.begin() + FirstTileStackValue);
  return v;
}

void WriteHex(MapDocument& doc, HexPos hex, const HexValues& v) {
  doc.SetHexByteAt(hex.Col, hex.Row, v[HexByteValue]);
  for (int id = BaseLayerSection; id <= LastOverlaySection; ++id) {
    const size_t at = size_t(FirstTileWordValue + 2 * (id - BaseLayerSection));
    doc.SetTileWordAt(id, hex.Col, hex.Row, uint16_t(v[at] | (v[at + 1] << 8)));
  }
  const auto record = doc.MapHexRecordAt(hex.Col, hex.Row);
  std::copy_n(v.begin() + FirstHexRecordValue, record.size(), record.begin());
  const auto stack = doc.TileStackAt(hex.Col, hex.Row);
  std::copy_n(v.begin() + FirstTileStackValue, stack.size(), stack.begin());
}

std::string Right3(int64_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%3lld", static_cast<long long>(value));
  return text;
}

// Reads the text line by line; a line ends at LF or CR LF.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : Text(text) {}
  std::optional<std::string_view> Next() {
    if (At >= Text.size()) return std::nullopt;
    size_t end = Text.find('\n', At);
    if (end == std::string_view::npos) end = Text.size();
    std::string_view line = Text.substr(At, end - At);
    At = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  }

 private:
  std::string_view Text;
  size_t At = 0;
};

// "%d" read where `text` starts, saturated to 64 bits: white space skipped,
// an optional sign, digits; nullopt without a digit.
std::optional<int64_t> ScanInteger(std::string_view text, size_t& at) {
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (at < text.size() && isSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  const size_t firstDigit = at;
  constexpr int64_t Limit = std::numeric_limits<int64_t>::max() / 10 - 10;
  int64_t value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
    if (value < Limit) value = value * 10 + (text[at] - '0');
  if (at == firstDigit) return std::nullopt;
  return negative ? -value : value;
}

struct RegionHeader {
  int64_t Kind = 0, Width = 0, Height = 0;
};

std::optional<RegionHeader> ParseHeader(std::string_view line) {
  size_t at = 0;
  auto kind = ScanInteger(line, at);
  auto width = kind ? ScanInteger(line, at) : std::nullopt;
  auto height = width ? ScanInteger(line, at) : std::nullopt;
  if (!height) return std::nullopt;
  return RegionHeader{*kind, *width, *height};
}

bool ClipboardAccepts(const RegionHeader& h) {
  return h.Kind == ClipboardKind && h.Width >= 1 && h.Width <= ClipboardMaxWidth && h.Height >= 1 &&
         h.Height <= ClipboardMaxHeight;
}

// Value i starts in column 4i; nullopt when any column yields no number.
std::optional<HexValues> ParseHexLine(std::string_view line) {
  HexValues v{};
  for (size_t i = 0; i < v.size(); ++i) {
    const size_t column = i * RegionValueWidth;
    if (column >= line.size()) return std::nullopt;
    auto value = DecimalLowByte(line.substr(column));
    if (!value) return std::nullopt;
    v[i] = *value;
  }
  return v;
}

}  // namespace

RegionCopyCheck CheckRegionCopy(const MapDocument& doc, const RegionRect& rect) {
  if (rect.Width() < 1 || rect.Height() < 1) return RegionCopyCheck::Empty;
  if (doc.MapKind == NoMapKind) return RegionCopyCheck::NoMap;
  if (!InsideMap(doc, rect.X0, rect.Y0) || !InsideMap(doc, rect.X1, rect.Y1)) return RegionCopyCheck::OutsideMap;
  for (int64_t y = rect.Y0; y <= rect.Y1; ++y)
    for (int64_t x = rect.X0; x <= rect.X1; ++x)
      if (!HexHasEveryRecord(doc, HexPos{int(x), int(y)})) return RegionCopyCheck::OutsideMap;
  return RegionCopyCheck::Copy;
}

std::string RegionText(const MapDocument& doc, const RegionRect& rect) {
  std::string text = Right3(doc.MapKind) + " " + Right3(rect.Width()) + " " + Right3(rect.Height()) + std::string(LineEnd);
  text.reserve(text.size() + size_t(rect.Width() * rect.Height()) * (RegionHexValues * RegionValueWidth + LineEnd.size()));
  for (int64_t y = rect.Y0; y <= rect.Y1; ++y)
    for (int64_t x = rect.X0; x <= rect.X1; ++x) {
      const HexPos hex{int(x), int(y)};
      if (!HexHasEveryRecord(doc, hex)) continue;  // the caller's check keeps such hexes out
      for (uint8_t value : ReadHex(doc, hex)) text += Right3(value) + " ";
      text += LineEnd;
    }
  return text;
}

RegionPasteResult PasteRegionText(MapDocument& doc, int64_t x, int64_t y, std::string_view text, RegionSource source) {
  LineReader lines(text);
  const auto headerLine = lines.Next();
  const auto header = headerLine ? ParseHeader(*headerLine) : std::nullopt;
  if (!header || (source == RegionSource::Clipboard && !ClipboardAccepts(*header))) return {RegionPasteStatus::BadHeader};
  RegionPasteResult result;
  if (header->Width < 1 || header->Height < 1) return result;
  for (int64_t row = 0; row < header->Height; ++row)
    for (int64_t col = 0; col < header->Width; ++col) {
      const auto line = lines.Next();
      if (!line) return result;
      const int64_t hx = x + col, hy = y + row;
      if (!InsideMap(doc, hx, hy)) continue;
      const HexPos hex{int(hx), int(hy)};
      if (!HexHasEveryRecord(doc, hex)) continue;
      if (auto values = ParseHexLine(*line)) {
        WriteHex(doc, hex, *values);
        ++result.HexesWritten;
      }
    }
  return result;
}

}  // namespace qrl::map
