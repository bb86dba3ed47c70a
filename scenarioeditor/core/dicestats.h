#pragma once
// The rules of the "Country Stats" window below its controls: the country
// list, the description rows of the chosen country, the selected row and the
// values its "Set" button copies into the roll edits.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/dicedata.h"
#include "scenarioeditor/core/dicerolls.h"

namespace qrl::scen {

inline constexpr int DescriptionColumnCount = 2;
inline constexpr int DescriptionIndexColumn = 0;
inline constexpr int DescriptionTextColumn = 1;
inline constexpr std::string_view DescriptionIndexHeading = " #";
inline constexpr std::string_view DescriptionTextHeading = "   Data Set";

// The items of `CountryLB` in the order the list shows them: the country of
// every loaded set once, the duplicate test ignoring case (the first spelling
// met stays), sorted as a list box sorts (case-blind, by the user's locale).
// The list box shows them as given; it must not sort them again by its own
// rule.
QStringList CountryList(const DiceTable& dice);

class CountryStats {
 public:
  CountryStats();

  // `DescriptionGrid`: row 0 the headings, then one row per set of the chosen
  // country: its index in DiceData (decimal) and its description.
  const CellTable& DescriptionGrid() const { return Descriptions; }
  // The row of DescriptionGrid last selected; 0 means none.
  int32_t SelectedDataSet() const { return Selected; }

  // The window became visible: no row is selected.
  void Shown() { Selected = 0; }
  // The user clicked a country: the rows of the sets whose country is
  // written exactly as given (case counted), in file order; no row selected.
  void ChooseCountry(const DiceTable& dice, const QString& country);
  // The user selected a cell of DescriptionGrid in this row.
  void SelectRow(int32_t row) { Selected = row; }
  // A load replaced the dice data: the rows named sets of the old data, so
  // they go and nothing is selected.
  void ClearDescriptions();

  // "Set": the 35 values of the selected row's set as decimal texts, in the
  // layout of the roll edits; nullopt (nothing to do) when no row is
  // selected or the row names no loaded set.
  std::optional<RollEdits> SelectedSetEdits(const DiceTable& dice) const;

 private:
  void WriteHeadings();

  CellTable Descriptions{DescriptionColumnCount, 1};
  int32_t Selected = 0;
};

}  // namespace qrl::scen
