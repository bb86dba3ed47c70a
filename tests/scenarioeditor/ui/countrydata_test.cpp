#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <cstring>

#include "tests/scenarioeditor/ui/qrledrig.h"

namespace qrl::scenui::test {
namespace {

// Four sets: Germany twice (0 and 3), once spelt GERMANY (1), Britain (2).
// Set 3's values are 70 + j, j + 1, 6, j, 4, 2 j, 99 for roll j.
const char* const DiceFile =
    "; country dice data\r\n"
    "4\r\n"
    "Germany Early_war 1939\r\n"
    "60 4 6 2 6 0 100\r\n50 4 6 2 6 0 100\r\n40 4 6 2 6 0 100\r\n60 4 6 2 6 0 100\r\n20 3 6 2 6 0 100\r\n"
    "GERMANY Odd spelling\r\n"
    "1 1 1 1 1 1 1\r\n1 1 1 1 1 1 1\r\n1 1 1 1 1 1 1\r\n1 1 1 1 1 1 1\r\n1 1 1 1 1 1 1\r\n"
    "Britain Desert 1941\r\n"
    "2 2 2 2 2 2 2\r\n2 2 2 2 2 2 2\r\n2 2 2 2 2 2 2\r\n2 2 2 2 2 2 2\r\n2 2 2 2 2 2 2\r\n"
    "Germany Late_war 1945\r\n"
    "; between a name line and its numbers\r\n"
    "70 1 6 0 4 0 99\r\n71 2 6 1 4 2 99\r\n72 3 6 2 4 4 99\r\n73 4 6 3 4 6 99\r\n74 5 6 4 4 8 99\r\n";

std::vector<QString> ItemTexts(const QListWidget& list) {
  std::vector<QString> texts;
  for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text());
  return texts;
}

std::vector<std::vector<QString>> GridRows(const forms::StringGrid& grid) {
  std::vector<std::vector<QString>> rows;
  for (int r = 0; r < grid.RowCount(); ++r) rows.push_back({grid.Cell(0, r), grid.Cell(1, r)});
  return rows;
}

class CountryDataTest : public ::testing::Test {
 protected:
  std::string Folder = qrl::test::MakeTempFolder("dice");
  std::string Path = Put(Folder, "stats.kxe", Bytes(DiceFile, DiceFile + std::strlen(DiceFile)));
  QrlEdRig Rig{StartUpIn(Folder)};
};

TEST_F(CountryDataTest, ASetChosenInCountryStatsGoesIntoTheRollEditsOnlyAfterARowWasSelected) {
  forms::DialogScript script;
  script.Choose(QString::fromStdString(Path));
  Rig.Form1().findChild<QAction*>("LoadCountryData1")->trigger();
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
  EXPECT_EQ(script.Calls()[0].Title, "Open CCF");
  EXPECT_EQ(script.Calls()[0].Filter, "Text/KXEd (*.txt,*.kxe)| *.txt;*.kxe||All Files *.*|*.*");
  EXPECT_EQ(script.Calls()[0].InitialDir, QString::fromStdString(Folder));
  EXPECT_TRUE(Rig.Log.Entries().empty());

  Rig.Form1().findChild<QAction*>("SelectCountryData1")->trigger();
  TDiceStatForm& stats = Rig.DiceStatForm();
  EXPECT_TRUE(stats.isVisible());
  EXPECT_EQ(stats.windowTitle(), "Country Stats");
  EXPECT_EQ(ItemTexts(*stats.CountryLB), std::vector<QString>({"Britain", "Germany"}));

  const scen::RollEdits initial;
  QTest::mouseClick(stats.SetBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Form1().ReadRollEdits().Text, initial.Text);

  stats.CountryLB->setCurrentRow(1);
  EXPECT_EQ(GridRows(*stats.DescriptionGrid),
            (std::vector<std::vector<QString>>{
                {" #", "   Data Set"}, {"0", "Germany Early_war 1939"}, {"3", "Germany Late_war 1945"}}));
  QTest::mouseClick(stats.SetBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Form1().ReadRollEdits().Text, initial.Text);

  ASSERT_TRUE(stats.DescriptionGrid->SetCurrentCell(1, 2));
  QTest::mouseClick(stats.SetBtn, Qt::LeftButton);
  scen::RollEdits lateWar;
  for (int j = 0; j < 5; ++j) {
    const int values[] = {70 + j, j + 1, 6, j, 4, 2 * j, 99};
    for (int k = 0; k < 7; ++k) lateWar.Text[size_t(j)][size_t(k)] = QString::number(values[k]);
  }
  EXPECT_EQ(Rig.Form1().ReadRollEdits().Text, lateWar.Text);
  EXPECT_EQ(Rig.Form1().findChild<QLineEdit*>("Sk2MaxEdit")->text(), "99");
  EXPECT_TRUE(stats.isVisible());
  EXPECT_TRUE(Rig.Log.Entries().empty());
}

TEST_F(CountryDataTest, ANewLoadClearsTheRowsOfTheOldDataAndABadFileKeepsThem) {
  forms::DialogScript script;
  script.Choose(QString::fromStdString(Path));
  Rig.Form1().LoadCountryData1Click();
  Rig.Form1().SelectCountryData1Click();
  TDiceStatForm& stats = Rig.DiceStatForm();
  stats.CountryLB->setCurrentRow(0);
  ASSERT_TRUE(stats.DescriptionGrid->SetCurrentCell(1, 1));
  ASSERT_EQ(stats.DescriptionGrid->RowCount(), 2);

  script.Choose(QString::fromStdString(Put(Folder, "bad.txt", Bytes{'0', '\r', '\n'})));
  Rig.Form1().LoadCountryData1Click();
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"This isn't a Dice Stat file.", "Error"}}));
  EXPECT_EQ(stats.DescriptionGrid->RowCount(), 2);

  script.Choose(QString::fromStdString(Path));
  Rig.Form1().LoadCountryData1Click();
  EXPECT_EQ(stats.DescriptionGrid->RowCount(), 1);
  EXPECT_EQ(stats.Stats().SelectedDataSet(), 0);
}

