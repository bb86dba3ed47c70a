#include "scenarioeditor/core/dicestats.h"

#include <algorithm>

#include "forms/listorder.h"
#include "gamefile/strtoint.h"

namespace qrl::scen {

namespace {

bool SameIgnoringCase(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

QStringList CountryList(const DiceTable& dice) {
  QStringList countries;
  for (int32_t i = 0; i < dice.DiceCount; ++i) {
    const QString& country = dice.DiceData[size_t(i)].Country;
    bool listed = std::any_of(countries.begin(), countries.end(),
                              [&](const QString& item) { return SameIgnoringCase(item, country); });
    if (!listed) countries.append(country);
  }
  std::stable_sort(countries.begin(), countries.end(), forms::ListBoxLess);
  return countries;
}

CountryStats::CountryStats() { WriteHeadings(); }

void CountryStats::WriteHeadings() {
  Descriptions.SetCell(DescriptionIndexColumn, 0, TableText(DescriptionIndexHeading));
  Descriptions.SetCell(DescriptionTextColumn, 0, TableText(DescriptionTextHeading));
}

void CountryStats::ChooseCountry(const DiceTable& dice, const QString& country) {
  Selected = 0;
  Descriptions.SetRowCount(1);
  WriteHeadings();
  for (int32_t i = 0; i < dice.DiceCount; ++i) {
    const Dice_Data& set = dice.DiceData[size_t(i)];
    if (set.Country != country) continue;
    int row = Descriptions.RowCount();
    Descriptions.SetRowCount(row + 1);
    Descriptions.SetCell(DescriptionIndexColumn, row, QString::number(i));
    Descriptions.SetCell(DescriptionTextColumn, row, set.Description);
  }
}

void CountryStats::ClearDescriptions() {
  Selected = 0;
  Descriptions.SetRowCount(1);
}

std::optional<RollEdits> CountryStats::SelectedSetEdits(const DiceTable& dice) const {
  if (Selected < 1) return std::nullopt;
  std::optional<int32_t> index = TryStrToInt(Descriptions.Cell(DescriptionIndexColumn, Selected).toStdString());
  const Dice_Data* set = index ? dice.LoadedSet(*index) : nullptr;
  if (!set) return std::nullopt;
  RollEdits edits;
  for (size_t j = 0; j < RollCount; ++j)
    for (size_t k = 0; k < RollValueCount; ++k) edits.Text[j][k] = QString::number(set->roll[j][k]);
  return edits;
}

}  // namespace qrl::scen
