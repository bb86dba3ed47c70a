#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>

#include "scenarioeditor/ui/positionform.h"
#include "scenarioeditor/ui/summaryform.h"
#include "scenarioeditor/ui/turnsform.h"
#include "tests/scenarioeditor/ui/qrledrig.h"

namespace qrl::scenui::test {
namespace {

void PutPosition(ScenarioFixture& f, int side, int unit, int16_t x, int16_t y) {
  uint8_t* p = &f.Sections[17][(size_t(side) * 400 + size_t(unit)) * 20];
  p[0] = uint8_t(x & 0xFF);
  p[1] = uint8_t((x >> 8) & 0xFF);
  p[2] = uint8_t(y & 0xFF);
  p[3] = uint8_t((y >> 8) & 0xFF);
}

// TwoSides with side 0's units at (3,3), (9,5) and (10,4), and game data.
ScenarioFixture Positioned() {
  ScenarioFixture f = TwoSides();
  PutPosition(f, 0, 0, 3, 3);
  PutPosition(f, 0, 1, 9, 5);
  PutPosition(f, 0, 2, 10, 4);
  PutPosition(f, 1, 0, 20, 20);
  for (int u = 0; u < 3; ++u) {
    f.Unit(0, u)[168] = uint8_t(u == 2 ? 3 : 12);
    f.Unit(0, u)[116] = uint8_t(u == 1 ? 0 : 5);
    f.Unit(0, u)[231] = 5;
  }
  f.Sections[37][15] = 4;
  f.Sections[37][14] = 20;
  f.Sections[37][3] = 6;
  f.Sections[37][4] = 44;
  return f;
}

class RecordWindowsTest : public ::testing::Test {
 protected:
  std::string Folder = qrl::test::MakeTempFolder("recordwindows");
  std::string LoadedPath = Put(Folder, "SCEN001.DAT", Positioned().Build());
  bool OobFilesWritten = PutOobFiles(Folder);  // so that loads show no weapon-name warnings
  QrlEdRig Rig{StartUpIn(Folder, LoadedPath)};

