#include "scenarioeditor/core/csvunitfile.h"

#include <cstdio>
#include <vector>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view NameHeading = "'00-0F";

bool NeedsQuotes(std::string_view name) { return name.find_first_of(",\"\r\n") != std::string_view::npos; }

std::string CsvName(std::string_view name) {
  if (!NeedsQuotes(name)) return std::string(name);
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string HeadingLine() {
  std::string line(NameHeading);
  line += ',';
  for (int k = RecordLayout::Unit::FirstCsvByte; k < RecordLayout::UnitRecordSize; ++k) {
    char field[16];
    std::snprintf(field, sizeof field, "'%02X,", k);
    line += field;
  }
  return line + std::string(LineEnd);
}

// One line of the file split into fields, and whether a "," outside quotes
// separated any of them.
struct CsvLine {
  std::vector<std::string> Fields;
  bool HasSeparator = false;
};

// Reads the file line by line; a quoted field may span line ends.
class CsvReader {
 public:
  explicit CsvReader(std::span<const uint8_t> file) : File(file) {}

  bool AtEnd() const { return At >= File.size(); }

  CsvLine NextLine() {
    CsvLine line;
    for (;;) {
      line.Fields.push_back(NextField());
      if (AtEnd()) break;
      if (File[At] == ',') {
        ++At;
        line.HasSeparator = true;
        continue;
      }
      SkipLineEnd();
      break;
    }
    return line;
  }

 private:
  bool AtLineEnd() const {
    return File[At] == '\n' || (File[At] == '\r' && At + 1 < File.size() && File[At + 1] == '\n');
  }
  void SkipLineEnd() { At += File[At] == '\r' ? 2 : 1; }

  // Up to (not over) the next "," or line end outside quotes.
  std::string NextField() {
    std::string field;
    if (!AtEnd() && File[At] == '"') {
      ++At;
      while (!AtEnd()) {
        const char c = char(File[At++]);
        if (c != '"') {
          field += c;
        } else if (!AtEnd() && File[At] == '"') {
          field += '"';
          ++At;
        } else {
          break;
        }
      }
    }
    while (!AtEnd() && File[At] != ',' && !AtLineEnd()) field += char(File[At++]);
    return field;
  }

  std::span<const uint8_t> File;
  size_t At = 0;
};

void PasteUnitLine(std::span<uint8_t> unit, const CsvLine& line) {
  if (!line.HasSeparator) return;
  SetFieldText(unit, RecordLayout::Unit::Name, RecordLayout::Unit::NameFieldSize, line.Fields[0]);
  const size_t values = std::min<size_t>(line.Fields.size() - 1, CsvValueCount);
  for (size_t i = 0; i < values; ++i)
    SetFieldByte(unit, RecordLayout::Unit::FirstCsvByte + int32_t(i), CsvFieldByte(line.Fields[i + 1]));
}

}  // namespace

std::string CsvUnitFileText(const GameFileSlots& fileSlots, int side, int unitCount) {
  std::string text = HeadingLine();
  for (int u = 0; u < unitCount; ++u) {
    const auto unit = UnitRecordAt(fileSlots, side, u);
    text += CsvName(UnitName(unit));
    for (int k = RecordLayout::Unit::FirstCsvByte; k < RecordLayout::UnitRecordSize; ++k) {
      text += ',';
      text += std::to_string(FieldByteOrZero(unit, k));
    }
    text += LineEnd;
  }
  return text;
}

uint8_t CsvFieldByte(std::string_view field) { return DecimalLowByte(field).value_or(0); }

void PasteCsvUnitFile(GameFileSlots& fileSlots, int side, std::span<const uint8_t> file) {
  CsvReader reader(file);
  if (!reader.AtEnd()) reader.NextLine();  // the heading
  for (int unit = 0; unit < UnitsPerSide && !reader.AtEnd(); ++unit)
    PasteUnitLine(UnitRecordAt(fileSlots, side, unit), reader.NextLine());
}

}  // namespace qrl::scen
