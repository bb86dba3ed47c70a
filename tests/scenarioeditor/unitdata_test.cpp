#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/core/unitdata.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::ScenarioFixture;

// Units 0 and 1 of both sides in use; every other byte of their records holds
// a value of its own, so that a write to a wrong byte shows.
ScenarioFixture Units() {
  ScenarioFixture f;
  for (int side = 0; side < 2; ++side)
    for (int k = 0; k < 2; ++k) {
      uint8_t* u = f.Unit(side, k);
      for (int i = 16; i < 258; ++i) u[i] = uint8_t(i * 7 + side * 31 + k * 13 + 1);
      f.PutUnit(side, k, side == 0 ? (k == 0 ? "Pz IV" : "Tiger") : (k == 0 ? "T-34" : "KV-1"));
      uint8_t* l = f.Leader(side, k);
      f.PutLeader(side, k, "Lt/Brandt", 40, 10, 20, 15);
      l[19] = uint8_t(3 + side + k);  // rank
      l[28] = uint8_t(0x10 + k);      // kills
      l[29] = uint8_t(side);
    }
  f.Unit(0, 0)[167] = 14;  // side 0's nation and OOB number
  f.Unit(1, 0)[167] = 81;
  return f;
}

class UnitDataTest : public ::testing::Test {
 protected:
  void Load(const ScenarioFixture& f) {
    ReadSaveFileRecords(f.Build(), S.Document.Slots);
    FillUnitGrid(S.Document.Slots, S.Grid, 0);
  }
  // The window reloads with row `row` of `side` selected in the main grid.
  UnitDataValues Show(int side, int row) {
    if (S.Grid.FilledSide != side) SwitchSide(S.Document.Slots, S.Grid, side);
    SelectGridRow(S.Document.Slots, S.Grid, row);
    UnitDataValues values;
    const UnitRowTexts texts{S.Grid.Cells.Cell(1, row), S.Grid.Cells.Cell(2, row), S.Grid.Cells.Cell(3, row)};
    EXPECT_TRUE(ReloadUnitData(S, texts, values));
    return values;
  }
  uint8_t* Unit(int side, int k) { return UnitRecordAt(S.Document.Slots, side, k).data(); }
  uint8_t* Leader(int side, int k) { return LeaderRecordAt(S.Document.Slots, side, k).data(); }
  Bytes UnitBytes(int side, int k) { return Bytes(Unit(side, k), Unit(side, k) + 258); }
  Bytes LeaderBytes(int side, int k) { return Bytes(Leader(side, k), Leader(side, k) + 32); }

  std::unique_ptr<EditorSession> Session = std::make_unique<EditorSession>();
  EditorSession& S = *Session;
};

// Offsets where two byte images differ.
std::set<int> Changed(const Bytes& before, const Bytes& after) {
  std::set<int> at;
  for (size_t i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) at.insert(int(i));
  return at;
}

