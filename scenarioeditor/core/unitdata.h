#pragma once
// The unit data window as a model: one unit and its leader read into the
// window's values (texts, as its controls show them), written back by
// Retain, and carried to another unit through a one-unit copy.
//
// The window reloads when it is shown, and on activation or a main-grid
// selection only when the selected row names another unit or the session
// changed since (recordchanges.h); values typed or pasted but not retained
// survive a visit to another window. Retain writes into the unit the window
// loaded last, whatever the grid shows now.
//
// The values are the window's state as a plain struct, so that what the
// window shows can be read without its controls (the printed unit table is
// built from them).
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "scenarioeditor/core/recordchanges.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

struct EditorSession;

inline constexpr int WeaponSlots = RecordLayout::Unit::WeaponSlots;
inline constexpr int AmmunitionKinds = 4;  // HE, AP, S1, S2
inline constexpr int ArmourColumns = 4;    // Front, Sides, Rear, Sk-Tp
inline constexpr int ArmourRows = 4;       // Hull Normal, Hull Slope, Turret Normal, Turret Slope
inline constexpr int CopiedArmourCells = 13;  // all but hull Sk-Tp
inline constexpr int CopiedEditCount = 21;    // all numeric edits but Supression, Damage and Kills
inline constexpr int NoUnit = -1;
inline constexpr int NoRank = -1;
inline constexpr int RankCount = 10;

// The two grids: column 0 / row 0 are headings, value cell (c, r) is
// column c + 1, row r + 1 of the grid.
inline constexpr int DataGridSize = 5;
inline constexpr std::array<std::string_view, DataGridSize> WeaponsGridHeadings = {"Weapon", "HE", "AP", "S1", "S2"};
inline constexpr std::array<std::string_view, WeaponSlots> WeaponsGridSlotHeadings = {" 1", " 2", " 3", " 4"};
inline constexpr std::array<int, DataGridSize> WeaponsGridColumnWidths = {170, 35, 35, 35, 35};
inline constexpr std::array<std::string_view, DataGridSize> ArmorGridHeadings = {"Area", "Front", "Sides", "Rear",
                                                                                  "Sk-Tp"};
inline constexpr std::array<std::string_view, ArmourRows> ArmorGridRowHeadings = {"Hull Normal", "Hull Slope",
                                                                                   "Turret Normal", "Turret Slope"};
inline constexpr std::array<int, DataGridSize> ArmorGridColumnWidths = {122, 47, 47, 47, 47};
inline constexpr int ArmorGridDefaultColumnWidth = 60;

// Item i stands for rank i + 1 (leader byte 19); 0 and 11..255 show no item.
inline constexpr std::array<std::string_view, RankCount> RankItems = {"1-Pvt", "2-Cpl", "3-Sgt", "4-2Lt", "5-1Lt",
                                                                     "6-Cpt", "7-Maj", "8-LtC", "9-Col", "10-Gen"};

// The 24 numeric edits.
enum class UnitEdit : int {
  UnitNumber, Class, Mob, Country, Image,
  FC, RoF, Speed, Swim, Smoke, Size, Vision, Stab, SmkD, RngF, Radio, Cost, Lift, LCost, Men, Surv,
  Suppression, Damage, Kills,
};
inline constexpr int UnitEditCount = 24;

enum class PasteAs { NotCopied, Signed, Unsigned };

struct UnitEditSpec {
  std::string_view Name;     // the control's name
  std::string_view Caption;  // the label beside it
  bool InLeader;             // the field lies in the leader record, else in the unit
  int32_t Field;
  bool TwoBytes;             // 16-bit little-endian, else one byte
  bool Red;                  // caption and text in red
  PasteAs Paste;
};

