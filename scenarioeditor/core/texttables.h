#pragma once
// The two plain-text tables QrlEd prints for the user: the roster of the
// shown side as the unit grid shows it, and one unit as the unit data window
// shows it. Both are built from the texts on the screen (Windows-1252 bytes),
// not from the records; lines end in CR LF. "%3s" and "%-18s" pad and never
// cut a longer text.
#include <array>
#include <string>
#include <string_view>

#include <QString>

#include "scenarioeditor/core/celltable.h"

namespace qrl::scen {

namespace TableDialogs {
inline constexpr std::string_view Filter = "txt files (*.txt)|*.txt||All Files *.*|*.*";
inline constexpr std::string_view InfoTitle = "Save Info Table";
inline constexpr std::string_view DetailTitle = "Save Detail Table";
inline constexpr std::string_view DefaultExtension = "txt";
inline constexpr std::string_view NotCreated = "Couldn't open txt file. Aborting.";
}  // namespace TableDialogs

// The roster needs a unit row below the headings.
inline constexpr int InfoTableMinRows = 2;

// fileLabel: the main window's file label; side 0 or 1; sideNames the two
// items of the side selector; cells the unit grid as shown (row 0 headings,
// columns 1..9 printed for rows 1..RowCount-1).
// The result is Windows-1252 bytes.
std::string InfoTable(const QString& fileLabel, int side, const std::array<QString, 2>& sideNames,
                      const CellTable& cells);

// The texts of the unit data window's controls that the detail table prints.
struct DetailTableTexts {
  QString Name, UnitNumber, Class, Mob, Country, Image;
  // Cell [column][row] of each grid, as the window shows it.
  std::array<std::array<QString, 5>, 5> Armor;
  std::array<std::array<QString, 5>, 5> Weapons;
  QString Fc, RoF, Speed, Swim, Smoke, Size, Vision, Stab;
  QString SmkD, RngF, Radio, Cost, Lift, LiftCost, Men, Surv;
};

// Fourteen lines (Windows-1252 bytes), the last one empty, so tables appended one after another
// stay apart.
std::string DetailTable(const DetailTableTexts& texts);

}  // namespace qrl::scen