TEST_F(UnitDataTest, AReloadShowsTheUnitOfTheSelectedRowAndItsLeader) {
  ScenarioFixture f = Units();
  uint8_t* u = f.Unit(1, 1);
  u[18] = 0x40, u[19] = 0x9C;                        // Img# 40000
  u[66] = 9, u[250] = 12, u[108] = 3, u[94] = 21;   // armour
  u[46] = 1, u[47] = 2, u[61] = 99;                  // ammunition of slots 0 and 3
  u[219] = 5, u[220] = 0, u[221] = 250, u[222] = 17;
  u[167] = 7;
  f.Leader(1, 1)[28] = 0x2C, f.Leader(1, 1)[29] = 0x01;  // kills 300, leader 400 + 1
  Load(f);
  const UnitDataValues v = Show(1, 2);
  EXPECT_EQ(S.UnitData.UnitDataSide, 1);
  EXPECT_EQ(S.UnitData.LoadedUnit, 1);
  EXPECT_EQ(v.Name, "KV-1");
  EXPECT_EQ(v.Label, S.Grid.Cells.Cell(1, 2));
  EXPECT_EQ(v.Leader, "Lt/Brandt");
  EXPECT_EQ(v.Edit(UnitEdit::Image), "40000");
  EXPECT_EQ(v.Edit(UnitEdit::Kills), "300");
  EXPECT_EQ(v.Edit(UnitEdit::Country), "7");
  EXPECT_EQ(v.Edit(UnitEdit::Mob), "7");
  EXPECT_EQ(v.Edit(UnitEdit::Men), QString::number(uint8_t(116 * 7 + 31 + 13 + 1)));
  EXPECT_EQ(v.RankIndex, 5 - 1);  // rank byte 5
  EXPECT_EQ(v.Armour[0][1], "9");   // Sides, Hull Normal
  EXPECT_EQ(v.Armour[0][3], "12");  // Sk-Tp, Hull Normal
  EXPECT_EQ(v.Armour[1][1], "3");   // Sides, Hull Slope
  EXPECT_EQ(v.Armour[2][3], "21");  // Sk-Tp, Turret Normal
  EXPECT_EQ(v.Armour[1][3], "");    // Sk-Tp, Hull Slope: no field
  EXPECT_EQ(v.Ammunition[0][0], "1");
  EXPECT_EQ(v.Ammunition[0][1], "2");
  EXPECT_EQ(v.Ammunition[3][3], "99");
  EXPECT_EQ(S.Grid.CurrentWeapons, (std::array<int16_t, 4>{5, 0, 250, 17}));
  // No names loaded for the side: the slot numbers.
  EXPECT_EQ(v.WeaponCells, (std::array<QString, 4>{"Weapon #1", "Weapon #2", "Weapon #3", "Weapon #4"}));
}

TEST_F(UnitDataTest, RankBytesOutsideOneToTenShowNoItemAndRetainStoresZero) {
  struct Case {
    uint8_t Byte;
    int Index;
    uint8_t Stored;
  };
  for (const Case& c : {Case{0, NoRank, 0}, Case{1, 0, 1}, Case{10, 9, 10}, Case{11, NoRank, 0}, Case{255, NoRank, 0}}) {
    ScenarioFixture f = Units();
    f.Leader(0, 1)[19] = c.Byte;
    Load(f);
    const UnitDataValues v = Show(0, 2);
    EXPECT_EQ(v.RankIndex, c.Index) << int(c.Byte);
    RetainUnitData(S, v);
    EXPECT_EQ(Leader(0, 1)[19], c.Stored) << int(c.Byte);
  }
}