// By UnitEdit. Ctry# and Mob# both show byte 167 (nation code and OOB number).
inline constexpr std::array<UnitEditSpec, UnitEditCount> UnitEditSpecs = {{
    {"UnitNumberEdit", "Unit#", false, RecordLayout::Unit::OobUnitNumber, false, true, PasteAs::Unsigned},
    {"UnitTypeEdit", "Class", false, RecordLayout::Unit::Class, false, true, PasteAs::Unsigned},
    {"MOBEdit", "Mob#", false, RecordLayout::Unit::Country, false, true, PasteAs::Unsigned},
    {"CountryNumberEdit", "Ctry#", false, RecordLayout::Unit::Country, false, true, PasteAs::Unsigned},
    {"ImageNumberEdit", "Img#", false, RecordLayout::Unit::ImageNumber, true, true, PasteAs::Unsigned},
    {"FCEdit", "FC", false, RecordLayout::Unit::FireControl, false, false, PasteAs::Signed},
    {"RoFEdit", "RoF", false, RecordLayout::Unit::RateOfFire, false, false, PasteAs::Signed},
    {"SpeedEdit", "Speed", false, RecordLayout::Unit::Speed, false, false, PasteAs::Signed},
    {"SwimEdit", "Swim", false, RecordLayout::Unit::Swim, false, false, PasteAs::Unsigned},
    {"SmokeEdit", "Smoke", false, RecordLayout::Unit::Smoke, false, false, PasteAs::Signed},
    {"SizeEdit", "Size", false, RecordLayout::Unit::Size, false, false, PasteAs::Signed},
    {"VisionEdit", "Vision", false, RecordLayout::Unit::Vision, false, false, PasteAs::Signed},
    {"StabEdit", "Stab.", false, RecordLayout::Unit::Stabiliser, false, false, PasteAs::Unsigned},
    {"SmkdEdit", "SmkD", false, RecordLayout::Unit::SmokeDischargers, false, false, PasteAs::Unsigned},
    {"RngfEdit", "RngF", false, RecordLayout::Unit::RangeFinder, false, false, PasteAs::Unsigned},
    {"RadioEdit", "Radio", false, RecordLayout::Unit::Radio, false, false, PasteAs::Unsigned},
    {"CostEdit", "Cost", false, RecordLayout::Unit::Cost, false, false, PasteAs::Signed},
    {"LiftEdit", "Lift", false, RecordLayout::Unit::Lift, false, false, PasteAs::Signed},
    {"LiftCostEdit", "LCost", false, RecordLayout::Unit::LiftCost, false, false, PasteAs::Unsigned},
    {"MenEdit", "Men", false, RecordLayout::Unit::MenNow, false, false, PasteAs::Signed},
    {"SurvEdit", "Surv.", false, RecordLayout::Unit::Survivability, false, false, PasteAs::Unsigned},
    {"SupressEdit", "Supression", false, RecordLayout::Unit::Suppression, false, false, PasteAs::NotCopied},
    {"DamageEdit", "Damage", false, RecordLayout::Unit::Damage, false, false, PasteAs::NotCopied},
    {"KillsEdit", "Kills", true, RecordLayout::Leader::Kills, true, false, PasteAs::NotCopied},
}};
inline constexpr const UnitEditSpec& SpecOf(UnitEdit edit) { return UnitEditSpecs[size_t(edit)]; }

// What the window shows. Start values are the window's own at start-up.
struct UnitDataValues {
  QString Name{"Unit Name"};    // NameEdit: the main grid's unit name cell
  QString Label{"XX"};          // ULbl: the formation label
  QString Leader;               // LeaderEdit (read-only): the main grid's leader name cell
  std::array<QString, WeaponSlots> WeaponCells{};  // WeaponsGrid column 0, by slot
  // WeaponsGrid cell (kind + 1, slot + 1): unit byte 46 + 4 * slot + kind.
  std::array<std::array<QString, AmmunitionKinds>, WeaponSlots> Ammunition{};
  // ArmorGrid cell (column + 1, row + 1). The two Sk-Tp slope cells have no field.
  std::array<std::array<QString, ArmourColumns>, ArmourRows> Armour{};
  std::array<QString, UnitEditCount> Edits = AllZero();
  int RankIndex = NoRank;  // RankCB's item, NoRank for none

