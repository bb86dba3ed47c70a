#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/battlesummary.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::ScenarioFixture;

struct UnitValues {
  int Slot;
  const char* Name;
  uint8_t Type, MenNow, MenAtStart, Damage, Cost, Class, CostCount;
};

void Put(ScenarioFixture& f, int side, const UnitValues& v) {
  f.PutUnit(side, v.Slot, v.Name);
  uint8_t* u = f.Unit(side, v.Slot);
  u[168] = v.Type;
  u[116] = v.MenNow;
  u[231] = v.MenAtStart;
  u[122] = v.Damage;
  u[136] = v.Cost;
  u[16] = v.Class;
  u[228] = v.CostCount;
}

BattleSummary Summarise(const ScenarioFixture& f, int side, int unitCount) {
  auto fileSlots = std::make_unique<GameFileSlots>();
  ReadSaveFileRecords(f.Build(), *fileSlots);
  return ComputeBattleSummary(*fileSlots, side, unitCount, {"Germany", "Soviet Union"});
}

std::vector<std::vector<QString>> Rows(const BattleSummary& s) {
  std::vector<std::vector<QString>> rows;
  for (int row = 0; row < s.Rows.RowCount(); ++row) {
    rows.emplace_back();
    for (int col = 0; col < SummaryColumnCount; ++col) rows.back().push_back(s.Rows.Cell(col, row));
  }
  return rows;
}

TEST(BattleSummaryTest, UnitsAreGroupedByTypeInAscendingOrderWithTotals) {
  ScenarioFixture f;
  Put(f, 1, {0, "Tiger", 12, 4, 5, 2, 10, 1, 1});
  Put(f, 1, {2, "Rifles", 3, 9, 10, 1, 9, 10, 2});  // slot 1 is empty
  Put(f, 1, {3, "Tiger II", 12, 0, 5, 3, 9, 11, 2});
  f.Sections[37][3] = 7;
  f.Sections[37][4] = 43;
  f.Sections[37][15] = 5;
  f.Sections[37][14] = 23;
  const BattleSummary s = Summarise(f, 1, 4);
  const std::vector<std::vector<QString>> expected = {
      {"Unit Name", "Type #", "Cost", "Units", "Men"},
      {"Rifles", "3", "26", "1/1", "9/10"},
      {"Tiger", "12", "28", "1/2", "4/10"},
  };
  EXPECT_EQ(Rows(s), expected);
  EXPECT_EQ(s.DateText, "Date: 7/43");
  EXPECT_EQ(s.TurnText, "Turns: 5/23");
  EXPECT_EQ(s.CountryText, "Germany vs. Soviet Union");
  EXPECT_EQ(s.MenText, "Men  20");
  EXPECT_EQ(s.MenKilledText, "Men Killed  7");
  EXPECT_EQ(s.TotalUnitsText, "Total Units  3");
  EXPECT_EQ(s.UnitsKilledText, "Units Killed  1");
  EXPECT_EQ(s.CostText, "Cost 54");
  EXPECT_EQ(s.DamageText, "Damage 6");
  // Side 0 holds no unit: only the headings and totals of 0.
  const BattleSummary empty = Summarise(f, 0, 4);
  EXPECT_EQ(empty.Rows.RowCount(), 1);
  EXPECT_EQ(empty.CostText, "Cost 0");
  EXPECT_EQ(empty.MenKilledText, "Men Killed  0");
}

TEST(BattleSummaryTest, CostRuleAndGroupNames) {
  struct Case {
    uint8_t Class;
    int64_t Expected;
  };
  for (const Case& c : {Case{10, 26}, Case{11, 18}, Case{5, 26}, Case{82, 26}, Case{81, 18}}) {
    std::vector<uint8_t> unit(258, 0);
    unit[16] = c.Class;
    unit[136] = 9;
    unit[228] = 2;
    EXPECT_EQ(UnitCost(unit), c.Expected) << int(c.Class);
  }
  ScenarioFixture f;
  Put(f, 0, {0, "", 7, 1, 1, 0, 0, 0, 0});
  std::memcpy(f.Unit(0, 0), "ABCDEFGHIJKLMNOP", 16);  // no zero byte
  f.Unit(0, 0)[16] = 'Q';  // the class byte follows the name field
  Put(f, 0, {1, "Other name", 7, 1, 1, 0, 0, 0, 0});
  const BattleSummary s = Summarise(f, 0, 2);
  EXPECT_EQ(s.Rows.Cell(0, 1), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(s.Rows.Cell(3, 1), "2/2");
}

TEST(BattleSummaryTest, AbsentRecordsAreSkippedOrShownAsQuestionMarks) {
  ScenarioFixture f;
  Put(f, 0, {0, "A", 1, 1, 1, 0, 0, 0, 0});
  Put(f, 0, {1, "B", 2, 1, 1, 0, 0, 0, 0});
  f.Sections[1].resize(258 + 100);  // unit 1 is cut
  f.Sections[37].resize(10);
  const BattleSummary s = Summarise(f, 0, 2);
  EXPECT_EQ(s.Rows.RowCount(), 2);
  EXPECT_EQ(s.DateText, "Date: ?\?/?\?");
  EXPECT_EQ(s.TurnText, "Turns: ?\?/?\?");
  GameFileSlots nothing;
  const BattleSummary before = ComputeBattleSummary(nothing, 0, 400, {"Side 0", "Side 1"});
  EXPECT_EQ(before.Rows.RowCount(), 1);
  EXPECT_EQ(before.DateText, "Date: ?\?/?\?");
  EXPECT_EQ(before.CountryText, "Side 0 vs. Side 1");
}

}  // namespace
}  // namespace qrl::scen
