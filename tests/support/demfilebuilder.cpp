#include "tests/support/demfilebuilder.h"

#include <algorithm>
#include <stdexcept>

namespace qrl::test {

namespace {

constexpr uint8_t FT = 0x1E;  // field terminator
constexpr uint8_t UT = 0x1F;  // unit terminator

Bytes Text(std::string_view text) { return Bytes(text.begin(), text.end()); }

std::string Number(int64_t value, int width) {
  std::string digits = std::to_string(value);
  if (int(digits.size()) > width) throw std::runtime_error("ISO 8211 number too wide");
  return std::string(size_t(width) - digits.size(), '0') + digits;
}

int DigitsFor(int64_t value) { return std::max(3, int(std::to_string(value).size())); }

Bytes Field(std::initializer_list<std::string_view> units) {
  Bytes out;
  bool first = true;
  for (std::string_view unit : units) {
    if (!first) out.push_back(UT);
    first = false;
    out.insert(out.end(), unit.begin(), unit.end());
  }
  out.push_back(FT);
  return out;
}

}  // namespace

Bytes Iso8211Record(char leaderId, const std::vector<Iso8211Field>& fields) {
  int64_t areaSize = 0;
  int64_t longest = 1;
  for (const Iso8211Field& f : fields) {
    longest = std::max<int64_t>(longest, int64_t(f.Data.size()));
    areaSize += int64_t(f.Data.size());
  }
  const int lengthSize = DigitsFor(longest);
  const int positionSize = DigitsFor(areaSize);
  Bytes directory;
  int64_t position = 0;
  for (const Iso8211Field& f : fields) {
    const std::string entry = f.Tag + Number(int64_t(f.Data.size()), lengthSize) + Number(position, positionSize);
    directory.insert(directory.end(), entry.begin(), entry.end());
    position += int64_t(f.Data.size());
  }
  directory.push_back(FT);
  const int64_t base = 24 + int64_t(directory.size());
  const bool descriptive = leaderId == 'L';
  std::string leader = Number(base + areaSize, 5);
  leader += descriptive ? "3" : " ";
  leader += leaderId;
  leader += descriptive ? "E1 06" : "     ";
  leader += Number(base, 5);
  leader += descriptive ? " ! " : "   ";
  leader += char('0' + lengthSize);
  leader += char('0' + positionSize);
  leader += "04";
  Bytes out = Text(leader);
  out.insert(out.end(), directory.begin(), directory.end());
  for (const Iso8211Field& f : fields) out.insert(out.end(), f.Data.begin(), f.Data.end());
  return out;
}

Bytes DemDescriptiveRecord(DemLayout layout, std::string_view format) {
  const bool fixed = layout == DemLayout::ReusedLayout;
  // The short layout keeps its names short to fit into its 186 bytes.
  std::vector<Iso8211Field> fields = {
      {"0000", Field({fixed ? "0000;&DEM CELL VALUES" : "0000;&"})},
      {"0001", Field({fixed ? "0100;&DDF RECORD IDENTIFIER" : "0100;&", "", ""})},
      {"CELL", Field({"1600;&CELL", "MODN!RCID!ROWI!COLI", fixed ? "(A(4),3I(6))" : "(A,3I)"})},
      {"CVLS", Field({fixed ? "2600;&CELL VALUES" : "2600;&CVLS", fixed ? "*ELEVATION" : "*ELEV", format})},
  };
  Bytes record = Iso8211Record('L', fields);
  if (layout == DemLayout::ShortRecords) {
    if (record.size() > ShortRecordsDescriptiveBytes) throw std::runtime_error("descriptive record too long");
    // Pad the file title so that the record is exactly 186 bytes long.
    Bytes& title = fields[0].Data;
    title.insert(title.end() - 1, ShortRecordsDescriptiveBytes - record.size(), ' ');
    record = Iso8211Record('L', fields);
  }
  return record;
}

std::vector<Iso8211Field> DemDataFields(DemLayout layout, int row, const std::vector<int16_t>& values) {
  Bytes cells;
  for (int16_t v : values) {
    cells.push_back(uint8_t(uint16_t(v) >> 8));
    cells.push_back(uint8_t(uint16_t(v) & 0xFF));
  }
  cells.push_back(FT);
  if (layout == DemLayout::ReusedLayout) {
    // Fixed widths: every record's fields have the same sizes.
    const std::string id = Number(row + 1, 6);
    return {{"0001", Field({id})}, {"CELL", Field({"CEL0" + id + id + Number(1, 6)})}, {"CVLS", cells}};
  }
  const std::string id = std::to_string(row + 1);
  return {{"0001", Field({id})}, {"CELL", Field({"CEL0", id, id, "1"})}, {"CVLS", cells}};
}

Bytes BuildDemFile(const std::vector<std::vector<int16_t>>& rows, DemLayout layout, std::string_view format) {
  Bytes out = DemDescriptiveRecord(layout, format);
  const bool sameLengths = std::all_of(rows.begin(), rows.end(), [&](const auto& r) { return r.size() == rows[0].size(); });
  const bool reuse = layout == DemLayout::ReusedLayout && sameLengths;
  for (size_t row = 0; row < rows.size(); ++row) {
    const auto fields = DemDataFields(layout, int(row), rows[row]);
    if (reuse && row > 0) {
      // A bare field area, laid out by the first record's directory.
      for (const Iso8211Field& f : fields) out.insert(out.end(), f.Data.begin(), f.Data.end());
    } else {
      const Bytes record = Iso8211Record(reuse ? 'R' : 'D', fields);
      out.insert(out.end(), record.begin(), record.end());
    }
  }
  return out;
}

std::vector<std::vector<int16_t>> DemPattern(int cols, int rows) {
  std::vector<std::vector<int16_t>> out(size_t(rows), std::vector<int16_t>(size_t(cols), 0));
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < cols; ++x) out[size_t(y)][size_t(x)] = int16_t(100 + (x * 7 + y * 13) % 900);
  return out;
}

}  // namespace qrl::test