  QString& Edit(UnitEdit edit) { return Edits[size_t(edit)]; }
  const QString& Edit(UnitEdit edit) const { return Edits[size_t(edit)]; }

 private:
  static std::array<QString, UnitEditCount> AllZero() {
    std::array<QString, UnitEditCount> edits;
    edits.fill(QStringLiteral("0"));
    return edits;
  }
};

// One copied unit: the low 16 bits of each value.
struct UnitCopy {
  QString Name;
  // Hull Normal Front, Sides, Rear, Hull Slope Front, Sides, Rear, Turret
  // Normal Front, Sides, Rear, Sk-Tp, Turret Slope Front, Sides, Rear.
  std::array<int16_t, CopiedArmourCells> Armour{};
  std::array<int16_t, WeaponSlots> Weapons{};
  std::array<std::array<int16_t, WeaponSlots>, AmmunitionKinds> Ammunition{};  // [kind][slot]
  // FC, RoF, Speed, Smoke, Size, Vision, Cost, Lift, Men, Ctry#, Surv., Stab.,
  // RngF, Radio, Unit#, Img#, Class, Swim, SmkD, Mob#, LCost.
  std::array<int16_t, CopiedEditCount> Characteristics{};
  int16_t SourceSide = 0;  // whose weapon names Paste shows
};

// The window's state beside its controls; lives in the session for the run.
struct UnitDataState {
  int UnitDataSide = 0;       // side of the unit last loaded
  int LoadedUnit = NoUnit;    // its unit number 0..399; NoUnit before the first reload
  int WeaponSlot = 0;         // the slot 0..3 whose weapon the weapon list sets
  std::optional<UnitCopy> CopiedUnit;  // the last Copy that completed; kept across loads
  ReloadMark Mark;
};

// Texts of the main grid's selected row that the window shows.
struct UnitRowTexts {
  QString Label, Name, Leader;
};

// A unit row is selected (and the grid filled): the window has a unit to show.
bool UnitRowSelected(const EditorSession& session);
// An activation, or a selection reaching the visible window, reloads: a unit
// row is selected, and it names another unit than the one loaded, or the
// session changed since the last reload.
bool UnitDataNeedsReload(const EditorSession& session);

// Reads the selected unit and its leader into values (the Sk-Tp slope cells
// are left as they are), takes CurrentWeapons from the unit's bytes 219..222
// and remembers the unit for Retain. Absent fields read 0 and show no rank.
// False, and nothing changed, when no unit row is selected.
bool ReloadUnitData(EditorSession& session, const UnitRowTexts& row, UnitDataValues& values);

// Writes values and CurrentWeapons into the unit loaded last and its leader:
// ammunition, weapons, the weapons' OOB numbers, armour, kills and rank, the
// other fields, then the changed mark (byte 166). Nothing before the first
// reload, nor into a unit whose name begins with a zero byte. Throws
// ConversionError at the first value that is no integer; what was written
// before stays written. Writes to an absent leader are dropped.
void RetainUnitData(EditorSession& session, const UnitDataValues& values);

// The values as a copy; throws ConversionError at the first value that is no
// integer (the caller then keeps its old copy).
UnitCopy CopyUnitData(const EditorSession& session, const UnitDataValues& values);

// The copy into values and CurrentWeapons; the records do not change.
// Damage, suppression, kills, rank, leader, label and hull Sk-Tp keep theirs.
void PasteUnitData(EditorSession& session, const UnitCopy& copy, UnitDataValues& values);

// A selection of WeaponsGrid cell (col, row): true when it opens the weapon
// list (column 0, a slot row, the shown side's names loaded), and WeaponSlot
// is then that slot.
bool ChooseWeaponSlot(EditorSession& session, int col, int row);

// Set with item `item` of the weapon list: CurrentWeapons[WeaponSlot] = item,
// and the text of the slot's name cell. nullopt, and nothing changed, for no
// item (-1) or one outside the list.
std::optional<QString> SetChosenWeapon(EditorSession& session, int item);

}  // namespace qrl::scen
