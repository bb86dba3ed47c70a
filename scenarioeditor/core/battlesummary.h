#pragma once
// The battle summary: the units of one side grouped by unit type (unit byte
// 168), with counts, men and cost per group, six totals and the date, turn
// and sides above them. It only reads; unit records the file does not hold
// are skipped, and values of an absent game data record show "??".
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/celltable.h"

namespace qrl::scen {

inline constexpr int SummaryColumnCount = 5;
inline constexpr std::array<std::string_view, SummaryColumnCount> SummaryHeadings = {"Unit Name", "Type #", "Cost",
                                                                                   "Units", "Men"};
// Units of these classes cost half as much again.
inline constexpr std::array<int, 10> DearerClasses = {5, 9, 10, 19, 21, 31, 38, 44, 80, 82};

// The cost a unit adds to its group: byte 136 (and half again for the
// dearer classes) times byte 228.
int64_t UnitCost(std::span<const uint8_t> unit);

struct BattleSummary {
  CellTable Rows{SummaryColumnCount, 1};  // row 0 the headings, then one row per unit type in ascending type
  QString TurnText, DateText, CountryText;
  QString MenText, MenKilledText, TotalUnitsText, UnitsKilledText, CostText, DamageText;
};

// side 0 or 1 (another value gives no rows), unitCount the main grid's unit
// count of that side; sideNames the side selector's two item texts.
BattleSummary ComputeBattleSummary(const GameFileSlots& fileSlots, int side, int unitCount,
                                   const std::array<QString, 2>& sideNames);

}  // namespace qrl::scen
