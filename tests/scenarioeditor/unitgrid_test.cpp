#include <gtest/gtest.h>

#include "gamefile/gamefileslots.h"
#include "gamefile/strtoint.h"
#include "scenarioeditor/core/unitgrid.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::ScenarioFixture;

struct Loaded {
  GameFileSlots Slots;
  UnitGridState Grid;
  RandomSource Random;

  explicit Loaded(const ScenarioFixture& f) {
    ReadSaveFileRecords(f.Build(), Slots);
    SetUpUnitGrid(Grid, Random);
  }
  const uint8_t* Unit(int side, int k) const { return UnitRecordAt(Slots, side, k).data(); }
  const uint8_t* Leader(int side, int k) const { return LeaderRecordAt(Slots, side, k).data(); }
  QString Cell(int col, int row) const { return Grid.Cells.Cell(col, row); }
};

std::vector<QString> Labels(const std::vector<std::pair<int, int>>& units) {
  FormationLabeler labeler;
  std::vector<QString> labels;
  for (auto [formation, number] : units) labels.push_back(labeler.Next(uint8_t(formation), uint8_t(number)));
  return labels;
}

TEST(FormationLabelTest, LettersFollowTheOrderFormationsAreMet) {
  EXPECT_EQ(Labels({{9, 1}, {9, 2}, {4, 1}, {200, 5}}), std::vector<QString>({"A1 ", "A2 ", "B1 ", "C5 "}));
  EXPECT_EQ(Labels({{3, 1}, {5, 7}, {5, 12}, {3, 255}}), std::vector<QString>({"A1 ", "B7 ", "B12", "A255"}));
}

TEST(FormationLabelTest, TheUnitBringingThe26thFormationStartsTwoLetters) {
  std::vector<std::pair<int, int>> units;
  for (int f = 0; f < 26; ++f) units.push_back({f * 3, 3});
  units.push_back({0, 3});  // the first formation again, now with two letters
  units.push_back({100, 4});
  std::vector<QString> labels = Labels(units);
  EXPECT_EQ(labels[0], "A3 ");
  EXPECT_EQ(labels[24], "Y3 ");
  EXPECT_EQ(labels[25], "AZ3");
  EXPECT_EQ(labels[26], "AA3");
  EXPECT_EQ(labels[27], "BA4");
}

TEST(LeaderClassTest, AClassNeedsAStrictMaximum) {
  struct Case {
    int Inf, Art, Arm;
    char Expected;
  };
  const Case cases[] = {{60, 50, 50, 'I'}, {10, 20, 15, 'A'}, {50, 50, 40, 'T'}, {40, 70, 70, 'T'},
                        {30, 30, 30, 'T'}, {70, 40, 70, 'T'}, {1, 2, 3, 'T'}};
  for (const Case& c : cases)
    EXPECT_EQ(LeaderClassOf(c.Inf, c.Art, c.Arm), c.Expected) << c.Inf << "/" << c.Art << "/" << c.Arm;
}

TEST(NationNameTest, BothTablesAndCodesNeitherCovers) {
  struct Case {
    int Code;
    const char* Name;
  };
  const Case cases[] = {{0, "West Germany"}, {12, "USA"},      {43, "Red"},          {44, "Nation 44"},
                        {50, "Nation 50"},   {69, "Nation 69"}, {70, "Germany"},      {81, "Soviet Union"},
                        {91, "Free France"}, {92, "Nation 92"}, {200, "Nation 200"}};
  for (const Case& c : cases) EXPECT_EQ(NationName(c.Code), c.Name) << c.Code;
}

TEST(UnitGridTest, SetUpWritesTheHeadings) {
  UnitGridState grid;
  grid.SideName = {"Germany", "Soviet Union"};
  RandomSource random;
  SetUpUnitGrid(grid, random);
  const char* headings[] = {"Side", " Unit", " Unit Name", " Leaders", "Exp", "Mor", "Ral", "Inf", "Art", "Arm"};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(grid.Cells.Cell(c, 0), headings[c]);
  EXPECT_EQ(grid.SideName[0], "");
  EXPECT_EQ(grid.SideName[1], "");
}

