#pragma once
// The list of the position and property editor: one row per unit slot of the
// side it was built for, with the unit's label and name from the main grid,
// its position and one chosen property byte. A unit is selected while its
// " Unit" cell ends in the mark "*"; UnitSelected keeps the selection per unit
// index so that a refill can show it again. Drop and Select change only the
// list; Retain writes positions and Set property bytes into the records.
// Every number taken from a cell or an edit is parsed where it is met; text
// that is no integer throws ConversionError, and what was done before stays.
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

#include "gamefile/gamefileslots.h"
#include "gamefile/randomsource.h"
#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/hexbox.h"
#include "scenarioeditor/core/recordlayout.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "scenarioeditor/core/unitgrid.h"

namespace qrl::scen {

inline constexpr int PositionColumnCount = 7;
enum PositionColumn : int {
  PosNumberColumn = 0,
  PosLabelColumn = 1,
  PosNameColumn = 2,
  PosXColumn = 3,
  PosYColumn = 4,
  PosHiddenColumn = 5,
  PosPropertyColumn = 6,
};
inline constexpr std::array<std::string_view, PositionColumnCount> PositionHeadings = {
    " #", " Unit", " Unit Name", " X", " Y", "Hid.", "Prop."};
inline constexpr int PositionColumnWidth(int column) {
  return column == PosLabelColumn ? 40 : column == PosNameColumn ? 110 : 31;
}
// A release over the heading of these columns sorts; "Prop." does not.
inline constexpr int SortableColumnCount = 6;

inline constexpr QChar SelectionMark = u'*';
inline constexpr std::string_view NoPropertyText = " X";  // the combo box names no property

// The unit bytes the property box offers, in its order.
struct UnitProperty {
  std::string_view Name;
  int32_t Offset;
};
inline constexpr std::array<UnitProperty, 16> UnitProperties = {{
    {"Suppression", 118}, {"Men", 116},       {"Speed", 117},       {"Rate of Fire", 189},
    {"Fire Control", 134}, {"Smoke Ammo", 147}, {"HE Ammo 1", 46},   {"AP Ammo 1", 47},
    {"APCR Ammo 1", 48},  {"HEAT Ammo 1", 49}, {"HE Ammo 2", 50},    {"AP Ammo 2", 51},
    {"HE Ammo 3", 54},    {"AP Ammo 3", 55},   {"HE Ammo 4", 58},    {"AP Ammo 4", 59},
}};
inline constexpr std::string_view InitialProperty = "Suppression";
inline constexpr int32_t NoProperty = -1;
// The offset of the property named exactly (case-sensitive) by text, or NoProperty.
int32_t SelectedPropertyOffset(const QString& text);

namespace PositionBoxes {
inline const BoxMessage NoPositionRecord{"Some units have no position record in this file and were skipped.", "Warning"};
inline const BoxMessage NoUnitRecord{"Some units have no unit record in this file and were skipped.", "Warning"};
}  // namespace PositionBoxes

// What the list shows besides the records: the main grid's cells (row u + 1
// of unit u: label in column 1, name in column 2) and the chosen property.
struct PositionSource {
  const GameFileSlots& Slots;
  const CellTable& MainCells;
  int32_t PropertyOffset = NoProperty;
};

struct PositionList {
  CellTable Cells{PositionColumnCount, 1};  // row 0 the headings, row r + 1 unit RowUnitMap[r]
  std::array<int32_t, UnitSlotCount> RowUnitMap{};
  std::array<uint8_t, UnitSlotCount> UnitSelected{};  // by unit index, whichever side
  int Side = NoSide;  // the side and number of rows the list was built for;
  int Rows = 0;       // every operation acts on them
};

bool IsMarked(const QString& label);

// The activation's rebuild: Rows = unitCount rows of side in unit order, the
// labels without marks; UnitSelected stays as it is.
void RebuildPositionList(PositionList& list, const PositionSource& source, int side, int unitCount);
// Refill keeping the order: every cell from the records and the main grid,
// the mark on the label of every unit whose flag is set.
void FillPositionGrid(PositionList& list, const PositionSource& source);

// The " Unit" cell of grid row (1..Rows) was chosen: its mark goes on, or
// comes off when present, and the unit's flag follows.
void ToggleRowSelection(PositionList& list, int row);
// Marks the unmarked rows whose position lies inside the box; nothing without
// a drawn box. True when rows without a position record were skipped.
bool SelectInBox(PositionList& list, const GameFileSlots& fileSlots, const RubberBox& box);
void UnselectAll(PositionList& list);

// Sorts by a column 0..5 (others do nothing): marks captured into
// UnitSelected, refilled in unit order, then ordered stably by the column's
// values: numbers ascending (rows without a position record last for " X",
// " Y", "Hid."), names byte-wise, for " Unit" the marked rows first.
void SortPositionGrid(PositionList& list, const PositionSource& source, int column);

// The texts of the drop edits and the density.
struct DropInput {
  QString DropX, DropY, RangeX, RangeY;
  int Density = 0;
};
// Scatters the marked rows around the drop point, in the list only. True when
// rows without a position record were skipped (no draws for them).
bool DropSelected(PositionList& list, const GameFileSlots& fileSlots, const DropInput& input, RandomSource& random);
// Every row's X and Y again from its record. True when rows were skipped.
bool ResetPositions(PositionList& list, const GameFileSlots& fileSlots);
// Every row's X, Y (their low 16 bits) and hidden flag (0 or 1) into its
// position record, row by row. True when rows were skipped.
bool RetainPositions(const PositionList& list, GameFileSlots& fileSlots);

struct SetOutcome {
  bool Ran = false;           // a property was named; the records may have changed
  bool SkippedUnits = false;  // marked rows without a unit record
};
// Min and max parsed, then every marked row's unit gets the property byte
// min + a draw below max - min + 1 (its low 8 bits) and its changed mark;
// the list is refilled. Nothing when propertyOffset is NoProperty.
SetOutcome SetSelectedProperty(PositionList& list, GameFileSlots& fileSlots, const CellTable& mainCells,
                               const QString& minText, const QString& maxText, int32_t propertyOffset,
                               RandomSource& random);

}  // namespace qrl::scen
