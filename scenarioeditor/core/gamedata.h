#pragma once
// The game data window's values: the byte fields of the game data record,
// the prestige, the description and the victory hexes, read into texts and
// stored back by Retain in its fixed order. A record the file does not hold
// (see ownrecords.h) shows "??" and is neither parsed nor stored.
#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/scenariodocument.h"

namespace qrl::scen {

// A one-byte field of the game data record and the edit that shows it.
struct GameDataField {
  std::string_view Control;
  int32_t Offset;
};
// In the order Retain stores them.
inline constexpr std::array<GameDataField, 18> GameDataByteFields = {{
    {"TurnEdit", 15},          {"MaxTurnsEdit", 14},       {"VisibilityEdit", 102},   {"TerrainEdit", 364},
    {"StartMonthEdit", 234},   {"EndMonthEdit", 238},      {"StartYearEdit", 236},    {"EndYearEdit", 240},
    {"Country1Edit", 8},       {"Country2Edit", 9},        {"Country3Edit", 10},      {"Country4Edit", 11},
    {"MajorVictoriesEdit", 115}, {"MinorVictoriesEdit", 114}, {"BattlesEdit", 113}, {"MaxBattlesEdit", 232},
    {"MonthEdit", 3},          {"YearEdit", 4},
}};

// The victory hexes: four parallel arrays of 21 entries; the window shows
// and stores the first 20 of each.
inline constexpr int VictoryColumnCount = 4;
inline constexpr int VictoryShownEntries = 20;
inline constexpr std::array<int32_t, VictoryColumnCount> VictoryArrays = {16, 37, 58, 79};  // X, Y, value, side
inline constexpr std::array<std::string_view, VictoryColumnCount> VictoryHeadings = {" X", " Y", " Amt", " Side"};

inline const BoxMessage GameDataNotStored{"Some game data is not in this file and was not stored.", "Warning"};

struct GameDataTexts {
  std::array<QString, GameDataByteFields.size()> Bytes;  // by GameDataByteFields
  QString Prestige;
  QString Description;
  CellTable Victory{VictoryColumnCount, VictoryShownEntries + 1};  // row 0 the headings
  bool GameDataPresent = false;  // slot 37 holds the record
  bool PrestigePresent = false;  // slot 26 holds the prestige

  GameDataTexts();  // "??" everywhere, the headings in row 0
};

GameDataTexts ReadGameData(const GameFileSlots& fileSlots);

// Stores in the window's order: the byte fields, the prestige, the
// description (31 bytes, zero-filled when shorter), the victory hexes column
// by column. Numbers keep their low 8 bits (prestige v % 256 and v / 256).
// Throws ConversionError at the first text that is no integer, what was
// stored before staying stored. True when a record is absent (and skipped).
bool RetainGameData(GameFileSlots& fileSlots, const GameDataTexts& texts);

}  // namespace qrl::scen
