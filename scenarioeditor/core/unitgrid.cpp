#include "scenarioeditor/core/unitgrid.h"

#include <algorithm>
#include <cstdio>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/celltext.h"

namespace qrl::scen {

using namespace RecordLayout;

const std::array<std::string_view, ModernNationCount> ModernNations = {
    "West Germany", "Egypt",          "Poland",        "Syria",         "Israel",      "Japan",
    "France",       "United Kingdom", "PLO",           "Jordan",        "Iran",        "Russia",
    "USA",          "USMC",           "China",         "Australia",     "Gulf States", "Iraq",
    "India",        "North Korea",    "South Korea",   "Taiwan",        "Mujadeen",    "North Vietnam",
    "South Vietnam", "Pakistan",      "Afghanistan",   "Belgium",       "Netherlands", "Norway",
    "Canada",       "Greece",         "Turkey",        "Spain",         "Italy",       "Denmark",
    "East Germany", "Czechoslovakia", "Hungary",       "Romania",       "Libya",       "Yugoslavia",
    "Green",        "Red"};

const std::array<std::string_view, WartimeNationCount> WartimeNations = {
    "Germany",     "Finland", "Italy",     "Rumania",  "Hungary",    "Japan",  "France",     "Britain",
    "Belgium",     "Netherlands", "Poland", "Soviet Union", "US Army", "US Marines", "China", "Greece",
    "Norway",      "Yugoslavia",  "Canada", "India",    "ANZAC",      "Free France"};

namespace {

// The unit and leader columns that hold one byte each, with their fields.
struct ByteColumn {
  int Column;
  int32_t Field;
};
constexpr std::array<ByteColumn, 4> LeaderByteColumns = {{{RalColumn, Leader::Rally},
                                                           {InfColumn, Leader::Infantry},
                                                           {ArtColumn, Leader::Artillery},
                                                           {ArmColumn, Leader::Armour}}};
constexpr std::array<ByteColumn, 2> UnitByteColumns = {{{ExpColumn, Unit::Experience}, {MorColumn, Unit::Morale}}};

QString FromAscii(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The cell's integer; stored values keep only their low 8 bits.
int32_t ParseCell(const QString& cell) { return IntFromText(cell); }
uint8_t LowByte(int32_t value) { return uint8_t(uint32_t(value) & 0xFF); }

int HighestUnitInUse(const GameFileSlots& fileSlots, int side) {
  for (int k = UnitsPerSide - 1; k >= 0; --k)
    if (FieldByteOrZero(UnitRecordAt(fileSlots, side, k), Unit::InUse) != 0) return k;
  return -1;
}

void FillRow(const GameFileSlots& fileSlots, UnitGridState& grid, int side, int unitNumber, FormationLabeler& labels) {
  auto unit = UnitRecordAt(fileSlots, side, unitNumber);
  auto leader = LeaderRecordAt(fileSlots, side, unitNumber);
  CellTable& cells = grid.Cells;
  const int row = unitNumber + 1;
  const bool inUse = FieldByteOrZero(unit, Unit::InUse) != 0;
  cells.SetCell(SideColumn, row, QString::number(FieldByteOrZero(unit, Unit::SideByte)));
  cells.SetCell(UnitLabelColumn, row,
                labels.Next(FieldByteOrZero(unit, Unit::Formation), FieldByteOrZero(unit, Unit::FormationNumber)));
  cells.SetCell(UnitNameColumn, row, inUse ? TextFromBytes(UnitName(unit)) : FromAscii(EmptySlotName));
  cells.SetCell(LeaderNameColumn, row, TextFromBytes(FieldText(leader, Leader::Name, LeaderNameBytes)));
  for (const ByteColumn& c : UnitByteColumns) cells.SetCell(c.Column, row, QString::number(FieldByteOrZero(unit, c.Field)));
  for (const ByteColumn& c : LeaderByteColumns)
    cells.SetCell(c.Column, row, QString::number(FieldByteOrZero(leader, c.Field)));
}

}  // namespace

QString NationName(int code) {
  if (code >= 0 && code < ModernNationCount) return FromAscii(ModernNations[size_t(code)]);
  if (code >= FirstWartimeNation && code < FirstWartimeNation + WartimeNationCount)
    return FromAscii(WartimeNations[size_t(code - FirstWartimeNation)]);
  return QStringLiteral("Nation ") + QString::number(code);
}

QString FormationLabeler::Next(uint8_t formation, uint8_t number) {
  if (Index[formation] == NoIndex) Index[formation] = Distinct++;
  const int index = Index[formation];
  char label[16];
  if (Distinct < OneLetterLimit) {
    std::snprintf(label, sizeof label, "%c%-2d", 'A' + index, int(number));
  } else {
    std::snprintf(label, sizeof label, "%c%c%d", 'A' + index / OneLetterLimit, 'A' + index % OneLetterLimit,
                  int(number));
  }
  return QString::fromLatin1(label);
}

void SetUpUnitGrid(UnitGridState& grid, RandomSource& random) {
  Randomize(random);
  grid.SideName = {};
  if (grid.Cells.RowCount() < 1) grid.Cells.SetRowCount(1);
  for (int column = 0; column < GridColumnCount; ++column)
    grid.Cells.SetCell(column, 0, FromAscii(GridHeadings[size_t(column)]));
}

void FillUnitGrid(const GameFileSlots& fileSlots, UnitGridState& grid, int side) {
  if (side < 0 || side >= SideCount) return;
  for (int t = 0; t < SideCount; ++t) {
    const uint8_t code = FieldByteOrZero(UnitRecordAt(fileSlots, t, 0), Unit::Country);
    grid.SideName[size_t(t)] = NationName(code);
    grid.OobNumber[size_t(t)] = code;
  }
  const int count = HighestUnitInUse(fileSlots, side) + 1;
  grid.UnitCount[size_t(side)] = count;
  grid.Cells.SetRowCount(count + 1);
  FormationLabeler labels;
  for (int k = 0; k < count; ++k) FillRow(fileSlots, grid, side, k, labels);
  grid.FilledSide = side;
  grid.SelectedRow = std::clamp(grid.SelectedRow, 0, count);
}

void StoreUnitGrid(GameFileSlots& fileSlots, const UnitGridState& grid) {
  const int side = grid.FilledSide;
  if (side == NoSide) return;
  const CellTable& cells = grid.Cells;
  for (int row = 1; row < cells.RowCount(); ++row) {
    auto leader = LeaderRecordAt(fileSlots, side, row - 1);
    SetFieldText(leader, Leader::Name, LeaderNameBytes, BytesFromText(cells.Cell(LeaderNameColumn, row)));
    for (const ByteColumn& c : LeaderByteColumns) SetFieldByte(leader, c.Field, LowByte(ParseCell(cells.Cell(c.Column, row))));
  }
  for (int row = 1; row < cells.RowCount(); ++row) {
    auto unit = UnitRecordAt(fileSlots, side, row - 1);
    for (const ByteColumn& c : UnitByteColumns) SetFieldByte(unit, c.Field, LowByte(ParseCell(cells.Cell(c.Column, row))));
    SetFieldText(unit, Unit::Name, StoredUnitNameBytes, BytesFromText(cells.Cell(UnitNameColumn, row)));
  }
}

char LeaderClassOf(int32_t infantry, int32_t artillery, int32_t armour) {
  if (infantry > armour && infantry > artillery) return InfantryLeader;
  if (artillery > infantry && artillery > armour) return ArtilleryLeader;
  return TankLeader;
}

void ClassifyLeaders(UnitGridState& grid) {
  if (grid.FilledSide == NoSide) return;
  const int rows = std::min({grid.UnitCount[size_t(grid.FilledSide)], grid.Cells.RowCount() - 1, UnitSlotCount});
  for (int row = 1; row <= rows; ++row) {
    const int32_t infantry = ParseCell(grid.Cells.Cell(InfColumn, row));
    const int32_t artillery = ParseCell(grid.Cells.Cell(ArtColumn, row));
    const int32_t armour = ParseCell(grid.Cells.Cell(ArmColumn, row));
    grid.LeaderClass[size_t(row - 1)] = LeaderClassOf(infantry, artillery, armour);
  }
}

void SelectGridRow(const GameFileSlots&, UnitGridState& grid, int row) { grid.SelectedRow = std::max(row, 0); }

void SwitchSide(GameFileSlots& fileSlots, UnitGridState& grid, int newSide) {
  StoreUnitGrid(fileSlots, grid);
  FillUnitGrid(fileSlots, grid, newSide);
  ClassifyLeaders(grid);
}

}  // namespace qrl::scen
