#include <gtest/gtest.h>

#include <QLocale>
#include <string>
#include <vector>

#include "scenarioeditor/core/dicestats.h"

namespace qrl::scen {
namespace {

void AddSet(DiceTable& table, const QString& country, const QString& description, int16_t first) {
  Dice_Data& set = table.DiceData[size_t(table.DiceCount++)];
  set.Country = country;
  set.Description = description;
  for (size_t j = 0; j < RollCount; ++j)
    for (size_t k = 0; k < RollValueCount; ++k) set.roll[j][k] = int16_t(first + int(j * 10 + k));
}

DiceTable CountriesTable() {
  DiceTable table;
  AddSet(table, "Germany", "Germany 1939", 0);
  AddSet(table, "GERMANY", "GERMANY 1940", 100);
  AddSet(table, "france", "france 1940", 200);
  AddSet(table, "Germany", "Germany 1944", -50);
  AddSet(table, "Belgium", "Belgium 1940", 300);
  return table;
}

std::vector<std::string> Rows(const CellTable& grid) {
  std::vector<std::string> rows;
  for (int r = 0; r < grid.RowCount(); ++r)
    rows.push_back(grid.Cell(0, r).toStdString() + "|" + grid.Cell(1, r).toStdString());
  return rows;
}

TEST(CountryListTest, ListsEachCountryOnceIgnoringCaseInCaseBlindOrder) {
  EXPECT_EQ(CountryList(CountriesTable()), QStringList({"Belgium", "france", "Germany"}));
  EXPECT_TRUE(CountryList(DiceTable{}).isEmpty());
}

// As a list box sorts: case-blind and by the user's locale (here English).
TEST(CountryListTest, SortsByTheLocaleIgnoringCase) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  DiceTable table;
  for (const char* country : {"Polen", "\xC3\x96sterreich", "norwegen", "Belgien", "OSTFRIESLAND"})
    AddSet(table, QString::fromUtf8(country), "", 0);
  const QStringList sorted = CountryList(table);
  QLocale::setDefault(before);
  EXPECT_EQ(sorted, QStringList({"Belgien", "norwegen", QString::fromUtf8("\xC3\x96sterreich"), "OSTFRIESLAND", "Polen"}));
}

TEST(CountryStatsTest, ListsTheSetsWrittenExactlyAsTheCountry) {
  DiceTable table = CountriesTable();
  CountryStats stats;
  stats.ChooseCountry(table, "Germany");
  EXPECT_EQ(Rows(stats.DescriptionGrid()),
            (std::vector<std::string>{" #|   Data Set", "0|Germany 1939", "3|Germany 1944"}));
  stats.ChooseCountry(table, "Nowhere");
  EXPECT_EQ(Rows(stats.DescriptionGrid()), (std::vector<std::string>{" #|   Data Set"}));
}

TEST(CountryStatsTest, SetGivesTheSelectedSetOnlyAfterARowIsSelected) {
  DiceTable table = CountriesTable();
  CountryStats stats;
  EXPECT_FALSE(stats.SelectedSetEdits(table));  // nothing chosen yet
  stats.ChooseCountry(table, "Germany");
  EXPECT_FALSE(stats.SelectedSetEdits(table));
  stats.SelectRow(2);

  std::optional<RollEdits> edits = stats.SelectedSetEdits(table);
  ASSERT_TRUE(edits);
  // Set 3, made with first value -50: roll j value k is -50 + 10 j + k.
  EXPECT_EQ(edits->At(RollKind::Exp, RollValue::Base), "-50");
  EXPECT_EQ(edits->At(RollKind::Exp, RollValue::Max), "-44");
  EXPECT_EQ(edits->At(RollKind::Sk1, RollValue::PlusSides), "-18");
  EXPECT_EQ(edits->At(RollKind::Sk2, RollValue::Max), "-4");

  stats.Shown();
  EXPECT_EQ(stats.SelectedDataSet(), 0);
  EXPECT_FALSE(stats.SelectedSetEdits(table));
  stats.SelectRow(1);
  stats.ChooseCountry(table, "france");
  EXPECT_EQ(stats.SelectedDataSet(), 0);
}

TEST(CountryStatsTest, RowsOfAnEarlierLoadNeverNameASetBeyondTheCount) {
  DiceTable table = CountriesTable();
  CountryStats stats;
  stats.ChooseCountry(table, "Belgium");
  stats.SelectRow(1);  // set 4

  DiceTable smaller;
  AddSet(smaller, "Belgium", "Belgium 1914", 7);
  EXPECT_FALSE(stats.SelectedSetEdits(smaller));

  stats.ClearDescriptions();
  EXPECT_EQ(stats.SelectedDataSet(), 0);
  EXPECT_EQ(stats.DescriptionGrid().RowCount(), 1);
  stats.SelectRow(1);
  EXPECT_FALSE(stats.SelectedSetEdits(smaller));
}

}  // namespace
}  // namespace qrl::scen
