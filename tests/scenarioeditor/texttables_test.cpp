#include <gtest/gtest.h>

#include <QStringList>

#include "scenarioeditor/core/texttables.h"

namespace qrl::scen {
namespace {

TEST(InfoTableTest, PrintsTheGridAsShownWithPaddingThatNeverCuts) {
  CellTable cells(10, 3);
  const QStringList row1 = {"", "1A", "Panzer IV", "Hptm/Wittmann", "60", "70", "3", "4", "5", "6"};
  const QStringList row2 = {"", "A1234", "A name longer than 18", "L", "100", "", "", "", "", "1"};
  for (int col = 0; col < 10; ++col) {
    cells.SetCell(col, 1, row1[col]);
    cells.SetCell(col, 2, row2[col]);
  }
  const std::string expected =
      "Edit(QRL): scen001.dat \r\n"
      "Side 1   Germany vs. Russia\r\n"
      "    UN  Unit Number        Leader             Exp Mor Ral Inf Art Arm \r\n"
      "001  1A Panzer IV          Hptm/Wittmann      60  70   3   4   5   6 \r\n"
      "002 A1234 A name longer than 18 L                 100                   1 \r\n";
  EXPECT_EQ(InfoTable("Edit(QRL): scen001.dat", 1, {"Germany", "Russia"}, cells), expected);
}

TEST(DetailTableTest, FourteenLinesFromTheWindowsTexts) {
  DetailTableTexts t;
  t.Name = "Tiger";
  t.UnitNumber = "12";
  t.Class = "3";
  t.Mob = "7";
  t.Country = "5";
  t.Image = "40000";
  for (size_t col = 1; col <= 4; ++col)
    for (size_t row = 1; row <= 4; ++row) t.Armor[col][row] = QString::number(col * 10 + row);
  t.Weapons[0][1] = "88mm KwK";
  for (size_t col = 1; col <= 4; ++col) t.Weapons[col][1] = QString::number(col);
  t.Fc = "1";
  t.Men = "5";
  t.Surv = "99";
  const std::string table = DetailTable(t);
  const std::string expected =
      "Unit: Tiger              Unit#  12  Class   3  MOB#  7  Ctry#  5  #Img 40000  \r\n"
      "Area          Front  Sides   Rear   Sk-Tp\r\n"
      "Hull Normal     11     21     31     41\r\n"
      "Hull Sloped     12     22     32\r\n"
      "Turret Around   13     23     33     43\r\n"
      "Turret Sloped   14     24     34\r\n"
      "Weapon               HE  AP  S1  S2\r\n"
      "88mm KwK              1   2   3   4\r\n"
      "                                   \r\n"
      "                                   \r\n"
      "                                   \r\n"
      "FC  1  RoF     Speed     Swim     Smoke     Size     Vision     Stab.     \r\n"
      "SmkD     RngF     Radio     Cost     Lift     LCost     Men  5  Surv. 99  \r\n"
      "\r\n";
  EXPECT_EQ(table, expected);
}

}  // namespace
}  // namespace qrl::scen
