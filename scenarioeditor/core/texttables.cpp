#include "scenarioeditor/core/texttables.h"

#include <algorithm>

#include "forms/cp1252text.h"

namespace qrl::scen {

namespace {

constexpr std::string_view LineEnd = "\r\n";

// printf's "%Ns" (right-aligned) and "%-Ns" (left-aligned) over bytes: pads
// to width, never cuts.
std::string Pad(const QString& text, size_t width, bool left) {
  std::string bytes = forms::ToCp1252(text);
  if (bytes.size() >= width) return bytes;
  std::string fill(width - bytes.size(), ' ');
  return left ? bytes + fill : fill + bytes;
}
std::string Right(const QString& text, size_t width) { return Pad(text, width, false); }
std::string Left(const QString& text, size_t width) { return Pad(text, width, true); }

constexpr int InfoFormationColumn = 1;
constexpr int InfoUnitNameColumn = 2;
constexpr int InfoLeaderColumn = 3;
constexpr int InfoFirstValueColumn = 4;
constexpr int InfoLastValueColumn = 9;
constexpr int InfoNameWidth = 18;

std::string RowNumber(int row) {
  std::string digits = std::to_string(row);
  return std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

}  // namespace

std::string InfoTable(const QString& fileLabel, int side, const std::array<QString, 2>& sideNames,
                      const CellTable& cells) {
  std::string out = forms::ToCp1252(fileLabel) + " " + std::string(LineEnd);
  out += "Side " + std::to_string(side) + " ";
  out += "  " + forms::ToCp1252(sideNames[0]) + " vs. " + forms::ToCp1252(sideNames[1]) + std::string(LineEnd);
  out += "    UN  Unit Number        Leader             ";
  out += "Exp Mor Ral Inf Art Arm " + std::string(LineEnd);
  for (int row = 1; row < cells.RowCount(); ++row) {
    out += RowNumber(row) + " ";
    out += Right(cells.Cell(InfoFormationColumn, row), 3) + " ";
    out += Left(cells.Cell(InfoUnitNameColumn, row), InfoNameWidth) + " ";
    out += Left(cells.Cell(InfoLeaderColumn, row), InfoNameWidth);
    for (int col = InfoFirstValueColumn; col <= InfoLastValueColumn; ++col) out += Right(cells.Cell(col, row), 3) + " ";
    out += LineEnd;
  }
  return out;
}

std::string DetailTable(const DetailTableTexts& t) {
  const std::string end(LineEnd);
  std::string out = "Unit: " + Left(t.Name, 17) + "  ";
  out += "Unit# " + Right(t.UnitNumber, 3) + "  ";
  out += "Class " + Right(t.Class, 3) + "  ";
  out += "MOB# " + Right(t.Mob, 2) + "  ";
  out += "Ctry# " + Right(t.Country, 2) + "  ";
  out += "#Img " + Right(t.Image, 3) + "  " + end;
  out += "Area          Front  Sides   Rear   Sk-Tp" + end;

  // The sloped rows hold three armour values, the others four.
  struct ArmorLine {
    const char* Title;
    int Row;
    int LastColumn;
  };
  constexpr ArmorLine ArmorLines[] = {
      {"Hull Normal  ", 1, 4}, {"Hull Sloped  ", 2, 3}, {"Turret Around", 3, 4}, {"Turret Sloped", 4, 3}};
  for (const ArmorLine& line : ArmorLines) {
    out += line.Title;
    out += "  " + Right(t.Armor[1][size_t(line.Row)], 3);
    for (int col = 2; col <= line.LastColumn; ++col) out += "  " + Right(t.Armor[size_t(col)][size_t(line.Row)], 5);
    out += end;
  }

  out += "Weapon               HE  AP  S1  S2" + end;
  for (size_t row = 1; row <= 4; ++row) {
    out += Left(t.Weapons[0][row], 20);
    out += " " + Right(t.Weapons[1][row], 2) + "  " + Right(t.Weapons[2][row], 2) + "  " + Right(t.Weapons[3][row], 2) +
           "  " + Right(t.Weapons[4][row], 2);
    out += end;
  }

  auto field = [](const char* label, const QString& value) { return std::string(label) + " " + Right(value, 2) + "  "; };
  out += field("FC", t.Fc) + field("RoF", t.RoF) + field("Speed", t.Speed) + field("Swim", t.Swim) +
         field("Smoke", t.Smoke) + field("Size", t.Size) + field("Vision", t.Vision) + field("Stab.", t.Stab) + end;
  out += field("SmkD", t.SmkD) + field("RngF", t.RngF) + field("Radio", t.Radio) + field("Cost", t.Cost) +
         field("Lift", t.Lift) + field("LCost", t.LiftCost) + field("Men", t.Men) + field("Surv.", t.Surv) + end;
  out += end;
  return out;
}

}  // namespace qrl::scen
