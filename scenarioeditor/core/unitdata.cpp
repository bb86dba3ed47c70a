#include "scenarioeditor/core/unitdata.h"

#include "scenarioeditor/core/celltext.h"
#include "scenarioeditor/core/editorsession.h"

namespace qrl::scen {

namespace {

namespace Unit = RecordLayout::Unit;

enum ArmourColumn : int { Front, Sides, Rear, SkTp };
enum ArmourRow : int { HullNormal, HullSlope, TurretNormal, TurretSlope };

// Normal armour lies in groups of four bytes; the window shows a group's
// first byte and Retain writes its first three.
constexpr int32_t ArmourGroupBytes = 4;
constexpr int32_t ArmourGroupWritten = 3;
constexpr int32_t NormalGroup(int group) { return Unit::Armour + ArmourGroupBytes * group; }
constexpr int32_t Slope(int index) { return Unit::ArmourSlopes + index; }

struct ArmourCell {
  int Column, Row;
  int32_t Byte;
};
// The cells a reload fills, with the byte each shows.
constexpr std::array<ArmourCell, 14> ShownArmour = {{
    {Front, HullNormal, NormalGroup(0)},      {Sides, HullNormal, NormalGroup(1)},
    {Rear, HullNormal, NormalGroup(3)},       {SkTp, HullNormal, Unit::HullTopArmour},
    {Front, HullSlope, Slope(0)},             {Sides, HullSlope, Slope(1)},
    {Rear, HullSlope, Slope(2)},              {Front, TurretNormal, NormalGroup(4)},
    {Sides, TurretNormal, NormalGroup(5)},    {Rear, TurretNormal, NormalGroup(7)},
    {SkTp, TurretNormal, NormalGroup(8)},     {Front, TurretSlope, Slope(3)},
    {Sides, TurretSlope, Slope(4)},           {Rear, TurretSlope, Slope(5)},
}};

struct ArmourWrite {
  int Column, Row;
  int32_t First, Count;
};
// Retain's armour steps in order: the side cells go into both side groups,
// with their slope written between and after; hull Sk-Tp goes to one byte.
constexpr std::array<ArmourWrite, 18> RetainedArmour = {{
    {Front, HullNormal, NormalGroup(0), ArmourGroupWritten},   {Front, HullSlope, Slope(0), 1},
    {Sides, HullNormal, NormalGroup(1), ArmourGroupWritten},   {Sides, HullSlope, Slope(1), 1},
    {Sides, HullNormal, NormalGroup(2), ArmourGroupWritten},   {Sides, HullSlope, Slope(1), 1},
    {Rear, HullNormal, NormalGroup(3), ArmourGroupWritten},    {Rear, HullSlope, Slope(2), 1},
    {Front, TurretNormal, NormalGroup(4), ArmourGroupWritten}, {Front, TurretSlope, Slope(3), 1},
    {Sides, TurretNormal, NormalGroup(5), ArmourGroupWritten}, {Sides, TurretSlope, Slope(4), 1},
    {Sides, TurretNormal, NormalGroup(6), ArmourGroupWritten}, {Sides, TurretSlope, Slope(4), 1},
    {Rear, TurretNormal, NormalGroup(7), ArmourGroupWritten},  {Rear, TurretSlope, Slope(5), 1},
    {SkTp, TurretNormal, NormalGroup(8), ArmourGroupWritten},  {SkTp, HullNormal, Unit::HullTopArmour, 1},
}};

struct GridCell {
  int Column, Row;
};
// UnitCopy::Armour's order.
constexpr std::array<GridCell, CopiedArmourCells> CopiedArmour = {{
    {Front, HullNormal}, {Sides, HullNormal}, {Rear, HullNormal},
    {Front, HullSlope}, {Sides, HullSlope}, {Rear, HullSlope},
    {Front, TurretNormal}, {Sides, TurretNormal}, {Rear, TurretNormal}, {SkTp, TurretNormal},
    {Front, TurretSlope}, {Sides, TurretSlope}, {Rear, TurretSlope},
}};

// Retain's unit fields in order; Mob# comes after Ctry#, so byte 167 ends
// with the Mob# value.
constexpr std::array<UnitEdit, 23> RetainedUnitEdits = {
    UnitEdit::Damage, UnitEdit::Men,     UnitEdit::Suppression, UnitEdit::Smoke,      UnitEdit::FC,
    UnitEdit::Speed,  UnitEdit::RoF,     UnitEdit::Size,        UnitEdit::Cost,       UnitEdit::Vision,
    UnitEdit::Lift,   UnitEdit::Country, UnitEdit::Surv,        UnitEdit::Stab,       UnitEdit::RngF,
    UnitEdit::Radio,  UnitEdit::UnitNumber, UnitEdit::Image,    UnitEdit::Class,      UnitEdit::Swim,
    UnitEdit::SmkD,   UnitEdit::Mob,     UnitEdit::LCost};

// UnitCopy::Characteristics' order.
constexpr std::array<UnitEdit, CopiedEditCount> CopiedEdits = {
    UnitEdit::FC,   UnitEdit::RoF,  UnitEdit::Speed, UnitEdit::Smoke, UnitEdit::Size,  UnitEdit::Vision,
    UnitEdit::Cost, UnitEdit::Lift, UnitEdit::Men,   UnitEdit::Country, UnitEdit::Surv, UnitEdit::Stab,
    UnitEdit::RngF, UnitEdit::Radio, UnitEdit::UnitNumber, UnitEdit::Image, UnitEdit::Class, UnitEdit::Swim,
    UnitEdit::SmkD, UnitEdit::Mob,  UnitEdit::LCost};

constexpr int32_t ByteRange = 256;

uint8_t LowByte(int32_t value) { return uint8_t(uint32_t(value) & 0xFF); }
int16_t Low16(int32_t value) { return int16_t(uint16_t(uint32_t(value) & 0xFFFF)); }

QString Number(int64_t value) { return QString::number(value); }

int32_t ReadField(std::span<const uint8_t> record, const UnitEditSpec& spec) {
  if (spec.TwoBytes) return FieldLe16(record, spec.Field).value_or(0);
  return FieldByteOrZero(record, spec.Field);
}

// A 16-bit field takes the low byte and the low byte of the value divided by
// 256, rounded toward zero (so -1 becomes FF 00).
void WriteField(std::span<uint8_t> record, const UnitEditSpec& spec, int32_t value) {
  SetFieldByte(record, spec.Field, LowByte(value));
  if (spec.TwoBytes) SetFieldByte(record, spec.Field + 1, LowByte(value / ByteRange));
}

const QString& ArmourText(const UnitDataValues& values, int column, int row) {
  return values.Armour[size_t(row)][size_t(column)];
}

}  // namespace

bool UnitRowSelected(const EditorSession& session) {
  const UnitGridState& grid = session.Grid;
  return grid.FilledSide != NoSide && grid.SelectedRow >= 1 && IsUnitSlot(grid.FilledSide, grid.SelectedRow - 1);
}

bool UnitDataNeedsReload(const EditorSession& session) {
  if (!UnitRowSelected(session)) return false;
  const UnitDataState& state = session.UnitData;
  const bool otherUnit = state.LoadedUnit != session.Grid.SelectedRow - 1 || state.UnitDataSide != session.Grid.FilledSide;
  return otherUnit || state.Mark.Stale(session.Document.Changes);
}

bool ReloadUnitData(EditorSession& session, const UnitRowTexts& row, UnitDataValues& values) {
  if (!UnitRowSelected(session)) return false;
  UnitGridState& grid = session.Grid;
  UnitDataState& state = session.UnitData;
  const int side = grid.FilledSide, unitNumber = grid.SelectedRow - 1;
  state.UnitDataSide = side;
  state.LoadedUnit = unitNumber;
  const auto unit = UnitRecordAt(std::as_const(session.Document.Slots), side, unitNumber);
  const auto leader = LeaderRecordAt(std::as_const(session.Document.Slots), side, unitNumber);

  for (int slot = 0; slot < WeaponSlots; ++slot) {
    grid.CurrentWeapons[size_t(slot)] = int16_t(FieldByteOrZero(unit, Unit::Weapons + slot));
    values.WeaponCells[size_t(slot)] = WeaponCellText(session.WeaponNames, side, slot, grid.CurrentWeapons[size_t(slot)]);
    for (int kind = 0; kind < AmmunitionKinds; ++kind)
      values.Ammunition[size_t(slot)][size_t(kind)] =
          Number(FieldByteOrZero(unit, Unit::Ammunition + AmmunitionKinds * slot + kind));
  }
  values.Name = row.Name;
  values.Label = row.Label;
  values.Leader = row.Leader;
  for (const ArmourCell& cell : ShownArmour)
    values.Armour[size_t(cell.Row)][size_t(cell.Column)] = Number(FieldByteOrZero(unit, cell.Byte));
  for (int e = 0; e < UnitEditCount; ++e) {
    const UnitEditSpec& spec = UnitEditSpecs[size_t(e)];
    values.Edits[size_t(e)] = Number(ReadField(spec.InLeader ? leader : unit, spec));
  }
  const int rank = FieldByteOrZero(leader, RecordLayout::Leader::Rank);
  values.RankIndex = rank >= 1 && rank <= RankCount ? rank - 1 : NoRank;
  state.Mark.Reloaded(session.Document.Changes);
  return true;
}

namespace {

void WriteUnitData(EditorSession& session, const UnitDataValues& values, std::span<uint8_t> unit,
                   std::span<uint8_t> leader) {
  const UnitGridState& grid = session.Grid;
  for (int i = 0; i < WeaponSlots * AmmunitionKinds; ++i)
    SetFieldByte(unit, Unit::Ammunition + i,
                 LowByte(IntFromText(values.Ammunition[size_t(i / AmmunitionKinds)][size_t(i % AmmunitionKinds)])));
  for (int slot = 0; slot < WeaponSlots; ++slot)
    SetFieldByte(unit, Unit::Weapons + slot, LowByte(grid.CurrentWeapons[size_t(slot)]));
  // Slots 1..3 carry the OOB number of their weapon; slot 0 and empty slots keep theirs.
  const uint8_t oobNumber = LowByte(int32_t(grid.OobNumber[size_t(session.UnitData.UnitDataSide)]));
  for (int slot = 1; slot < WeaponSlots; ++slot)
    if (FieldByteOrZero(unit, Unit::Weapons + slot) != 0) SetFieldByte(unit, Unit::WeaponOob + slot - 1, oobNumber);
  for (const ArmourWrite& write : RetainedArmour) {
    const uint8_t value = LowByte(IntFromText(ArmourText(values, write.Column, write.Row)));
    for (int32_t i = 0; i < write.Count; ++i) SetFieldByte(unit, write.First + i, value);
  }
  WriteField(leader, SpecOf(UnitEdit::Kills), IntFromText(values.Edit(UnitEdit::Kills)));
  SetFieldByte(leader, RecordLayout::Leader::Rank, LowByte(values.RankIndex + 1));
  for (UnitEdit edit : RetainedUnitEdits) WriteField(unit, SpecOf(edit), IntFromText(values.Edit(edit)));
  SetFieldByte(unit, Unit::Changed, 1);
}

}  // namespace

void RetainUnitData(EditorSession& session, const UnitDataValues& values) {
  UnitDataState& state = session.UnitData;
  if (state.LoadedUnit == NoUnit) return;
  const auto unit = UnitRecordAt(session.Document.Slots, state.UnitDataSide, state.LoadedUnit);
  const auto leader = LeaderRecordAt(session.Document.Slots, state.UnitDataSide, state.LoadedUnit);
  if (FieldByteOrZero(unit, Unit::Name) == 0) return;  // no unit in the slot (or none at all)
  try {
    WriteUnitData(session, values, unit, leader);
  } catch (...) {
    state.Mark.StoredOwn(session.Document.Changes);  // what was written before the bad value stays
    throw;
  }
  state.Mark.StoredOwn(session.Document.Changes);
}

UnitCopy CopyUnitData(const EditorSession& session, const UnitDataValues& values) {
  UnitCopy copy;
  copy.Name = values.Name;
  for (size_t i = 0; i < CopiedArmour.size(); ++i)
    copy.Armour[i] = Low16(IntFromText(ArmourText(values, CopiedArmour[i].Column, CopiedArmour[i].Row)));
  for (int kind = 0; kind < AmmunitionKinds; ++kind)
    for (int slot = 0; slot < WeaponSlots; ++slot)
      copy.Ammunition[size_t(kind)][size_t(slot)] = Low16(IntFromText(values.Ammunition[size_t(slot)][size_t(kind)]));
  copy.Weapons = session.Grid.CurrentWeapons;
  for (size_t i = 0; i < CopiedEdits.size(); ++i) copy.Characteristics[i] = Low16(IntFromText(values.Edit(CopiedEdits[i])));
  copy.SourceSide = Low16(session.UnitData.UnitDataSide);
  return copy;
}

void PasteUnitData(EditorSession& session, const UnitCopy& copy, UnitDataValues& values) {
  values.Name = copy.Name;
  for (size_t i = 0; i < CopiedArmour.size(); ++i)
    values.Armour[size_t(CopiedArmour[i].Row)][size_t(CopiedArmour[i].Column)] = Number(copy.Armour[i]);
  session.Grid.CurrentWeapons = copy.Weapons;
  for (int slot = 0; slot < WeaponSlots; ++slot)
    values.WeaponCells[size_t(slot)] = WeaponCellText(session.WeaponNames, copy.SourceSide, slot, copy.Weapons[size_t(slot)]);
  for (int kind = 0; kind < AmmunitionKinds; ++kind)
    for (int slot = 0; slot < WeaponSlots; ++slot)
      values.Ammunition[size_t(slot)][size_t(kind)] = Number(copy.Ammunition[size_t(kind)][size_t(slot)]);
  for (size_t i = 0; i < CopiedEdits.size(); ++i) {
    const int16_t value = copy.Characteristics[i];
    values.Edit(CopiedEdits[i]) =
        SpecOf(CopiedEdits[i]).Paste == PasteAs::Unsigned ? Number(uint16_t(value)) : Number(value);
  }
}

bool ChooseWeaponSlot(EditorSession& session, int col, int row) {
  if (col != 0 || row < 1 || row > WeaponSlots) return false;
  if (!session.WeaponNames.IsLoaded(session.UnitData.UnitDataSide)) return false;
  session.UnitData.WeaponSlot = row - 1;
  return true;
}

std::optional<QString> SetChosenWeapon(EditorSession& session, int item) {
  if (item < 0 || item >= WeaponCount) return std::nullopt;
  const UnitDataState& state = session.UnitData;
  session.Grid.CurrentWeapons[size_t(state.WeaponSlot)] = int16_t(item);
  return WeaponCellText(session.WeaponNames, state.UnitDataSide, state.WeaponSlot, item);
}

}  // namespace qrl::scen
