#include "scenarioeditor/core/battlesummary.h"

#include <algorithm>
#include <optional>

#include "scenarioeditor/core/celltext.h"
#include "scenarioeditor/core/ownrecords.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

using namespace RecordLayout;

namespace {

constexpr int UnitTypeCount = 256;

struct Group {
  QString Name;
  int64_t Count = 0, Alive = 0, MenNow = 0, MenAtStart = 0, Cost = 0, Damage = 0;
};

struct Totals {
  int64_t Count = 0, Alive = 0, MenNow = 0, MenAtStart = 0, Cost = 0, Damage = 0;
};

QString Ascii(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QString ByteText(std::span<const uint8_t> record, int32_t offset) {
  const auto value = FieldByte(record, offset);
  return value ? QString::number(*value) : Ascii(AbsentRecordText);
}

void AddUnit(Group& group, std::span<const uint8_t> unit) {
  if (group.Count == 0) group.Name = TextFromBytes(UnitName(unit));
  const uint8_t menNow = unit[Unit::MenNow];
  ++group.Count;
  group.MenNow += menNow;
  group.MenAtStart += unit[Unit::MenAtStart];
  group.Damage += unit[Unit::Damage];
  group.Cost += UnitCost(unit);
  if (menNow > 0) ++group.Alive;
}

}  // namespace

int64_t UnitCost(std::span<const uint8_t> unit) {
  const int64_t cost = FieldByteOrZero(unit, Unit::Cost);
  const int unitClass = FieldByteOrZero(unit, Unit::Class);
  const bool dearer = std::find(DearerClasses.begin(), DearerClasses.end(), unitClass) != DearerClasses.end();
  return (dearer ? cost + cost / 2 : cost) * FieldByteOrZero(unit, Unit::CostCount);
}

BattleSummary ComputeBattleSummary(const GameFileSlots& fileSlots, int side, int unitCount,
                                   const std::array<QString, 2>& sideNames) {
  BattleSummary summary;
  for (int col = 0; col < SummaryColumnCount; ++col) summary.Rows.SetCell(col, 0, Ascii(SummaryHeadings[size_t(col)]));

  const auto gameData = OwnGameDataRecord(fileSlots);
  summary.DateText = "Date: " + ByteText(gameData, GameData::Month) + "/" + ByteText(gameData, GameData::Year);
  summary.TurnText = "Turns: " + ByteText(gameData, GameData::Turn) + "/" + ByteText(gameData, GameData::MaxTurns);

  std::array<Group, UnitTypeCount> groups;
  int groupCount = 0;
  const int units = (side == 0 || side == 1) ? std::clamp(unitCount, 0, UnitsPerSide) : 0;
  for (int u = 0; u < units; ++u) {
    const auto unit = OwnUnitRecord(fileSlots, side, u);
    if (unit.empty() || unit[Unit::InUse] == 0) continue;
    Group& group = groups[unit[Unit::OobUnitNumber]];
    if (group.Count == 0) ++groupCount;
    AddUnit(group, unit);
  }

  summary.Rows.SetRowCount(1 + groupCount);
  Totals totals;
  int row = 1;
  for (int type = 0; type < UnitTypeCount; ++type) {
    const Group& g = groups[size_t(type)];
    if (g.Count == 0) continue;
    summary.Rows.SetCell(0, row, g.Name);
    summary.Rows.SetCell(1, row, QString::number(type));
    summary.Rows.SetCell(2, row, QString::number(g.Cost));
    summary.Rows.SetCell(3, row, QString::number(g.Alive) + "/" + QString::number(g.Count));
    summary.Rows.SetCell(4, row, QString::number(g.MenNow) + "/" + QString::number(g.MenAtStart));
    ++row;
    totals.Count += g.Count;
    totals.Alive += g.Alive;
    totals.MenNow += g.MenNow;
    totals.MenAtStart += g.MenAtStart;
    totals.Cost += g.Cost;
    totals.Damage += g.Damage;
  }

  summary.MenText = "Men  " + QString::number(totals.MenAtStart);
  summary.MenKilledText = "Men Killed  " + QString::number(totals.MenAtStart - totals.MenNow);
  summary.TotalUnitsText = "Total Units  " + QString::number(totals.Count);
  summary.UnitsKilledText = "Units Killed  " + QString::number(totals.Count - totals.Alive);
  summary.CostText = "Cost " + QString::number(totals.Cost);
  summary.DamageText = "Damage " + QString::number(totals.Damage);
  summary.CountryText = sideNames[0] + " vs. " + sideNames[1];
  return summary;
}

}  // namespace qrl::scen
