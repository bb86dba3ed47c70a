#include "scenarioeditor/ui/summaryform.h"

#include <QLabel>
#include <QRadioButton>

#include "forms/naming.h"
#include "scenarioeditor/core/battlesummary.h"
#include "scenarioeditor/ui/gridcells.h"
#include "scenarioeditor/ui/mainform.h"

namespace qrl::scenui {

namespace {

constexpr const char* Caption = "Battle Summary";
constexpr int WindowWidth = 480, WindowHeight = 470;
constexpr int DefaultColumnWidth = 80;
constexpr int NameColumnWidthFactor = 2;
constexpr QRect TitleRect{8, 6, 200, 22};
constexpr QRect TurnLblRect{8, 32, 150, 20};
constexpr QRect DateLblRect{170, 32, 150, 20};
constexpr QRect CountryLblRect{8, 54, 460, 20};
constexpr QRect GridRect{8, 78, 464, 280};
constexpr int TotalsTop = 366, TotalsStep = 22, TotalsWidth = 220, TotalsSecondLeft = 240;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* caption, const QRect& place) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(place);
  return label;
}

QRect TotalsPlace(int column, int line) {
  return QRect(column == 0 ? 8 : TotalsSecondLeft, TotalsTop + line * TotalsStep, TotalsWidth, 20);
}

}  // namespace

TSummaryForm::TSummaryForm(scen::EditorSession& session, TForm1& form1)
    : QWidget(nullptr), FormBase(this), Session(session), Form1(form1) {
  setWindowTitle(Caption);
  setAccessibleName(Caption);
  resize(WindowWidth, WindowHeight);
  auto* title = new QLabel(Caption, this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  title->setGeometry(TitleRect);
  TurnLbl = MakeLabel(this, "TurnLbl", "Turn 00/23", TurnLblRect);
  DateLbl = MakeLabel(this, "DateLbl", "00/00", DateLblRect);
  CountryLbl = MakeLabel(this, "CountryLbl", "Country1 vs Country2", CountryLblRect);

  SummarySG = new forms::StringGrid(this);
  forms::NameControl(SummarySG, "SummarySG");
  SummarySG->setGeometry(GridRect);
  SummarySG->SetColCount(scen::SummaryColumnCount);
  SummarySG->SetFixedCols(0);
  SummarySG->SetFixedRows(1);
  SummarySG->SetDefaultColWidth(DefaultColumnWidth);
  SummarySG->SetColWidth(0, NameColumnWidthFactor * SummarySG->DefaultColWidth());
  SummarySG->SetEditable(false);

  MenLbl = MakeLabel(this, "MenLbl", "Men", TotalsPlace(0, 0));
  MenKilledLbl = MakeLabel(this, "MenKilledLbl", "Men Killed", TotalsPlace(1, 0));
  TotalUnitsLbl = MakeLabel(this, "TotalUnitsLbl", "Total Units", TotalsPlace(0, 1));
  UnitsKilledLbl = MakeLabel(this, "UnitsKilledLbl", "Units Killed", TotalsPlace(1, 1));
  CostLbl = MakeLabel(this, "CostLbl", "Cost", TotalsPlace(0, 2));
  DamageLbl = MakeLabel(this, "DamageLbl", "Damage", TotalsPlace(1, 2));
}

void TSummaryForm::FormShow() { FormActivate(); }

void TSummaryForm::FormActivate() {
  const int side = Form1.SideIndex();
  const int units = side >= 0 && side < scen::SideCount ? Session.Grid.UnitCount[size_t(side)] : 0;
  const std::array<QString, 2> sideNames = {Form1.SideButtons[0]->text(), Form1.SideButtons[1]->text()};
  const scen::BattleSummary summary = scen::ComputeBattleSummary(Session.Document.Slots, side, units, sideNames);
  ShowCells(summary.Rows, *SummarySG);
  TurnLbl->setText(summary.TurnText);
  DateLbl->setText(summary.DateText);
  CountryLbl->setText(summary.CountryText);
  MenLbl->setText(summary.MenText);
  MenKilledLbl->setText(summary.MenKilledText);
  TotalUnitsLbl->setText(summary.TotalUnitsText);
  UnitsKilledLbl->setText(summary.UnitsKilledText);
  CostLbl->setText(summary.CostText);
  DamageLbl->setText(summary.DamageText);
}

}  // namespace qrl::scenui
