#include "scenarioeditor/ui/gridcells.h"

#include <algorithm>

namespace qrl::scenui {

void ShowCells(const scen::CellTable& cells, forms::StringGrid& grid) {
  grid.SetRowCount(cells.RowCount());
  const int cols = std::min(cells.ColumnCount(), grid.ColCount());
  for (int row = 0; row < cells.RowCount(); ++row)
    for (int col = 0; col < cols; ++col) grid.SetCell(col, row, cells.Cell(col, row));
}

void ReadCells(const forms::StringGrid& grid, scen::CellTable& cells) {
  const int rows = std::min(cells.RowCount(), grid.RowCount());
  const int cols = std::min(cells.ColumnCount(), grid.ColCount());
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) cells.SetCell(col, row, grid.Cell(col, row));
}

}  // namespace qrl::scenui
