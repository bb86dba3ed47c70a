#include "scenarioeditor/core/dicerolls.h"

#include <utility>

#include "gamefile/strtoint.h"

namespace qrl::scen {

RollEdits::RollEdits() {
  for (size_t j = 0; j < RollCount; ++j)
    for (size_t k = 0; k < RollValueCount; ++k)
      Text[j][k] = TableText(RollEditInitialTexts[j][k]);
}

namespace {

int32_t ParseEdit(const QString& text) { return StrToInt(text.toStdString()); }

// The parameters every row shares; the base is not among them because it is
// read again at every rolled row.
struct DiceParameters {
  int32_t PlusDice, PlusSides, MinusDice, MinusSides, Min, Max;
};

DiceParameters ParseDiceParameters(RollKind roll, const RollEdits& edits) {
  DiceParameters p{};
  p.PlusDice = ParseEdit(edits.At(roll, RollValue::PlusDice));
  p.PlusSides = ParseEdit(edits.At(roll, RollValue::PlusSides));
  p.MinusDice = ParseEdit(edits.At(roll, RollValue::MinusDice));
  p.MinusSides = ParseEdit(edits.At(roll, RollValue::MinusSides));
  p.Min = ParseEdit(edits.At(roll, RollValue::Min));
  p.Max = ParseEdit(edits.At(roll, RollValue::Max));
  return p;
}

bool HasTooManyDice(const DiceParameters& p) { return p.PlusDice > MaxDicePerCount || p.MinusDice > MaxDicePerCount; }

// A die of s sides gives 1 .. |s|; with s = 0 it gives 1 and draws nothing.
int64_t Die(RandomSource& random, int32_t sides) { return int64_t(random.RandomBelow(sides)) + 1; }

// Max first, so that Min wins when Min > Max. The sum is kept in 64 bits: up
// to MaxDicePerCount dice of 2^31 - 1 sides cannot overflow it.
int32_t Clamp(int64_t v, const DiceParameters& p) {
  if (v > p.Max) v = p.Max;
  if (v < p.Min) v = p.Min;
  return int32_t(v);
}

char ClassOfRow(std::span<const char> leaderClass, int row) {
  size_t index = size_t(row - 1);
  return row >= 1 && index < leaderClass.size() ? leaderClass[index] : '\0';
}

int Sk1Column(char leaderClass) {
  switch (leaderClass) {
    case 'I': return InfColumn;
    case 'A': return ArtColumn;
    default: return ArmColumn;
  }
}

// The two skill columns Sk1 does not write, x's first.
std::pair<int, int> Sk2Columns(char leaderClass) {
  switch (leaderClass) {
    case 'I': return {ArtColumn, ArmColumn};
    case 'A': return {InfColumn, ArmColumn};
    default: return {InfColumn, ArtColumn};
  }
}

int ValueColumn(RollKind roll) {
  switch (roll) {
    case RollKind::Exp: return ExpColumn;
    case RollKind::Mor: return MorColumn;
    default: return RalColumn;
  }
}

bool RowIsOfSide(const CellTable& grid, int row, int side) {
  return ParseEdit(grid.Cell(SideColumn, row)) == side;
}

void RollOneValue(RollKind roll, const RollEdits& edits, const DiceParameters& p, const RollTarget& t, int row) {
  int64_t v = ParseEdit(edits.At(roll, RollValue::Base));
  for (int32_t d = 0; d < p.PlusDice; ++d) v += Die(t.Random, p.PlusSides);
  for (int32_t d = 0; d < p.MinusDice; ++d) v -= Die(t.Random, p.MinusSides);
  int column = roll == RollKind::Sk1 ? Sk1Column(ClassOfRow(t.LeaderClass, row)) : ValueColumn(roll);
  t.Grid.SetCell(column, row, QString::number(Clamp(v, p)));
}

// Each die draws first for x, then for y. x and y are clamped each on its own,
// so the order of the four clamps does not show.
void RollTwoValues(const RollEdits& edits, const DiceParameters& p, const RollTarget& t, int row) {
  int64_t x = ParseEdit(edits.At(RollKind::Sk2, RollValue::Base));
  int64_t y = x;
  for (int32_t d = 0; d < p.PlusDice; ++d) {
    x += Die(t.Random, p.PlusSides);
    y += Die(t.Random, p.PlusSides);
  }
  for (int32_t d = 0; d < p.MinusDice; ++d) {
    x -= Die(t.Random, p.MinusSides);
    y -= Die(t.Random, p.MinusSides);
  }
  auto [xColumn, yColumn] = Sk2Columns(ClassOfRow(t.LeaderClass, row));
  t.Grid.SetCell(xColumn, row, QString::number(Clamp(x, p)));
  t.Grid.SetCell(yColumn, row, QString::number(Clamp(y, p)));
}

}  // namespace

RollOutcome RunRoll(RollKind roll, const RollEdits& edits, const RollTarget& target) {
  DiceParameters p = ParseDiceParameters(roll, edits);
  if (HasTooManyDice(p)) return RollOutcome::TooManyDice;
  for (int row = 1; row < target.Grid.RowCount(); ++row) {
    if (!RowIsOfSide(target.Grid, row, target.Side)) continue;
    if (roll == RollKind::Sk2)
      RollTwoValues(edits, p, target, row);
    else
      RollOneValue(roll, edits, p, target, row);
  }
  return RollOutcome::Rolled;
}

RollOutcome RunAllRolls(const RollEdits& edits, const RollTarget& target) {
  for (RollKind roll : AllRolls)
    if (RunRoll(roll, edits, target) != RollOutcome::Rolled) return RollOutcome::TooManyDice;
  return RollOutcome::Rolled;
}

}  // namespace qrl::scen
