#include "scenarioeditor/ui/dicestatform.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "forms/handlers.h"
#include "forms/listbox.h"
#include "forms/naming.h"
#include "scenarioeditor/ui/gridcells.h"
#include "scenarioeditor/ui/mainform.h"

namespace qrl::scenui {

namespace {

constexpr const char* Caption = "Country Stats";
constexpr int IndexColumnWidth = 42, DescriptionColumnWidth = 220;
constexpr int WindowWidth = 460, WindowHeight = 300;
constexpr int Margin = 8, LabelHeight = 20, ListWidth = 150, ListTop = Margin + LabelHeight;
constexpr int ListHeight = 230, GridLeft = 2 * Margin + ListWidth, GridWidth = 286;
constexpr int ButtonWidth = 80, ButtonHeight = 26;

}  // namespace

TDiceStatForm::TDiceStatForm(const scen::DiceTable& dice, TForm1& form1)
    : QWidget(nullptr), FormBase(this), Dice(dice), Form1(form1) {
  setWindowTitle(Caption);
  forms::NameControl(this, "DiceStatForm", Caption);
  resize(WindowWidth, WindowHeight);

  auto* countryLabel = new QLabel("Country", this);
  countryLabel->setGeometry(Margin, Margin, ListWidth, LabelHeight);
  CountryLB = new QListWidget(this);
  forms::NameControl(CountryLB, "CountryLB");
  CountryLB->setSortingEnabled(false);  // the core gives the list's order
  CountryLB->setGeometry(Margin, ListTop, ListWidth, ListHeight);

  auto* descriptionLabel = new QLabel("Description", this);
  descriptionLabel->setGeometry(GridLeft, Margin, GridWidth, LabelHeight);
  DescriptionGrid = new forms::StringGrid(this);
  forms::NameControl(DescriptionGrid, "DescriptionGrid");
  DescriptionGrid->setGeometry(GridLeft, ListTop, GridWidth, ListHeight);
  DescriptionGrid->SetColCount(scen::DescriptionColumnCount);
  DescriptionGrid->SetFixedCols(0);
  DescriptionGrid->SetFixedRows(1);
  DescriptionGrid->SetEditable(false);
  DescriptionGrid->SetColWidth(scen::DescriptionIndexColumn, IndexColumnWidth);
  DescriptionGrid->SetColWidth(scen::DescriptionTextColumn, DescriptionColumnWidth);
  DescriptionGrid->OnSelectCell = [this](int col, int row, bool& canSelect) {
    DescriptionGridSelectCell(col, row, canSelect);
  };
  ShowDescriptions();

  SetBtn = new QPushButton("Set", this);
  forms::NameControl(SetBtn, "SetBtn", SetBtn->text());
  SetBtn->setGeometry(WindowWidth - Margin - ButtonWidth, ListTop + ListHeight + Margin, ButtonWidth, ButtonHeight);

  forms::ConnectListBoxClick(CountryLB, this, [this] { CountryLBClick(); });
  forms::Connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
}

void TDiceStatForm::ClearDescriptions() {
  State.ClearDescriptions();
  ShowDescriptions();
}

void TDiceStatForm::FormShow() {
  {
    QSignalBlocker quiet(CountryLB);
    CountryLB->clear();
    CountryLB->addItems(scen::CountryList(Dice));
  }
  State.Shown();
}

void TDiceStatForm::CountryLBClick() {
  QListWidgetItem* item = CountryLB->currentItem();
  if (!item) return;
  State.ChooseCountry(Dice, item->text());
  ShowDescriptions();
}

void TDiceStatForm::DescriptionGridSelectCell(int, int row, bool&) { State.SelectRow(row); }

void TDiceStatForm::SetBtnClick() {
  if (std::optional<scen::RollEdits> edits = State.SelectedSetEdits(Dice)) Form1.WriteRollEdits(*edits);
}

void TDiceStatForm::ShowDescriptions() { ShowCells(State.DescriptionGrid(), *DescriptionGrid); }

}  // namespace qrl::scenui