  TPositionForm& Position() { return *Rig.Windows.PositionForm; }
  TTurnsForm& Turns() { return *Rig.Windows.TurnsForm; }
  TSummaryForm& Summary() { return *Rig.Windows.SummaryForm; }
  void Open(const char* item) { Rig.Form1().findChild<QAction*>(item)->trigger(); }
  QString ListCell(int col, int row) { return Position().PositionGrid->Cell(col, row); }
  std::vector<QString> ListColumn(int col) {
    std::vector<QString> cells;
    for (int row = 1; row < Position().PositionGrid->RowCount(); ++row) cells.push_back(ListCell(col, row));
    return cells;
  }
  void ClickListCell(int col, int row) {
    forms::StringGrid& grid = *Position().PositionGrid;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(col, row).center());
  }
  void Drag(QPoint from, QPoint to) {
    QWidget* image = Position().findChild<QWidget*>("PositionImage");
    QTest::mousePress(image, Qt::LeftButton, {}, from);
    QTest::mouseMove(image, to);
    QTest::mouseRelease(image, Qt::LeftButton, {}, to);
  }
  QLineEdit* TurnsEdit(const char* name) { return Turns().findChild<QLineEdit*>(name); }
  const uint8_t* PositionBytes(int side, int unit) {
    return scen::PositionRecordAt(Rig.Doc().Slots, side, unit).data();
  }
};

TEST_F(RecordWindowsTest, ABoxDrawnOnTheOverviewSetsTheDropEditsAndSelectsTheUnitsInside) {
  Open("Position1");
  ASSERT_TRUE(Position().isVisible());
  EXPECT_EQ(Position().windowTitle(), "Position/Property Editor");
  EXPECT_EQ(ListColumn(scen::PosLabelColumn), std::vector<QString>({"A1 ", "A2 ", "B12"}));
  EXPECT_EQ(ListColumn(scen::PosXColumn), std::vector<QString>({"3", "9", "10"}));
  EXPECT_EQ(ListCell(scen::PosNameColumn, 3), "Gren 1");
  EXPECT_EQ(Position().Overview().Picture.pixel(4 * 9, 3 * 5), qRgb(255, 255, 0));

  Drag({9, 7}, {41, 19});
  EXPECT_EQ(Position().XRangeEdit->text(), "4");
  EXPECT_EQ(Position().YRangeEdit->text(), "2");
  EXPECT_EQ(Position().XDropEdit->text(), "6");
  EXPECT_EQ(Position().YDropEdit->text(), "4");
  EXPECT_EQ(Position().XYLbl->text(), "10,6");
  QTest::mouseClick(Position().SelectBtn, Qt::LeftButton);
  EXPECT_EQ(ListColumn(scen::PosLabelColumn), std::vector<QString>({"A1 *", "A2 *", "B12"}));

  // A drop moves the marked units in the list only; Retain stores it.
  Position().XRangeEdit->setText("1");
  Position().YRangeEdit->setText("1");
  QTest::mouseClick(Position().DropBtn, Qt::LeftButton);
  EXPECT_EQ(ListColumn(scen::PosXColumn), std::vector<QString>({"6", "6", "10"}));
  EXPECT_EQ(ListColumn(scen::PosYColumn), std::vector<QString>({"4", "4", "4"}));
  EXPECT_EQ(PositionBytes(0, 1)[0], 9);
  QTest::mouseClick(Position().RetainBtn, Qt::LeftButton);
  EXPECT_EQ(PositionBytes(0, 1)[0], 6);
  EXPECT_EQ(PositionBytes(0, 1)[2], 4);
  EXPECT_TRUE(Rig.Log.Entries().empty());

  // Set "Men" 7..7 writes the marked units only.
  Position().PropertyCB->setCurrentText("Men");
  EXPECT_EQ(ListColumn(scen::PosPropertyColumn), std::vector<QString>({"5", "0", "5"}));
  Position().MinEdit->setText("7");
  Position().MaxEdit->setText("7");
  QTest::mouseClick(Position().SetBtn, Qt::LeftButton);
  EXPECT_EQ(ListColumn(scen::PosPropertyColumn), std::vector<QString>({"7", "7", "5"}));
  EXPECT_EQ(scen::UnitRecordAt(Rig.Doc().Slots, 0, 1)[166], 1);
  EXPECT_EQ(scen::UnitRecordAt(Rig.Doc().Slots, 0, 2)[166], 0);
}

TEST_F(RecordWindowsTest, ClicksOnTheUnitCellToggleTheMarkAndAHeadingReleaseSorts) {
  Open("Position1");
  ClickListCell(scen::PosLabelColumn, 3);
  EXPECT_EQ(ListCell(scen::PosLabelColumn, 3), "B12*");
  {  // the marked row carries a red strip at the right of its " Unit" cell
    forms::StringGrid& grid = *Position().PositionGrid;
    const QImage shot = grid.viewport()->grab().toImage();
    const QRect marked = grid.CellRect(scen::PosLabelColumn, 3), unmarked = grid.CellRect(scen::PosLabelColumn, 2);
    EXPECT_EQ(shot.pixel(marked.left() + 40 - 5, marked.center().y()), qRgb(255, 0, 0));
    EXPECT_NE(shot.pixel(unmarked.left() + 40 - 5, unmarked.center().y()), qRgb(255, 0, 0));
  }
  ClickListCell(scen::PosLabelColumn, 3);  // the current cell again
  EXPECT_EQ(ListCell(scen::PosLabelColumn, 3), "B12");
  ClickListCell(scen::PosLabelColumn, 2);
  ClickListCell(scen::PosXColumn, 1);  // other columns only move the cursor
  EXPECT_EQ(ListColumn(scen::PosLabelColumn), std::vector<QString>({"A1 ", "A2 *", "B12"}));

  QHeaderView* heading = Position().PositionGrid->horizontalHeader();
  auto releaseOver = [&](int col) {
    QTest::mouseClick(heading->viewport(), Qt::LeftButton, {},
                      QPoint(heading->sectionViewportPosition(col) + 5, heading->height() / 2));
  };
  releaseOver(scen::PosLabelColumn);
  EXPECT_EQ(ListColumn(scen::PosNumberColumn), std::vector<QString>({"1", "0", "2"}));
  releaseOver(scen::PosPropertyColumn);
  EXPECT_EQ(ListColumn(scen::PosNumberColumn), std::vector<QString>({"1", "0", "2"}));
  releaseOver(scen::PosNumberColumn);
  EXPECT_EQ(ListColumn(scen::PosNumberColumn), std::vector<QString>({"0", "1", "2"}));
}

TEST_F(RecordWindowsTest, TypedValuesSurviveOtherWindowsUntilWhatTheWindowShowsChanges) {
  Open("Position1");
  Open("EditGameData1");
  Position().PositionGrid->SetCell(scen::PosXColumn, 1, "44");
  TurnsEdit("TurnEdit")->setText("99");
  // Other windows become active and these come back: nothing has changed.
  Rig.Form1().FormActivate();
  Position().FormActivate();
  Turns().FormActivate();
  EXPECT_EQ(ListCell(scen::PosXColumn, 1), "44");
  EXPECT_EQ(TurnsEdit("TurnEdit")->text(), "99");

  // A store by the game data window reloads the position window, not itself.
  TurnsEdit("TurnEdit")->setText("300");
  QTest::mouseClick(Turns().RetainButton, Qt::LeftButton);
  EXPECT_EQ(scen::GameDataRecordAt(Rig.Doc().Slots)[15], 44);
  Turns().FormActivate();
  EXPECT_EQ(TurnsEdit("TurnEdit")->text(), "300");
  Position().FormActivate();
  EXPECT_EQ(ListCell(scen::PosXColumn, 1), "3");

  // A side switch reloads both; the game data window then shows the stored turn.
  Position().PositionGrid->SetCell(scen::PosXColumn, 1, "45");
  Rig.ClickSide(1);
  Position().FormActivate();
  Turns().FormActivate();
  EXPECT_EQ(ListColumn(scen::PosXColumn), std::vector<QString>({"20", "0"}));
  EXPECT_EQ(TurnsEdit("TurnEdit")->text(), "44");

  // So does a load.
  TurnsEdit("TurnEdit")->setText("1");
  Rig.LoadByWindow(Folder, "SCEN001.DAT -> ");
  Turns().FormActivate();
  EXPECT_EQ(TurnsEdit("TurnEdit")->text(), "4");
}

TEST_F(RecordWindowsTest, GameDataRetainStopsAtATextThatIsNoNumber) {
  Open("EditGameData1");
  EXPECT_EQ(Turns().windowTitle(), "Game Data");
  EXPECT_EQ(TurnsEdit("MonthEdit")->text(), "6");
  EXPECT_EQ(Turns().PrestigeEdit->text(), "300");
  EXPECT_EQ(Turns().VictoryGrid->Cell(3, 0), " Side");
  TurnsEdit("TurnEdit")->setText("7");
  TurnsEdit("BattlesEdit")->setText("x");
  TurnsEdit("MonthEdit")->setText("9");
  QTest::mouseClick(Turns().RetainButton, Qt::LeftButton);
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"'x' is not a valid integer value", "QrlEd"}}, forms::BoxKind::Exception));
  EXPECT_EQ(scen::GameDataRecordAt(Rig.Doc().Slots)[15], 7);
  EXPECT_EQ(scen::GameDataRecordAt(Rig.Doc().Slots)[3], 6);
}

