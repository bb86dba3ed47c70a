#pragma once
// "Battle Summary": the units of the side shown in the main window grouped
// by unit type, with six totals and the date, turn and sides. It only reads,
// and computes everything anew each time it is shown or becomes active.
#include <QWidget>

#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/editorsession.h"

class QLabel;

namespace qrl::scenui {

class TForm1;

class TSummaryForm : public QWidget, public forms::FormBase {
 public:
  // session and form1 outlive the window.
  TSummaryForm(scen::EditorSession& session, TForm1& form1);

  void FormShow() override;
  void FormActivate() override;

  forms::StringGrid* SummarySG;
  QLabel* TurnLbl;
  QLabel* DateLbl;
  QLabel* CountryLbl;
  QLabel* MenLbl;
  QLabel* MenKilledLbl;
  QLabel* TotalUnitsLbl;
  QLabel* UnitsKilledLbl;
  QLabel* CostLbl;
  QLabel* DamageLbl;

 private:
  scen::EditorSession& Session;
  TForm1& Form1;
};

}  // namespace qrl::scenui