// Values typed into the window, stored by Retain: the bytes each must give,
// worked out from the record layout.
TEST_F(UnitDataTest, RetainStoresEachValueInItsBytes) {
  struct Case {
    const char* Name;
    std::function<void(UnitDataValues&, EditorSession&)> Type;
    std::vector<std::pair<int, uint8_t>> UnitBytes;  // offset, value
    std::vector<int> Kept;                           // unit offsets that must not change
    std::vector<std::pair<int, uint8_t>> LeaderBytes = {};
  };
  auto edit = [](UnitEdit e, const char* text) {
    return [e, text](UnitDataValues& v, EditorSession&) { v.Edit(e) = text; };
  };
  const std::vector<Case> cases = {
      {"Ctry# 5, Mob# 7: Mob# comes last",
       [](UnitDataValues& v, EditorSession&) {
         v.Edit(UnitEdit::Country) = "5";
         v.Edit(UnitEdit::Mob) = "7";
       },
       {{167, 7}}, {}},
      {"Sides, Hull Normal 9", [](UnitDataValues& v, EditorSession&) { v.Armour[0][1] = "9"; },
       {{66, 9}, {67, 9}, {68, 9}, {70, 9}, {71, 9}, {72, 9}}, {69, 73}},
      {"Sk-Tp, Hull Normal 12", [](UnitDataValues& v, EditorSession&) { v.Armour[0][3] = "12"; }, {{250, 12}},
       {251, 252}},
      {"weapons 5, 0, 7, 0 with OOB number 14",
       [](UnitDataValues&, EditorSession& s) { s.Grid.CurrentWeapons = {5, 0, 7, 0}; },
       {{219, 5}, {220, 0}, {221, 7}, {222, 0}, {217, 14}}, {215, 216, 218}},
      {"Img# 65535", edit(UnitEdit::Image, "65535"), {{18, 0xFF}, {19, 0xFF}}, {}},
      {"Img# 40000", edit(UnitEdit::Image, "40000"), {{18, 0x40}, {19, 0x9C}}, {}},
      {"Men 256", edit(UnitEdit::Men, "256"), {{116, 0}}, {}},
      {"FC -1", edit(UnitEdit::FC, "-1"), {{134, 0xFF}}, {}},
      {"Kills 300", edit(UnitEdit::Kills, "300"), {}, {}, {{28, 0x2C}, {29, 0x01}}},
      {"Kills -1", edit(UnitEdit::Kills, "-1"), {}, {}, {{28, 0xFF}, {29, 0x00}}},
      {"rank item 9", [](UnitDataValues& v, EditorSession&) { v.RankIndex = 9; }, {}, {}, {{19, 10}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Load(Units());
    UnitDataValues v = Show(0, 1);
    const Bytes before = UnitBytes(0, 0);
    c.Type(v, S);
    RetainUnitData(S, v);
    for (auto [offset, value] : c.UnitBytes) EXPECT_EQ(Unit(0, 0)[offset], value) << offset;
    for (int offset : c.Kept) EXPECT_EQ(Unit(0, 0)[offset], before[size_t(offset)]) << offset;
    for (auto [offset, value] : c.LeaderBytes) EXPECT_EQ(Leader(0, 0)[offset], value) << offset;
    EXPECT_EQ(Unit(0, 0)[166], 1);
  }
}

TEST_F(UnitDataTest, AReloadThenRetainChangesOnlyTheMarkTheOobBytesTheGroupCopiesAndABadRank) {
  for (const uint8_t rank : {uint8_t(4), uint8_t(200)}) {
    SCOPED_TRACE(int(rank));
    ScenarioFixture f = Units();
    uint8_t* u = f.Unit(0, 1);
    u[219] = 3, u[220] = 0, u[221] = 8, u[222] = 9;  // slot 1 empty: its OOB byte 216 stays
    u[166] = 0;
    f.Leader(0, 1)[19] = rank;
    Load(f);
    const Bytes unitBefore = UnitBytes(0, 1), leaderBefore = LeaderBytes(0, 1);
    RetainUnitData(S, Show(0, 2));
    std::set<int> expected = {166, 217, 218, 63, 64, 67, 68, 70, 71, 72, 75, 76,
                              79, 80, 83, 84, 86, 87, 88, 91, 92, 95, 96};
    EXPECT_EQ(Changed(unitBefore, UnitBytes(0, 1)), expected);
    EXPECT_EQ(Changed(leaderBefore, LeaderBytes(0, 1)), rank > 10 ? std::set<int>{19} : std::set<int>{});
  }
}

TEST_F(UnitDataTest, RetainStopsAtTheFirstValueThatIsNoInteger) {
  Load(Units());
  UnitDataValues v = Show(0, 1);
  v.Ammunition[3][3] = "77";
  v.Armour[2][0] = "55";  // Front, Turret Normal
  v.Edit(UnitEdit::Kills) = "300";
  v.Edit(UnitEdit::Damage) = "abc";
  v.Edit(UnitEdit::Men) = "5";
  S.Grid.CurrentWeapons = {1, 2, 3, 4};
  const Bytes before = UnitBytes(0, 0);
  EXPECT_THROW(RetainUnitData(S, v), ConversionError);
  EXPECT_EQ(Unit(0, 0)[61], 77);
  EXPECT_EQ(Unit(0, 0)[222], 4);
  EXPECT_EQ(Unit(0, 0)[80], 55);
  EXPECT_EQ(Leader(0, 0)[28], 0x2C);
  EXPECT_EQ(Unit(0, 0)[116], before[116]);  // Men comes after Damage
  EXPECT_EQ(Unit(0, 0)[166], before[166]);
}

TEST_F(UnitDataTest, RetainWritesIntoTheUnitLoadedLastAndNothingWithoutOne) {
  Load(Units());
  const Bytes side0Unit = UnitBytes(0, 0);
  UnitDataValues v;
  RetainUnitData(S, v);  // before the first reload
  EXPECT_EQ(UnitBytes(0, 0), side0Unit);

  v = Show(0, 1);
  v.Edit(UnitEdit::Men) = "42";
  // The grid moves on to the other side and another row; the window was not reloaded.
  SwitchSide(S.Document.Slots, S.Grid, 1);
  SelectGridRow(S.Document.Slots, S.Grid, 2);
  const Bytes side1Unit = UnitBytes(1, 1);
  RetainUnitData(S, v);
  EXPECT_EQ(Unit(0, 0)[116], 42);
  EXPECT_EQ(UnitBytes(1, 1), side1Unit);
}

TEST_F(UnitDataTest, AbsentRecordsShowZerosAndOnlyTheirOwnWritesAreDropped) {
  // The leaders of side 1 lie past the end of a cut leader section.
  ScenarioFixture f = Units();
  f.Sections[34].resize(400 * 32);
  Load(f);
  UnitDataValues v = Show(1, 1);
  EXPECT_EQ(v.Edit(UnitEdit::Kills), "0");
  EXPECT_EQ(v.RankIndex, NoRank);
  v.Edit(UnitEdit::Men) = "42";
  v.Edit(UnitEdit::Kills) = "300";
  RetainUnitData(S, v);
  EXPECT_EQ(Unit(1, 0)[116], 42);
  EXPECT_EQ(Unit(1, 0)[166], 1);

  // A unit whose name begins with a zero byte is not written.
  Unit(1, 1)[0] = 0;
  v = Show(1, 2);
  v.Edit(UnitEdit::Men) = "42";
  const Bytes before = UnitBytes(1, 1);
  RetainUnitData(S, v);
  EXPECT_EQ(UnitBytes(1, 1), before);
}

TEST_F(UnitDataTest, CopyOnOneSidePastedIntoAUnitOfTheOtherAndRetained) {
  ScenarioFixture f = Units();
  uint8_t* src = f.Unit(0, 1);
  src[18] = 0x40, src[19] = 0x9C;  // Img# 40000
  src[219] = 5, src[220] = 6, src[221] = 7, src[222] = 8;
  Load(f);
  UnitDataValues source = Show(0, 2);
  source.Armour[0][0] = "-1";  // Front, Hull Normal
  const UnitCopy copy = CopyUnitData(S, source);
  EXPECT_EQ(copy.SourceSide, 0);
  EXPECT_EQ(copy.Characteristics[15], int16_t(40000 - 65536));  // Img#, low 16 bits

  const Bytes srcUnit = UnitBytes(0, 1), destBefore = UnitBytes(1, 1), destLeader = LeaderBytes(1, 1);
  UnitDataValues dest = Show(1, 2);
  const UnitDataValues destShown = dest;
  PasteUnitData(S, copy, dest);
  EXPECT_EQ(dest.Name, "Tiger");  // shown, never stored
  EXPECT_EQ(dest.Edit(UnitEdit::Image), "40000");
  EXPECT_EQ(dest.Armour[0][0], "-1");
  for (UnitEdit kept : {UnitEdit::Damage, UnitEdit::Suppression, UnitEdit::Kills})
    EXPECT_EQ(dest.Edit(kept), destShown.Edit(kept));
  EXPECT_EQ(dest.Armour[0][3], destShown.Armour[0][3]);  // hull Sk-Tp
  EXPECT_EQ(dest.RankIndex, destShown.RankIndex);
  EXPECT_EQ(S.Grid.CurrentWeapons, (std::array<int16_t, 4>{5, 6, 7, 8}));
  RetainUnitData(S, dest);

  const Bytes after = UnitBytes(1, 1);
  const int carried[] = {46, 53, 61, 66, 74, 78, 82, 90, 94, 107, 108, 109, 110, 111, 112, 116, 117, 129, 133,
                         134, 136, 147, 16, 18, 19, 24, 168, 189, 190, 191, 193, 195, 198, 206, 219, 222, 223};
  for (int at : carried) EXPECT_EQ(after[size_t(at)], srcUnit[size_t(at)]) << at;
  // Each armour group gets the value of the source group's first byte.
  for (auto [at, from] : {std::pair{72, 66}, {88, 82}, {96, 94}, {76, 74}})
    EXPECT_EQ(after[size_t(at)], srcUnit[size_t(from)]) << at;
  EXPECT_EQ(after[62], 0xFF);  // -1 pasted signed
  EXPECT_EQ(after[64], 0xFF);
  EXPECT_EQ(after[167], srcUnit[167]);
  for (int at : {0, 1, 2, 3, 118, 122, 250})  // name, suppression, damage, hull Sk-Tp
    EXPECT_EQ(after[size_t(at)], destBefore[size_t(at)]) << at;
  EXPECT_EQ(after[217], 81);  // the shown side's OOB number
  EXPECT_EQ(LeaderBytes(1, 1), destLeader);
  EXPECT_EQ(Show(1, 2).Armour[0][0], "255");
}

TEST_F(UnitDataTest, ACopyStopsAtAValueThatIsNoInteger) {
  Load(Units());
  UnitDataValues v = Show(0, 1);
  v.Edit(UnitEdit::LCost) = "";
  EXPECT_THROW(CopyUnitData(S, v), ConversionError);
  v.Edit(UnitEdit::LCost) = "3";
  v.Edit(UnitEdit::Damage) = "not copied";
  EXPECT_NO_THROW(CopyUnitData(S, v));
}

TEST_F(UnitDataTest, TheWindowReloadsOnlyForAnotherUnitOrAChangeOfTheSession) {
  Load(Units());
  SelectGridRow(S.Document.Slots, S.Grid, 0);
  EXPECT_FALSE(UnitDataNeedsReload(S));  // no unit row: the controls stay
  SelectGridRow(S.Document.Slots, S.Grid, 1);
  EXPECT_TRUE(UnitDataNeedsReload(S));  // never loaded
  UnitDataValues v = Show(0, 1);
  EXPECT_FALSE(UnitDataNeedsReload(S));
  SelectGridRow(S.Document.Slots, S.Grid, 2);
  EXPECT_TRUE(UnitDataNeedsReload(S));
  v = Show(0, 2);

  RetainUnitData(S, v);  // its own store
  EXPECT_FALSE(UnitDataNeedsReload(S));
  ReloadMark otherWindow;
  otherWindow.Reloaded(S.Document.Changes);
  otherWindow.StoredOwn(S.Document.Changes);  // another window's store
  EXPECT_TRUE(UnitDataNeedsReload(S));
  EXPECT_FALSE(otherWindow.Stale(S.Document.Changes));
  v = Show(0, 2);

  S.Document.Changes.Note();  // a load, a CSV paste, a dump load: same side and row
  EXPECT_TRUE(UnitDataNeedsReload(S));
}

TEST_F(UnitDataTest, TheWeaponListOpensForALoadedSideAndSetChangesOnlyTheChosenSlot) {
  Load(Units());
  Show(1, 1);
  EXPECT_FALSE(ChooseWeaponSlot(S, 0, 3));  // no names for the side
  S.WeaponNames.Loaded[1] = true;
  S.WeaponNames.Names[1][17] = "Flak 88";
  EXPECT_FALSE(ChooseWeaponSlot(S, 1, 3));
  ASSERT_TRUE(ChooseWeaponSlot(S, 0, 3));
  EXPECT_EQ(S.UnitData.WeaponSlot, 2);
  const auto weapons = S.Grid.CurrentWeapons;
  EXPECT_EQ(SetChosenWeapon(S, -1), std::nullopt);
  EXPECT_EQ(SetChosenWeapon(S, 250), std::nullopt);
  EXPECT_EQ(S.Grid.CurrentWeapons, weapons);
  EXPECT_EQ(SetChosenWeapon(S, 17), std::optional<QString>("Flak 88"));
  EXPECT_EQ(S.Grid.CurrentWeapons[2], 17);
  EXPECT_EQ(S.Grid.CurrentWeapons[0], weapons[0]);
}

}  // namespace
}  // namespace qrl::scen