TEST_F(RecordWindowsTest, TheSummaryRecomputesAtEachActivation) {
  Open("ViewBattleSummary1");
  EXPECT_EQ(Summary().windowTitle(), "Battle Summary");
  forms::StringGrid& grid = *Summary().SummarySG;
  EXPECT_EQ(grid.ColWidth(0), 160);
  EXPECT_EQ(grid.ColWidth(1), 80);
  ASSERT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(0, 1), "Gren 1");
  EXPECT_EQ(grid.Cell(3, 2), "1/2");
  EXPECT_EQ(Summary().CountryLbl->text(), "Germany vs. Soviet Union");
  EXPECT_EQ(Summary().TurnLbl->text(), "Turns: 4/20");
  EXPECT_EQ(Summary().DateLbl->text(), "Date: 6/44");
  EXPECT_EQ(Summary().UnitsKilledLbl->text(), "Units Killed  1");
  Rig.ClickSide(1);
  Summary().FormActivate();
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Summary().TotalUnitsLbl->text(), "Total Units  2");
}

TEST_F(RecordWindowsTest, EveryControlCarriesItsNameAndAnAccessibleName) {
  const std::vector<std::pair<QWidget*, std::vector<const char*>>> windows = {
      {&Position(),
       {"PositionGrid", "MapSB", "PositionImage", "XDropEdit", "YDropEdit", "XRangeEdit", "YRangeEdit", "DensityEdit",
        "DensityUpDown", "DropBtn", "ResetBtn", "RetainBtn", "SelectBtn", "UnselectBtn", "PropertyCB", "MaxEdit",
        "MinEdit", "SetBtn"}},
      {&Turns(),
       {"TurnEdit", "MaxTurnsEdit", "VisibilityEdit", "TerrainEdit", "StartMonthEdit", "StartYearEdit", "EndMonthEdit",
        "EndYearEdit", "MonthEdit", "YearEdit", "Country1Edit", "Country2Edit", "Country3Edit", "Country4Edit",
        "MinorVictoriesEdit", "MajorVictoriesEdit", "BattlesEdit", "MaxBattlesEdit", "PrestigeEdit", "DescriptionEdit",
        "VictoryGrid", "RetainButton"}},
      {&Summary(), {"SummarySG"}},
  };
  for (const auto& [window, names] : windows)
    for (const char* name : names) {
      auto* control = window->findChild<QWidget*>(name);
      ASSERT_TRUE(control) << name;
      EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
    }
  EXPECT_EQ(Position().DropBtn->accessibleName(), "Drop");
  EXPECT_EQ(Position().DropBtn->toolTip(), "Place the units inside the box");
  EXPECT_EQ(Position().PropertyCB->count(), 16);
  EXPECT_EQ(Position().PropertyCB->currentText(), "Suppression");
  EXPECT_EQ(Position().DensityUpDown->maximum(), 15);
  EXPECT_EQ(Turns().DescriptionEdit->text(), "Description");
  EXPECT_EQ(Turns().findChild<QLineEdit*>("TurnEdit")->text(), "??");
  for (const char* label : {"TurnLbl", "DateLbl", "CountryLbl", "MenLbl", "MenKilledLbl", "TotalUnitsLbl",
                            "UnitsKilledLbl", "CostLbl", "DamageLbl"})
    EXPECT_TRUE(Summary().findChild<QLabel*>(label)) << label;
}

