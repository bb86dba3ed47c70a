#pragma once
// The unit grid's cells as text: QrlEd's working copy of the shown side's
// records. Fills write it from the records, stores parse it back, rolls write
// decimal text into it; the window's grid shows and edits it directly.
// Row 0 carries the headings; row r >= 1 stands for unit r - 1.
#include <QString>
#include <vector>

namespace qrl::scen {

class CellTable {
 public:
  explicit CellTable(int columnCount = 10, int rowCount = 1) : Columns(columnCount) { SetRowCount(rowCount); }

  int ColumnCount() const { return Columns; }
  int RowCount() const { return int(Cells.size()) / Columns; }
  // New rows are empty; rows beyond the new count are dropped.
  void SetRowCount(int rows) { Cells.resize(size_t(rows < 0 ? 0 : rows) * size_t(Columns)); }

  // Cells outside the table read as empty text; writes outside are dropped.
  QString Cell(int col, int row) const {
    return Contains(col, row) ? Cells[Index(col, row)] : QString();
  }
  void SetCell(int col, int row, const QString& text) {
    if (Contains(col, row)) Cells[Index(col, row)] = text;
  }
  bool Contains(int col, int row) const { return col >= 0 && col < Columns && row >= 0 && row < RowCount(); }

 private:
  size_t Index(int col, int row) const { return size_t(row) * size_t(Columns) + size_t(col); }
  int Columns;
  std::vector<QString> Cells;
};

}  // namespace qrl::scen
