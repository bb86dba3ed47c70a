#pragma once
// Builds ISO 8211 elevation files ("...CEL0.DDF") from rows of values, for
// fixtures, benchmarks and fuzz seeds.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/gamefilebuilder.h"

namespace qrl::test {

enum class DemLayout {
  // A descriptive record of exactly 186 bytes, then one record with its own
  // leader per row; the CELL field's subfields end in unit terminators.
  ShortRecords,
  // A descriptive record of its own length; the first data record's leader
  // id 'R' makes every later record a bare field area of the same layout
  // (rows of equal length); a fixed-width CELL field without unit terminators.
  ReusedLayout,
};

inline constexpr size_t ShortRecordsDescriptiveBytes = 186;

struct Iso8211Field {
  std::string Tag;  // four characters
  Bytes Data;       // with its terminator
};

// One record: leader with the given id, directory (field length and position
// sizes just wide enough, at least 3), field area.
Bytes Iso8211Record(char leaderId, const std::vector<Iso8211Field>& fields);

// The descriptive record, describing the CVLS values with `format`.
Bytes DemDescriptiveRecord(DemLayout layout, std::string_view format = "(B(16))");

// The fields of data record number `row` (from 0): 0001, CELL, CVLS.
std::vector<Iso8211Field> DemDataFields(DemLayout layout, int row, const std::vector<int16_t>& values);

// The whole file. In ReusedLayout, rows of unequal lengths each get a record
// with its own leader ('D') instead.
Bytes BuildDemFile(const std::vector<std::vector<int16_t>>& rows, DemLayout layout, std::string_view format = "(B(16))");

// Rows x cols values; value(x, y) computed by a simple pattern mixing both.
std::vector<std::vector<int16_t>> DemPattern(int cols, int rows);

}  // namespace qrl::test
