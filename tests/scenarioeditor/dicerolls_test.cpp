#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/dicerolls.h"

// From RandomState 1 the generator's values are 346, 13854878, 1621890440,
// 816282396, 1778554774, 821126358, ...: six-sided dice 5, 3, 3, 1, 5, 1 and
// ten-sided dice (value mod 10 + 1) 7, 9, 1, 7, 5, 9. The expected cells
// below are worked out from these by hand.

namespace qrl::scen {
namespace {

constexpr const char* Untouched = ".";
constexpr int FirstRolledColumn = ExpColumn;

// A unit grid whose row r >= 1 has the "Side" cell sides[r - 1] and the
// marker Untouched in every column a roll may write.
CellTable GridOfSides(const std::vector<std::string>& sides) {
  CellTable grid(10, int(sides.size()) + 1);
  grid.SetCell(SideColumn, 0, "Side");
  for (int r = 1; r < grid.RowCount(); ++r) {
    grid.SetCell(SideColumn, r, QString::fromStdString(sides[size_t(r - 1)]));
    for (int c = FirstRolledColumn; c <= ArmColumn; ++c) grid.SetCell(c, r, Untouched);
  }
  return grid;
}

// Columns 4..9 of a row, joined by blanks.
std::string RolledCells(const CellTable& grid, int row) {
  std::string text;
  for (int c = FirstRolledColumn; c <= ArmColumn; ++c) {
    if (!text.empty()) text += ' ';
    text += grid.Cell(c, row).toStdString();
  }
  return text;
}

uint64_t StateAfterDraws(int draws) {
  RandomSource r;
  for (int i = 0; i < draws; ++i) r.next_random31();
  return r.RandomState;
}

void SetEdits(RollEdits& edits, RollKind roll, const std::array<const char*, RollValueCount>& texts) {
  for (int k = 0; k < RollValueCount; ++k) edits.At(roll, RollValue(k)) = texts[size_t(k)];
}

enum class Expect { Rolled, TooManyDice, ConversionError };

struct RollCase {
  const char* Name;
  RollKind Roll;
  std::array<const char*, RollValueCount> Edits;  // base, PD, PS, MD, MS, Min, Max
  std::vector<std::string> Sides;                 // the "Side" cells of rows 1..
  int Side;
  std::string Classes;  // LeaderClass, index r - 1
  Expect Outcome;
  std::vector<std::string> Rows;  // expected columns 4..9 of rows 1..
  int Draws;                      // dice drawn in all
};

const RollCase RollCases[] = {
    {"FourPlusTwoMinusDice", RollKind::Exp, {"60", "4", "6", "2", "6", "0", "100"}, {"0"}, 0, "", Expect::Rolled,
     {"66 . . . . ."}, 6},
    {"NegativeSidesActAsPositive", RollKind::Exp, {"60", "4", "-6", "2", "-6", "0", "100"}, {"0"}, 0, "",
     Expect::Rolled, {"66 . . . . ."}, 6},
    {"MinAboveMaxGivesMin", RollKind::Mor, {"60", "4", "6", "2", "6", "50", "40"}, {"0", "0"}, 0, "",
     Expect::Rolled, {". 50 . . . .", ". 50 . . . ."}, 12},
    {"ZeroSidesCountOneAndDrawNothing", RollKind::Ral, {"10", "3", "0", "1", "0", "0", "100"}, {"0"}, 0, "",
     Expect::Rolled, {". . 12 . . ."}, 0},
    {"NoDiceGiveTheBaseClampedToMax", RollKind::Exp, {"120", "0", "6", "0", "6", "0", "100"}, {"0"}, 0, "",
     Expect::Rolled, {"100 . . . . ."}, 0},
    {"NoDiceGiveTheBaseClampedToMin", RollKind::Exp, {"-5", "0", "6", "-3", "6", "0", "100"}, {"0"}, 0, "",
     Expect::Rolled, {"0 . . . . ."}, 0},
    {"OnlyRowsOfTheShownSide", RollKind::Exp, {"60", "2", "6", "0", "6", "0", "100"}, {"0", "1", "0"}, 0, "",
     Expect::Rolled, {"68 . . . . .", ". . . . . .", "64 . . . . ."}, 4},
    {"SideOneSkipsSideZero", RollKind::Exp, {"60", "2", "6", "0", "6", "0", "100"}, {"0", "1"}, 1, "",
     Expect::Rolled, {". . . . . .", "68 . . . . ."}, 2},
    {"Sk1WritesTheClassColumn", RollKind::Sk1, {"0", "1", "6", "0", "6", "0", "100"}, {"0", "0", "0", "0"}, 0,
     "IAT", Expect::Rolled, {". . . 5 . .", ". . . . 3 .", ". . . . . 3", ". . . . . 1"}, 4},
    {"Sk2WritesTheOtherTwoColumns", RollKind::Sk2, {"20", "1", "6", "0", "6", "0", "100"}, {"0", "0", "0"}, 0,
     "IAT", Expect::Rolled, {". . . . 25 23", ". . . 23 . 21", ". . . 25 21 ."}, 6},
    {"Sk2DrawsXThenYForEveryDie", RollKind::Sk2, {"20", "1", "6", "1", "10", "0", "100"}, {"0"}, 0, "I",
     Expect::Rolled, {". . . . 24 16"}, 4},
    {"Sk2ClampsXAndY", RollKind::Sk2, {"20", "1", "6", "1", "10", "18", "22"}, {"0"}, 0, "A", Expect::Rolled,
     {". . . 22 . 18"}, 4},
    {"SumAboveInt32ClampsToMax", RollKind::Exp, {"2147483647", "1", "6", "0", "6", "0", "100"}, {"0"}, 0, "",
     Expect::Rolled, {"100 . . . . ."}, 1},
    {"SumBelowInt32ClampsToMin", RollKind::Exp, {"-2147483648", "0", "6", "1", "6", "0", "100"}, {"0"}, 0, "",
     Expect::Rolled, {"0 . . . . ."}, 1},
    {"TenThousandDiceAreAllowed", RollKind::Exp, {"0", "10000", "1", "0", "6", "0", "100000"}, {"0"}, 0, "",
     Expect::Rolled, {"10000 . . . . ."}, 10000},
    {"TooManyPlusDiceChangeNoRow", RollKind::Exp, {"0", "10001", "1", "0", "6", "0", "100"}, {"0"}, 0, "",
     Expect::TooManyDice, {". . . . . ."}, 0},
    {"DiceCountBeyondInt32IsNoInteger", RollKind::Sk2, {"0", "0", "1", "3000000000", "6", "0", "100"}, {"0"}, 0, "",
     Expect::ConversionError, {". . . . . ."}, 0},
    {"TooManyMinusDiceRefused", RollKind::Sk2, {"0", "0", "1", "2000000000", "6", "0", "100"}, {"0"}, 0, "",
     Expect::TooManyDice, {". . . . . ."}, 0},
    {"EditsAreParsedBeforeTheDiceCheck", RollKind::Exp, {"0", "10001", "1", "0", "6", "0", "max"}, {"0"}, 0, "",
     Expect::ConversionError, {". . . . . ."}, 0},
    {"BadPlusDiceChangeNothing", RollKind::Exp, {"60", "four", "6", "2", "6", "0", "100"}, {"0"}, 0, "",
     Expect::ConversionError, {". . . . . ."}, 0},
    {"BadBaseFailsBeforeTheFirstRow", RollKind::Mor, {"x50", "4", "6", "2", "6", "0", "100"}, {"1", "0", "0"}, 0,
     "", Expect::ConversionError, {". . . . . .", ". . . . . .", ". . . . . ."}, 0},
    {"BadBaseUnusedWithoutRowsOfTheSide", RollKind::Mor, {"", "4", "6", "2", "6", "0", "100"}, {"1"}, 0, "",
     Expect::Rolled, {". . . . . ."}, 0},
    {"BadSideCellKeepsTheRowsAbove", RollKind::Exp, {"60", "2", "6", "0", "6", "0", "100"}, {"0", "zero", "0"}, 0,
     "", Expect::ConversionError, {"68 . . . . .", ". . . . . .", ". . . . . ."}, 2},
};

class RollCaseTest : public testing::TestWithParam<RollCase> {};

TEST_P(RollCaseTest, WritesTheExpectedCells) {
  const RollCase& c = GetParam();
  CellTable grid = GridOfSides(c.Sides);
  RandomSource random;
  RollEdits edits;
  SetEdits(edits, c.Roll, c.Edits);
  RollTarget target{grid, c.Side, std::span<const char>(c.Classes.data(), c.Classes.size()), random};

  if (c.Outcome == Expect::ConversionError) {
    EXPECT_THROW((void)RunRoll(c.Roll, edits, target), ConversionError);
  } else {
    RollOutcome expected = c.Outcome == Expect::Rolled ? RollOutcome::Rolled : RollOutcome::TooManyDice;
    EXPECT_EQ(RunRoll(c.Roll, edits, target), expected);
  }
  ASSERT_EQ(grid.RowCount(), int(c.Rows.size()) + 1);
  for (int r = 1; r < grid.RowCount(); ++r) EXPECT_EQ(RolledCells(grid, r), c.Rows[size_t(r - 1)]) << "row " << r;
  EXPECT_EQ(random.RandomState, StateAfterDraws(c.Draws));
}

INSTANTIATE_TEST_SUITE_P(Rolls, RollCaseTest, testing::ValuesIn(RollCases),
                         [](const testing::TestParamInfo<RollCase>& info) { return std::string(info.param.Name); });

TEST(RollTest, InitialEditsKeepResultsInTheirDiceRange) {
  constexpr int rows = 50;
  CellTable grid = GridOfSides(std::vector<std::string>(rows, "0"));
  RandomSource random;
  std::string classes(rows, 'T');
  RollTarget target{grid, 0, classes, random};
  RollEdits edits;
  ASSERT_EQ(RunRoll(RollKind::Exp, edits, target), RollOutcome::Rolled);
  ASSERT_EQ(RunRoll(RollKind::Sk2, edits, target), RollOutcome::Rolled);
  for (int r = 1; r <= rows; ++r) {
    int exp = grid.Cell(ExpColumn, r).toInt();
    EXPECT_TRUE(exp >= 60 + 4 - 12 && exp <= 60 + 24 - 2) << exp;
    for (int column : {InfColumn, ArtColumn}) {
      int skill = grid.Cell(column, r).toInt();
      EXPECT_TRUE(skill >= 20 + 3 - 12 && skill <= 20 + 18 - 2) << skill;
    }
  }
}

RollEdits OneDieEach() {
  RollEdits edits;
  for (RollKind roll : AllRolls) SetEdits(edits, roll, {"0", "1", "6", "0", "6", "0", "100"});
  return edits;
}

TEST(RollAllTest, RunsTheFiveRollsInOrder) {
  CellTable grid = GridOfSides({"0"});
  RandomSource random;
  std::string classes = "I";
  RollTarget target{grid, 0, classes, random};
  EXPECT_EQ(RunAllRolls(OneDieEach(), target), RollOutcome::Rolled);
  // Exp 5, Mor 3, Ral 3, Sk1 1 into Inf, Sk2 x = 5 into Art and y = 1 into Arm.
  EXPECT_EQ(RolledCells(grid, 1), "5 3 3 1 5 1");
}

TEST(RollAllTest, StopsAtTheFirstFailingRoll) {
  CellTable grid = GridOfSides({"0"});
  RandomSource random;
  std::string classes = "I";
  RollTarget target{grid, 0, classes, random};
  RollEdits edits = OneDieEach();
  edits.At(RollKind::Ral, RollValue::Base) = "ral";
  EXPECT_THROW((void)RunAllRolls(edits, target), ConversionError);
  EXPECT_EQ(RolledCells(grid, 1), "5 3 . . . .");

  CellTable refused = GridOfSides({"0"});
  RandomSource random2;
  RollTarget target2{refused, 0, classes, random2};
  edits = OneDieEach();
  edits.At(RollKind::Sk1, RollValue::MinusDice) = "20000";
  EXPECT_EQ(RunAllRolls(edits, target2), RollOutcome::TooManyDice);
  EXPECT_EQ(RolledCells(refused, 1), "5 3 3 . . .");
}

}  // namespace
}  // namespace qrl::scen
