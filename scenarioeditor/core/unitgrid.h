#pragma once
// The unit grid of the main window as a model: the rules by which the cells
// are filled from the unit and leader records of one side and stored back,
// the formation labels, the nation names, the leader classes and the cell
// selection. The window shows UnitGridState::Cells and lets the user edit it;
// everything it needs to decide lives here.
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

#include "gamefile/gamefileslots.h"
#include "gamefile/randomsource.h"
#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

inline constexpr int GridColumnCount = 10;

enum GridColumn : int {
  SideColumn = 0,        // unit byte 188, never stored
  UnitLabelColumn = 1,   // formation label, never stored
  UnitNameColumn = 2,    // unit bytes 0..14
  LeaderNameColumn = 3,  // leader bytes 0..13
  ExpColumn = 4,         // unit byte 119
  MorColumn = 5,         // unit byte 120
  RalColumn = 6,         // leader byte 20
  InfColumn = 7,         // leader byte 21
  ArtColumn = 8,         // leader byte 22
  ArmColumn = 9,         // leader byte 23
};

inline constexpr std::array<std::string_view, GridColumnCount> GridHeadings = {
    "Side", " Unit", " Unit Name", " Leaders", "Exp", "Mor", "Ral", "Inf", "Art", "Arm"};
inline constexpr int DefaultGridColumnWidth = 32;
inline constexpr int NameGridColumnWidth = 130;  // columns 2 and 3
inline constexpr int GridColumnWidth(int column) {
  return column == UnitNameColumn || column == LeaderNameColumn ? NameGridColumnWidth : DefaultGridColumnWidth;
}

inline constexpr std::string_view EmptySlotName = "<Empty>";
inline constexpr int32_t StoredUnitNameBytes = 15;  // byte 15 of the name field is left as it was
inline constexpr int32_t LeaderNameBytes = 14;
inline constexpr int NoSide = -1;

// Leader classes, one per grid row: which skill the dice rolls raise.
inline constexpr char InfantryLeader = 'I';
inline constexpr char ArtilleryLeader = 'A';
inline constexpr char TankLeader = 'T';

// Nation names by nation code (byte 167 of a side's unit 0).
inline constexpr int ModernNationCount = 44;    // codes 0..43
inline constexpr int FirstWartimeNation = 70;   // codes 70..91
inline constexpr int WartimeNationCount = 22;
extern const std::array<std::string_view, ModernNationCount> ModernNations;
extern const std::array<std::string_view, WartimeNationCount> WartimeNations;
// A code neither table covers (44..69, above 91) is named "Nation " + the code.
QString NationName(int code);

// The state behind the grid; lives beside the document for the whole run.
struct UnitGridState {
  CellTable Cells{GridColumnCount, 1};  // row 0 the headings, row r unit r - 1 of FilledSide
  std::array<int32_t, SideCount> UnitCount{};  // rows below the headings at the last fill of each side
  int32_t SelectedRow = 0;                     // row of the cell last selected; 0 = the heading row
  // The weapons of the unit the unit data window shows: each of its reloads
  // takes them from the unit's bytes 219..222, the weapon list and Paste
  // change them, its Retain stores them.
  std::array<int16_t, RecordLayout::Unit::WeaponSlots> CurrentWeapons{};
  std::array<char, UnitSlotCount> LeaderClass{};  // by row - 1; as of the last load or side switch
  std::array<QString, SideCount> SideName;        // the side selector's item texts after a fill
  std::array<uint32_t, SideCount> OobNumber{};    // OOB file number of each side
  // The side whose records the rows of Cells came from; every store goes
  // there, whatever the side selector shows. NoSide before the first fill.
  int FilledSide = NoSide;
};

// Labels of the grid's column 1: each distinct formation number gets a
// letter index in the order met; while fewer than 26 have been met the label
// is one letter and the number left-justified in two places ("B7 "), from the
// unit that brings the 26th on two letters ("AB7").
class FormationLabeler {
 public:
  QString Next(uint8_t formation, uint8_t number);

 private:
  static constexpr int NoIndex = -1;
  static constexpr int OneLetterLimit = 26;
  std::array<int, 256> Index = MakeEmptyIndex();
  int Distinct = 0;
  static constexpr std::array<int, 256> MakeEmptyIndex() {
    std::array<int, 256> a{};
    a.fill(NoIndex);
    return a;
  }
};

// Prepares the grid for a load: seeds the random source from the clock,
// empties the side names and writes the headings into row 0.
void SetUpUnitGrid(UnitGridState& grid, RandomSource& random);

// Fills the cells with the units of side (0 or 1; other values do nothing),
// recomputes both side names and OobNumber, UnitCount[side], the row count,
// clamps SelectedRow into the new rows and bumps Changes. Absent records
// read as zeros.
void FillUnitGrid(const GameFileSlots& fileSlots, UnitGridState& grid, int side);

// Writes the rows back into the unit and leader records of FilledSide:
// first every leader (name, rally, skills), then every unit (experience,
// morale, name). Values are cut to 8 bits. Throws ConversionError at the
// first cell that holds no integer; what was written before stays written.
void StoreUnitGrid(GameFileSlots& fileSlots, const UnitGridState& grid);

// LeaderClass for the rows of FilledSide: 'I' or 'A' for a strict maximum of
// infantry or artillery skill, else 'T'. Throws ConversionError like the store.
void ClassifyLeaders(UnitGridState& grid);
// The class rule alone.
char LeaderClassOf(int32_t infantry, int32_t artillery, int32_t armour);

// The user selected a cell in row: SelectedRow = row (0 for the heading
// row, which names no unit). The weapons are not read here: CurrentWeapons
// follows the unit the unit data window shows, and another cell of the row
// it shows must not drop a weapon picked but not yet retained.
void SelectGridRow(const GameFileSlots& fileSlots, UnitGridState& grid, int row);

// The side selector changed to newSide: the rows go into the side they were
// filled for, then the grid is filled for newSide and its leaders classified.
// A failed store (ConversionError) stops before the refill, and the rows keep
// belonging to FilledSide.
void SwitchSide(GameFileSlots& fileSlots, UnitGridState& grid, int newSide);

}  // namespace qrl::scen
