#include <gtest/gtest.h>

#include "tests/scenarioeditor/ui/qrledrig.h"

namespace qrl::scenui::test {
namespace {

using Cells = std::vector<QString>;

// Every roll without dice: each rolled row gets the roll's base (11 .. 15).
void RollBasesOnly(QrlEdRig& rig) {
  const char* const prefixes[] = {"Exp", "Mor", "Ral", "Sk1", "Sk2"};
  for (int j = 0; j < 5; ++j) {
    rig.Edit(qPrintable(QString(prefixes[j]) + "MEdit"))->setText(QString::number(11 + j));
    rig.Edit(qPrintable(QString(prefixes[j]) + "PDEdit"))->setText("0");
    rig.Edit(qPrintable(QString(prefixes[j]) + "MDEdit"))->setText("0");
  }
}

// Columns Exp .. Arm of the rows on screen.
std::vector<Cells> RolledColumns(QrlEdRig& rig) {
  std::vector<Cells> rows;
  for (int r = 1; r < rig.Form1().InfoStringGrid->RowCount(); ++r) {
    Cells row;
    for (int c = 4; c <= 9; ++c) row.push_back(rig.ShownCell(c, r));
    rows.push_back(row);
  }
  return rows;
}

class RollTest : public ::testing::Test {
 protected:
  std::string Folder = qrl::test::MakeTempFolder("rolls");
  bool OobFilesPut = PutOobFiles(Folder);
  std::string Path = Put(Folder, "SCEN001.DAT", TwoSides().Build());
  QrlEdRig Rig{StartUpIn(Folder, Path)};
};

TEST_F(RollTest, TheExpButtonRollsTheRowsOfTheShownSideFromTheSeededSource) {
  Rig.Type(0, 3, "1");  // a row whose "Side" cell names the other side is not rolled
  Rig.Session.Random.RandomState = 1;
  QTest::mouseClick(Rig.Button("ExpRollBtn"), Qt::LeftButton);
  // 60 + (5 + 3 + 3 + 1) - (5 + 1): the first six six-sided dice from state 1.
  EXPECT_EQ(Rig.ShownCell(4, 1), "66");
  EXPECT_EQ(Rig.ShownCell(4, 3), "63");
  RandomSource sixDicePerRow;  // rows 1 and 2 drew six dice each, row 3 none
  for (int i = 0; i < 12; ++i) sixDicePerRow.next_random31();
  EXPECT_EQ(Rig.Session.Random.RandomState, sixDicePerRow.RandomState);
  EXPECT_EQ(Rig.ShownCell(5, 1), "71");
  EXPECT_TRUE(Rig.Log.Entries().empty());
}

TEST_F(RollTest, RollAllRunsTheFiveRollsAndTheSkillsFollowEachLeadersClass) {
  RollBasesOnly(Rig);
  QTest::mouseClick(Rig.Button("RollAllBtn"), Qt::LeftButton);
  // Leaders 60/50/50 ('I'), 10/20/15 ('A') and 30/30/30 ('T'): Sk1 (14) goes
  // into the class column, Sk2 (15) into the two others.
  EXPECT_EQ(RolledColumns(Rig), std::vector<Cells>({{"11", "12", "13", "14", "15", "15"},
                                                 {"11", "12", "13", "15", "14", "15"},
                                                 {"11", "12", "13", "15", "15", "14"}}));
  EXPECT_TRUE(Rig.Log.Entries().empty());
}

TEST_F(RollTest, RollAllStopsAtTheFirstRollThatFails) {
  struct Case {
    const char* Text;
    forms::ShownBox Box;
  };
  const Case cases[] = {
      {"x", {forms::BoxKind::Exception, "'x' is not a valid integer value", "QrlEd"}},
      {"10001", {forms::BoxKind::Message, "Too many dice: at most 10000 are allowed.", "Error"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    QrlEdRig rig(StartUpIn(Folder, Path));
    RollBasesOnly(rig);
    rig.Edit("RalPDEdit")->setText(c.Text);
    QTest::mouseClick(rig.Button("RollAllBtn"), Qt::LeftButton);
    EXPECT_EQ(RolledColumns(rig), std::vector<Cells>({{"11", "12", "50", "60", "50", "50"},
                                                      {"11", "12", "40", "10", "20", "15"},
                                                      {"11", "12", "45", "30", "30", "30"}}));
    EXPECT_EQ(rig.Log.Entries(), std::vector<forms::ShownBox>{c.Box});
  }
}

TEST_F(RollTest, ABadSideCellStopsTheRollWithTheRowsAboveItRolledOnScreen) {
  RollBasesOnly(Rig);
  Rig.Type(0, 2, "x");
  QTest::mouseClick(Rig.Button("ExpRollBtn"), Qt::LeftButton);
  EXPECT_EQ(Rig.ShownCell(4, 1), "11");
  EXPECT_EQ(Rig.ShownCell(4, 2), "62");
  EXPECT_EQ(Rig.ShownCell(4, 3), "63");
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"'x' is not a valid integer value", "QrlEd"}}, forms::BoxKind::Exception));
}

TEST_F(RollTest, ASideSwitchThatFailsOnABadCellKeepsTheSelectorOnTheSideItsRowsBelongTo) {
  Rig.Type(4, 1, "x");
  Rig.ClickSide(1);
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"'x' is not a valid integer value", "QrlEd"}}, forms::BoxKind::Exception));
  EXPECT_EQ(Rig.Form1().SideIndex(), 0);
  EXPECT_EQ(Rig.Session.Grid.FilledSide, 0);
  EXPECT_EQ(Rig.ShownCell(2, 1), "Pz IV 1");
  EXPECT_EQ(Rig.ShownCell(4, 1), "x");

  // Rolls and saves now work on the side the rows came from.
  Rig.Type(4, 1, "70");
  Rig.ClickSide(1);
  EXPECT_EQ(Rig.Form1().SideIndex(), 1);
  EXPECT_EQ(Rig.ShownCell(2, 1), "T-34 1");
  const auto& fileSlots = Rig.Doc().Slots;
  EXPECT_EQ(fileSlots.GameFileBuf[size_t(fileSlots.SlotOffset[1]) + 119], 70);             // side 0, unit 0
  EXPECT_EQ(fileSlots.GameFileBuf[size_t(fileSlots.SlotOffset[1]) + 400 * 258 + 119], 64);  // side 1, unit 0
}

}  // namespace
}  // namespace qrl::scenui::test