// A click on the country already selected lists its sets again with none
// selected; a click on the grid's highlighted row selects it, also after the
// window was hidden and shown again.
TEST_F(CountryDataTest, EveryClickCountsOnTheCountryAndOnTheHighlightedRow) {
  forms::DialogScript script;
  script.Choose(QString::fromStdString(Path));
  Rig.Form1().LoadCountryData1Click();
  Rig.Form1().SelectCountryData1Click();
  TDiceStatForm& stats = Rig.DiceStatForm();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&stats));
  auto clickCountry = [&](int row) {
    QTest::mouseClick(stats.CountryLB->viewport(), Qt::LeftButton, {},
                      stats.CountryLB->visualItemRect(stats.CountryLB->item(row)).center());
  };
  auto clickSet = [&](int row) {
    QTest::mouseClick(stats.DescriptionGrid->viewport(), Qt::LeftButton, {},
                      stats.DescriptionGrid->CellRect(1, row).center());
  };

  clickCountry(1);
  clickSet(2);
  EXPECT_EQ(stats.Stats().SelectedDataSet(), 2);
  clickCountry(1);
  EXPECT_EQ(stats.Stats().SelectedDataSet(), 0);
  clickSet(2);
  EXPECT_EQ(stats.Stats().SelectedDataSet(), 2);

  stats.hide();
  Rig.Form1().SelectCountryData1Click();
  EXPECT_EQ(stats.Stats().SelectedDataSet(), 0);
  clickSet(2);  // the rows stay, with this one highlighted
  EXPECT_EQ(stats.Stats().SelectedDataSet(), 2);
  QTest::mouseClick(stats.SetBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Form1().findChild<QLineEdit*>("ExpMEdit")->text(), "70");
}

}  // namespace
}  // namespace qrl::scenui::test
