#include "scenarioeditor/core/dicedata.h"

#include <limits>
#include <memory>

#include "gamefile/cp1252.h"
#include "gamefile/fileio.h"

namespace qrl::scen {

namespace {

// The white space of scanf in the C locale.
bool IsScanSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipScanSpace(std::string_view line, size_t pos) {
  while (pos < line.size() && IsScanSpace(line[pos])) ++pos;
  return pos;
}

// A decimal field as "%d" and "%hd" take it: white space, an optional sign,
// one or more digits. The digits are kept as text so that each reader can
// decide what to do with a number beyond its range.
struct DecimalField {
  bool Negative = false;
  std::string_view Digits;
};

// The field starting at pos (after white space), and pos moved past it;
// nullopt when no digit follows, which ends a scan.
std::optional<DecimalField> ScanDecimalField(std::string_view line, size_t& pos) {
  size_t i = SkipScanSpace(line, pos);
  DecimalField field;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) field.Negative = line[i++] == '-';
  size_t start = i;
  while (i < line.size() && IsDigit(line[i])) ++i;
  if (i == start) return std::nullopt;
  field.Digits = line.substr(start, i - start);
  pos = i;
  return field;
}

// The field's value, held at the int64 limits so that a huge count still
// reads as huge (and a huge negative one as below 1).
int64_t SaturatedValue(const DecimalField& field) {
  constexpr int64_t limit = std::numeric_limits<int64_t>::max();
  int64_t value = 0;
  for (char c : field.Digits) {
    int digit = c - '0';
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
  }
  return field.Negative ? -value : value;
}

// The low 16 bits of the field's value, as a 16-bit store keeps them; they
// depend only on the low 16 bits of every partial sum.
int16_t Low16Bits(const DecimalField& field) {
  uint32_t value = 0;
  for (char c : field.Digits) value = (value * 10 + uint32_t(c - '0')) & 0xFFFF;
  if (field.Negative) value = (0x10000 - value) & 0xFFFF;
  return int16_t(uint16_t(value));
}

// Up to seven numbers; the scan stops at the first field that is no number,
// leaving the values after it as they were.
void ScanRollLine(std::string_view line, std::array<int16_t, RollValueCount>& values) {
  size_t pos = 0;
  for (int16_t& value : values) {
    std::optional<DecimalField> field = ScanDecimalField(line, pos);
    if (!field) return;
    value = Low16Bits(*field);
  }
}

QString FromCp1252(std::string_view bytes) { return QString::fromStdU16String(DecodeCp1252(bytes)); }

// The name line's first word (a run of bytes that are no white space) is the
// country, with every '_' read as a blank; the description is the whole line
// with the same underscores turned into blanks, up to its first byte below 32.
void DecodeNameLine(std::string line, Dice_Data& set) {
  size_t wordStart = SkipScanSpace(line, 0);
  size_t wordEnd = wordStart;
  while (wordEnd < line.size() && !IsScanSpace(line[wordEnd])) ++wordEnd;
  for (size_t i = wordStart; i < wordEnd; ++i)
    if (line[i] == '_') line[i] = ' ';
  size_t descriptionEnd = 0;
  while (descriptionEnd < line.size() && static_cast<unsigned char>(line[descriptionEnd]) >= 32) ++descriptionEnd;
  set.Country = FromCp1252(std::string_view(line).substr(wordStart, wordEnd - wordStart));
  set.Description = FromCp1252(std::string_view(line).substr(0, descriptionEnd));
}

void ReadSet(TextModeReader& file, Dice_Data& set) {
  DecodeNameLine(ReadDataLine(file), set);
  for (auto& values : set.roll) ScanRollLine(ReadDataLine(file), values);
}

// Fills the two "%d" of format; the count may lie beyond 32 bits.
QString FormatTwoNumbers(std::string_view format, int64_t first, int64_t second) {
  QString text = TableText(format);
  for (int64_t number : {first, second}) text.replace(text.indexOf(QLatin1String("%d")), 2, QString::number(number));
  return text;
}

DiceMessage Message(std::string_view text, std::string_view caption) { return {TableText(text), TableText(caption)}; }

}  // namespace

std::string ReadDataLine(TextModeReader& file) {
  std::string line;
  do {
    line = file.ReadLine(DataLineMaxChars + 1);
  } while (!line.empty() && line[0] == CommentLineMark);
  // What follows a zero byte is invisible to the C string the line was read into.
  size_t zero = line.find('\0');
  if (zero != std::string::npos) line.resize(zero);
  return line;
}

DiceLoadOutcome LoadDiceData(std::span<const unsigned char> fileBytes, DiceTable& table) {
  TextModeReader file(fileBytes);
  std::string countLine = ReadDataLine(file);
  size_t pos = 0;
  std::optional<DecimalField> countField = ScanDecimalField(countLine, pos);
  int64_t count = countField ? SaturatedValue(*countField) : 0;
  if (count < 1) return {DiceLoadStatus::NotDiceStatFile, Message(NotDiceStatFileText, NotDiceStatFileCaption)};

  DiceLoadOutcome outcome;
  if (count > MaxDiceSets) {
    outcome.Status = DiceLoadStatus::Truncated;
    outcome.Box = DiceMessage{FormatTwoNumbers(TruncatingTextFormat, count, MaxDiceSets), TableText(TruncatingCaption)};
    count = MaxDiceSets;
  }
  auto fresh = std::make_unique<DiceTable>();
  fresh->DiceCount = int32_t(count);
  for (int32_t i = 0; i < fresh->DiceCount; ++i) ReadSet(file, fresh->DiceData[size_t(i)]);
  table = std::move(*fresh);
  return outcome;
}

DiceLoadOutcome LoadDiceStatFile(const std::string& path, DiceTable& table) {
  std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(path);
  if (!bytes) return {DiceLoadStatus::CouldNotOpen, Message(CouldNotOpenText, CouldNotOpenCaption)};
  return LoadDiceData(*bytes, table);
}

}  // namespace qrl::scen