TEST(UnitGridTest, FillShowsEveryRowUpToTheHighestSlotInUse) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "Panzer 1", 9, 1);
  f.PutLeader(0, 0, "Hptm/Weber", 1, 2, 3, 4);
  f.Unit(0, 0)[119] = 77;
  f.Unit(0, 0)[120] = 88;
  f.Unit(0, 0)[167] = 12;
  f.PutUnit(0, 5, "Panzer 6", 4, 2);
  f.Unit(0, 3)[119] = 33;  // an empty slot shows its record values as they are
  f.Unit(0, 3)[188] = 7;
  f.Unit(1, 0)[167] = 43;
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  EXPECT_EQ(l.Grid.Cells.RowCount(), 7);
  EXPECT_EQ(l.Grid.UnitCount[0], 6);
  EXPECT_EQ(l.Grid.FilledSide, 0);
  EXPECT_EQ(l.Grid.SideName[0], "USA");
  EXPECT_EQ(l.Grid.SideName[1], "Red");
  EXPECT_EQ(l.Grid.OobNumber[0], 12u);
  EXPECT_EQ(l.Grid.OobNumber[1], 43u);
  const char* row1[] = {"0", "A1 ", "Panzer 1", "Hptm/Weber", "77", "88", "1", "2", "3", "4"};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(l.Cell(c, 1), row1[c]) << c;
  for (int r = 2; r <= 5; ++r) EXPECT_EQ(l.Cell(2, r), "<Empty>");
  EXPECT_EQ(l.Cell(0, 4), "7");
  EXPECT_EQ(l.Cell(4, 4), "33");
  EXPECT_EQ(l.Cell(1, 2), "B0 ");  // empty slots take part in the labels (formation 0)
  EXPECT_EQ(l.Cell(1, 6), "C2 ");
  EXPECT_EQ(l.Cell(2, 6), "Panzer 6");

  FillUnitGrid(l.Slots, l.Grid, 1);  // no slot of side 1 in use
  EXPECT_EQ(l.Grid.Cells.RowCount(), 1);
  EXPECT_EQ(l.Grid.UnitCount[1], 0);
  EXPECT_EQ(l.Grid.UnitCount[0], 6);  // the other side keeps its last count
  EXPECT_EQ(l.Cell(0, 0), "Side");
}

TEST(UnitGridTest, NamesAreReadWithinTheirFields) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "ABCDEFGHIJKLMNOP");  // 16 bytes with no terminator
  f.Unit(0, 0)[16] = 'Q';
  f.PutLeader(0, 0, "Oblt/Kasimirsk", 0, 0, 0, 0);  // 14 bytes, no terminator
  f.Leader(0, 0)[14] = 'X';
  f.PutUnit(0, 1, "Caf\xE9");  // Windows-1252
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  EXPECT_EQ(l.Cell(2, 1), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(l.Cell(3, 1), "Oblt/Kasimirsk");
  EXPECT_EQ(l.Cell(2, 2), QString::fromUtf8("Caf\xC3\xA9"));
}

