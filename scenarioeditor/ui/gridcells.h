#pragma once
// The two directions between a core CellTable (the model of a grid's cells)
// and the StringGrid that shows it. The window's grid is only the view: core
// code reads and writes the CellTable, and these copy between the two.
#include "forms/stringgrid.h"
#include "scenarioeditor/core/celltable.h"

namespace qrl::scenui {

// The grid takes the table's row count and every cell's text.
void ShowCells(const scen::CellTable& cells, forms::StringGrid& grid);

// The table takes what the grid shows, an open cell editor's text included;
// cells the two do not share are left alone.
void ReadCells(const forms::StringGrid& grid, scen::CellTable& cells);

}  // namespace qrl::scenui
