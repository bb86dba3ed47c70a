#pragma once
// The elevation grid of an SDTS digital elevation model, read from the ISO
// 8211 file that carries its cell values ("...CEL0.DDF"). Only the CVLS field
// of each data record is taken: one row of big-endian signed 16-bit values.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qrl::map {

// The largest grid the window takes, in values per row and rows.
inline constexpr int32_t DemMaxCols = 4000;
inline constexpr int32_t DemMaxRows = 4000;

// Values by (column, row); DemCols is the value count of the last row, and a
// shorter row's missing places hold 0.
struct DemGrid {
  int32_t DemCols = 0;
  int32_t DemRows = 0;
  std::vector<int16_t> Values;  // row by row, DemCols each

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < DemCols && y < DemRows; }
  // (x, y) must lie inside.
  int16_t At(int x, int y) const { return Values[size_t(y) * size_t(DemCols) + size_t(x)]; }
};

enum class DemReadStatus {
  Read,
  CannotOpen,     // no regular file, or unreadable
  NotSdts,        // bad leader or directory, no CVLS description, a field outside its record, no row with values
  NotInteger16,   // the CVLS values are described in another format
  TooLarge,       // a row over DemMaxCols values or more than DemMaxRows rows
};

struct DemReadOutcome {
  DemReadStatus Status = DemReadStatus::NotSdts;
  DemGrid Grid;  // the whole grid when Read, else empty
};

// Reads the file's records from its bytes. A record cut short by the end of
// the file is dropped; the rows before it stand.
DemReadOutcome ReadDemFile(std::span<const uint8_t> file);

// Opens a regular file and reads it as above.
DemReadOutcome LoadDemFile(const std::string& path);

}  // namespace qrl::map