TEST(UnitGridTest, StoreCutsValuesAndNamesToTheirFields) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "Panzer 1");
  f.Unit(0, 0)[15] = 0x5A;
  f.Leader(0, 0)[14] = 0x77;
  f.PutUnit(0, 5, "Panzer 6");
  for (int k = 1; k <= 4; ++k) f.Unit(0, k)[15] = 0x11;
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  CellTable& cells = l.Grid.Cells;
  cells.SetCell(4, 1, "300");
  cells.SetCell(5, 1, "-1");
  cells.SetCell(6, 1, "256");
  cells.SetCell(2, 1, "Sturmgeschuetz Abt");  // 18 characters
  cells.SetCell(3, 1, "Hptm/Schroeder");      // 14 characters
  cells.SetCell(2, 6, QString::fromUtf8("Caf\xC3\xA9"));
  StoreUnitGrid(l.Slots, l.Grid);

  const uint8_t* u = l.Unit(0, 0);
  EXPECT_EQ(u[119], 44);
  EXPECT_EQ(u[120], 255);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(u), 15), "Sturmgeschuetz ");
  EXPECT_EQ(u[15], 0x5A);
  const uint8_t* leader = l.Leader(0, 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(leader), 14), "Hptm/Schroeder");
  EXPECT_EQ(leader[14], 0x77);
  EXPECT_EQ(leader[20], 0);
  for (int k = 1; k <= 4; ++k) {
    const uint8_t* empty = l.Unit(0, k);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(empty), 15), std::string("<Empty>") + std::string(8, '\0'));
    EXPECT_EQ(empty[15], 0x11);
  }
  EXPECT_EQ(l.Unit(0, 5)[3], 0xE9);

  FillUnitGrid(l.Slots, l.Grid, 0);
  EXPECT_EQ(l.Cell(4, 1), "44");
  EXPECT_EQ(l.Cell(5, 1), "255");
  EXPECT_EQ(l.Cell(3, 1), "Hptm/Schroeder");
}

TEST(UnitGridTest, AStoreStopsAtTheFirstCellThatIsNoInteger) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "A");
  f.PutUnit(0, 1, "B");
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  l.Grid.Cells.SetCell(9, 1, "12");
  l.Grid.Cells.SetCell(4, 1, "x1");
  l.Grid.Cells.SetCell(5, 2, "9");
  try {
    StoreUnitGrid(l.Slots, l.Grid);
    FAIL() << "no conversion error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
  }
  EXPECT_EQ(l.Leader(0, 0)[23], 12);  // the leaders' pass came first
  EXPECT_EQ(l.Unit(0, 1)[120], 0);
}

TEST(UnitGridTest, StoresIntoAbsentRecordsAreDropped) {
  // Slot 1 holds only three units, slot 2 follows directly; no leader slot.
  ScenarioFixture f(20);
  f.Sections[1].resize(3 * test::FixtureUnitSize);
  f.PutUnit(0, 2, "Last");
  Loaded l(f);
  const Bytes header(l.Slots.GameFileBuf.begin(), l.Slots.GameFileBuf.begin() + 20);
  const Bytes slot2(l.Slots.GameFileBuf.begin() + l.Slots.SlotOffset[2],
                    l.Slots.GameFileBuf.begin() + l.Slots.SlotOffset[2] + l.Slots.SlotSize[2]);
  FillUnitGrid(l.Slots, l.Grid, 0);
  ASSERT_EQ(l.Grid.Cells.RowCount(), 4);
  EXPECT_EQ(l.Cell(3, 3), "");
  EXPECT_EQ(l.Cell(6, 3), "0");
  l.Grid.Cells.SetRowCount(6);  // rows past the slot, as a paste could leave them
  for (int r = 4; r < 6; ++r)
    for (int c = 0; c < 10; ++c) l.Grid.Cells.SetCell(c, r, c == 2 || c == 3 ? "Overrun" : "99");
  l.Grid.Cells.SetCell(3, 1, "Leader/Nowhere");
  StoreUnitGrid(l.Slots, l.Grid);
  EXPECT_EQ(Bytes(l.Slots.GameFileBuf.begin(), l.Slots.GameFileBuf.begin() + 20), header);
  EXPECT_EQ(Bytes(l.Slots.GameFileBuf.begin() + l.Slots.SlotOffset[2],
                  l.Slots.GameFileBuf.begin() + l.Slots.SlotOffset[2] + l.Slots.SlotSize[2]),
            slot2);
  FillUnitGrid(l.Slots, l.Grid, 1);
  EXPECT_EQ(l.Grid.UnitCount[1], 0);
}

