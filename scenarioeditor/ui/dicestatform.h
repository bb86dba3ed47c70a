#pragma once
// "Country Stats": the countries of the loaded dice data, the sets of the
// chosen country, and "Set", which copies the chosen set into the main
// window's 35 roll edits (nothing is rolled). The window's state below its
// controls is the core's CountryStats.
#include <QWidget>

#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/dicedata.h"
#include "scenarioeditor/core/dicestats.h"

class QListWidget;
class QPushButton;

namespace qrl::scenui {

class TForm1;

class TDiceStatForm : public QWidget, public forms::FormBase {
 public:
  // dice and form1 outlive the window.
  TDiceStatForm(const scen::DiceTable& dice, TForm1& form1);

  // A load replaced the dice data: the rows shown named sets of the old data.
  void ClearDescriptions();
  const scen::CountryStats& Stats() const { return State; }

  void FormShow() override;
  void CountryLBClick();
  void DescriptionGridSelectCell(int col, int row, bool& canSelect);
  void SetBtnClick();

  QListWidget* CountryLB;
  forms::StringGrid* DescriptionGrid;
  QPushButton* SetBtn;

 private:
  void ShowDescriptions();

  const scen::DiceTable& Dice;
  TForm1& Form1;
  scen::CountryStats State;
};

}  // namespace qrl::scenui
