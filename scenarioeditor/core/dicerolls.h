#pragma once
// The five dice rolls of the main window: each is a base plus some dice minus
// some dice, clamped to Min..Max, rolled for every grid row of the shown side.
// Rolls write decimal text into the unit grid's cells only; the records change
// when the grid is stored.
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "gamefile/randomsource.h"
#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/unitgrid.h"

namespace qrl::scen {

// Roll j of the edit table; also the index j of a dice-data set's roll[j].
enum class RollKind : int { Exp = 0, Mor = 1, Ral = 2, Sk1 = 3, Sk2 = 4 };
inline constexpr int RollCount = 5;
inline constexpr std::array<RollKind, RollCount> AllRolls = {RollKind::Exp, RollKind::Mor, RollKind::Ral,
                                                             RollKind::Sk1, RollKind::Sk2};

// Value k of a roll, in the order its edits stand on the window and its
// numbers stand in a dice-data set.
enum class RollValue : int { Base = 0, PlusDice, PlusSides, MinusDice, MinusSides, Min, Max };
inline constexpr int RollValueCount = 7;

// The window's controls of one roll row: the label heading the row, the
// button that runs it and its caption.
struct RollRowSpec {
  std::string_view Label;
  std::string_view ButtonName;
  std::string_view ButtonCaption;
};
inline constexpr std::array<RollRowSpec, RollCount> RollRows = {{
    {"Exp", "ExpRollBtn", "Exp Roll"},
    {"Mor", "MorRollBtn", "Mor Roll"},
    {"Ral", "RalRollBtn", "Rally Roll"},
    {"Sk1", "Sk1RollBtn", "Sk1 Roll"},
    {"Sk2", "Sk2RollBtn", "Sk2 Roll"},
}};
inline constexpr std::string_view RollAllButtonName = "RollAllBtn";
inline constexpr std::string_view RollAllButtonCaption = "Roll All";

// Column captions above the seven edits (base + d x s - d1 x s1, Min, Max).
inline constexpr std::array<std::string_view, RollValueCount> RollValueCaptions = {"Base", "d",   "s",  "d1",
                                                                                   "s1",   "Min", "Max"};

// The names of the 35 edits, [roll][value]: prefix of the roll, suffix of the value.
inline constexpr std::array<std::array<std::string_view, RollValueCount>, RollCount> RollEditNames = {{
    {"ExpMEdit", "ExpPDEdit", "ExpPSEdit", "ExpMDEdit", "ExpMSEdit", "ExpMinEdit", "ExpMaxEdit"},
    {"MorMEdit", "MorPDEdit", "MorPSEdit", "MorMDEdit", "MorMSEdit", "MorMinEdit", "MorMaxEdit"},
    {"RalMEdit", "RalPDEdit", "RalPSEdit", "RalMDEdit", "RalMSEdit", "RalMinEdit", "RalMaxEdit"},
    {"Sk1MEdit", "Sk1PDEdit", "Sk1PSEdit", "Sk1MDEdit", "Sk1MSEdit", "Sk1MinEdit", "Sk1MaxEdit"},
    {"Sk2MEdit", "Sk2PDEdit", "Sk2PSEdit", "Sk2MDEdit", "Sk2MSEdit", "Sk2MinEdit", "Sk2MaxEdit"},
}};

// The texts the 35 edits start with, [roll][value].
inline constexpr std::array<std::array<std::string_view, RollValueCount>, RollCount> RollEditInitialTexts = {{
    {"60", "4", "6", "2", "6", "0", "100"},
    {"50", "4", "6", "2", "6", "0", "100"},
    {"40", "4", "6", "2", "6", "0", "100"},
    {"60", "4", "6", "2", "6", "0", "100"},
    {"20", "3", "6", "2", "6", "0", "100"},
}};

// A text of these tables (plain ASCII) as the controls take it.
inline QString TableText(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

// The texts of the 35 roll edits as the user left them; the rolls parse them
// when they run. Default-constructed with the initial texts.
struct RollEdits {
  std::array<std::array<QString, RollValueCount>, RollCount> Text;

  RollEdits();
  QString& At(RollKind roll, RollValue value) { return Text[size_t(roll)][size_t(value)]; }
  const QString& At(RollKind roll, RollValue value) const { return Text[size_t(roll)][size_t(value)]; }
};

// The grid columns the rolls use are the unit grid's (GridColumn, unitgrid.h):
// "Side" decides which rows are rolled, Exp .. Arm receive the results.

// More dice than this in one count would keep the program drawing for
// minutes; such a roll is refused before any row changes.
inline constexpr int32_t MaxDicePerCount = 10'000;
inline constexpr std::string_view TooManyDiceText = "Too many dice: at most 10000 are allowed.";
inline constexpr std::string_view TooManyDiceCaption = "Error";

// TooManyDice: the window shows the box TooManyDiceText / TooManyDiceCaption
// (a message box, not the exception box); no cell and no draw changed.
enum class RollOutcome { Rolled, TooManyDice };

// What a roll works on. Grid: the unit grid of the shown side; a row r >= 1
// is rolled when its "Side" cell parses to Side. LeaderClass: 'I', 'A' or 'T'
// for grid row r at index r - 1; an index outside the span reads as 0, which
// picks the armour column like 'T'.
struct RollTarget {
  CellTable& Grid;
  int Side;
  std::span<const char> LeaderClass;
  RandomSource& Random;
};

// Runs one roll with its seven edits. The six dice and limit edits are parsed
// first (plus dice, plus sides, minus dice, minus sides, Min, Max); then the
// dice counts are checked; then the rows in grid order: the "Side" cell, the
// base edit (parsed again at every rolled row), the draws, the cells written.
// A text that is no integer throws qrl::ConversionError where it is met: rows
// written before it keep their new values.
[[nodiscard]] RollOutcome RunRoll(RollKind roll, const RollEdits& edits, const RollTarget& target);

// Exp, Mor, Ral, Sk1 and Sk2 in this order; stops at the first roll that
// throws or is refused, the rolls before it keeping their results.
[[nodiscard]] RollOutcome RunAllRolls(const RollEdits& edits, const RollTarget& target);

}  // namespace qrl::scen