TEST(RecordWindowsMapOnlyTest, NoWindowChangesAByteOfAMapOnlyFile) {
  const std::string folder = qrl::test::MakeTempFolder("recordwindows-map");
  const std::string path = Put(folder, "pzmap00.dat", qrl::test::MakeMapGameFile(100, 80, 80));
  QrlEdRig rig(StartUpIn(folder, path));
  rig.Log.Clear();  // the load's weapon-name warnings: a map has no OOB numbers
  const std::vector<uint8_t> before = rig.Doc().Slots.GameFileBuf;
  rig.Form1().findChild<QAction*>("Position1")->trigger();
  rig.Form1().findChild<QAction*>("EditGameData1")->trigger();
  rig.Form1().findChild<QAction*>("ViewBattleSummary1")->trigger();
  TPositionForm& position = *rig.Windows.PositionForm;
  TTurnsForm& turns = *rig.Windows.TurnsForm;
  EXPECT_FALSE(turns.findChild<QLineEdit*>("TurnEdit")->isEnabled());
  EXPECT_EQ(turns.PrestigeEdit->text(), "??");
  QTest::mouseClick(position.RetainBtn, Qt::LeftButton);
  QTest::mouseClick(position.SetBtn, Qt::LeftButton);
  QTest::mouseClick(turns.RetainButton, Qt::LeftButton);
  EXPECT_TRUE(rig.Doc().Slots.GameFileBuf == before);
  EXPECT_EQ(rig.Windows.SummaryForm->TurnLbl->text(), "Turns: ?\?/?\?");
  // Slot 1 holds the map's base layer, which the main grid reads as units without positions.
  EXPECT_EQ(rig.Log.Entries(), Boxes({{"Some units have no position record in this file and were skipped.", "Warning"},
                                      {"Some game data is not in this file and was not stored.", "Warning"}}));
}

}  // namespace
}  // namespace qrl::scenui::test