TEST(UnitGridTest, ClassifyLeadersTakesTheRowsOfTheFilledSide) {
  ScenarioFixture f;
  f.PutUnit(1, 0, "A");
  f.PutLeader(1, 0, "a", 0, 60, 50, 50);
  f.PutUnit(1, 1, "B");
  f.PutLeader(1, 1, "b", 0, 10, 20, 15);
  f.PutUnit(1, 2, "C");
  f.PutLeader(1, 2, "c", 0, 40, 70, 70);
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 1);
  ClassifyLeaders(l.Grid);
  EXPECT_EQ(std::string(l.Grid.LeaderClass.data(), 3), "IAT");
  // Typed changes do not reclassify until the next classification.
  l.Grid.Cells.SetCell(8, 3, "10");
  EXPECT_EQ(l.Grid.LeaderClass[2], 'T');
  l.Grid.Cells.SetCell(7, 2, "?");
  EXPECT_THROW(ClassifyLeaders(l.Grid), ConversionError);
  EXPECT_EQ(l.Grid.LeaderClass[0], 'I');
}

// The weapons follow the unit data window's unit, not the selection: another
// cell of the row it shows must not drop a weapon picked but not retained.
TEST(UnitGridTest, SelectionNamesItsRowAndLeavesTheWeapons) {
  ScenarioFixture f;
  f.PutUnit(1, 0, "A");
  f.PutUnit(1, 2, "C");
  f.Unit(1, 2)[219] = 5;
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 1);
  l.Grid.CurrentWeapons = {9, 8, 7, 6};
  SelectGridRow(l.Slots, l.Grid, 3);
  EXPECT_EQ(l.Grid.SelectedRow, 3);
  SelectGridRow(l.Slots, l.Grid, 0);  // the heading row names no unit
  EXPECT_EQ(l.Grid.SelectedRow, 0);
  EXPECT_EQ(l.Grid.CurrentWeapons, (std::array<int16_t, 4>{9, 8, 7, 6}));
}

TEST(UnitGridTest, EveryFillClampsTheSelectedRow) {
  ScenarioFixture f;
  for (int k = 0; k < 6; ++k) f.PutUnit(0, k, "A");
  f.PutUnit(1, 0, "B");
  f.PutUnit(1, 1, "B");
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  SelectGridRow(l.Slots, l.Grid, 6);
  FillUnitGrid(l.Slots, l.Grid, 0);
  EXPECT_EQ(l.Grid.SelectedRow, 6);
  FillUnitGrid(l.Slots, l.Grid, 1);
  EXPECT_EQ(l.Grid.SelectedRow, 2);
}

TEST(SideSwitchTest, EditsSurviveASwitchAndBack) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "A");
  f.PutUnit(1, 0, "B");
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  l.Grid.Cells.SetCell(4, 1, "61");
  SwitchSide(l.Slots, l.Grid, 1);
  EXPECT_EQ(l.Grid.FilledSide, 1);
  EXPECT_EQ(l.Cell(2, 1), "B");
  EXPECT_EQ(l.Unit(0, 0)[119], 61);
  EXPECT_EQ(l.Unit(1, 0)[119], 0);
  SwitchSide(l.Slots, l.Grid, 0);
  EXPECT_EQ(l.Cell(4, 1), "61");
}

TEST(SideSwitchTest, AfterAFailedStoreTheRowsStillGoToTheirOwnSide) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "Side zero");
  f.PutUnit(1, 0, "Side one");
  Loaded l(f);
  FillUnitGrid(l.Slots, l.Grid, 0);
  l.Grid.Cells.SetCell(4, 1, "abc");
  EXPECT_THROW(SwitchSide(l.Slots, l.Grid, 1), ConversionError);
  // The selector now names side 1, the grid still shows side 0.
  EXPECT_EQ(l.Grid.FilledSide, 0);
  EXPECT_EQ(l.Cell(2, 1), "Side zero");
  l.Grid.Cells.SetCell(4, 1, "42");
  SwitchSide(l.Slots, l.Grid, 0);  // the user picks side 0 again
  EXPECT_EQ(l.Unit(0, 0)[119], 42);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(l.Unit(1, 0))), "Side one");
  EXPECT_EQ(l.Unit(1, 0)[119], 0);
}

}  // namespace
}  // namespace qrl::scen
