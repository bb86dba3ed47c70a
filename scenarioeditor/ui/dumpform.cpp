#include "scenarioeditor/ui/dumpform.h"

#include <QFontDatabase>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "scenarioeditor/core/dicerolls.h"
#include "scenarioeditor/ui/gridcells.h"
#include "scenarioeditor/ui/mainform.h"
#include "scenarioeditor/ui/pathtext.h"

namespace qrl::scenui {

namespace {

constexpr const char* Caption = "Dump";
constexpr std::array<int, scen::DumpColumnCount> ColumnWidths = {46, 77, 107};

constexpr int WindowWidth = 380, WindowHeight = 330;
constexpr int Margin = 8, LabelHeight = 20;
constexpr QRect GridRect{Margin, Margin + LabelHeight + 4, 254, 280};
constexpr int ButtonLeft = 274, ButtonWidth = 96, ButtonHeight = 28, ButtonStep = 36;

}  // namespace

TDumpForm::TDumpForm(scen::ScenarioDocument& doc, TForm1& form1)
    : QWidget(nullptr), FormBase(this), Doc(doc), Form1(form1) {
  setWindowTitle(Caption);
  resize(WindowWidth, WindowHeight);

  DumpLbl = new QLabel(this);
  DumpLbl->setObjectName("DumpLbl");
  DumpLbl->setGeometry(Margin, Margin, GridRect.width(), LabelHeight);

  DumpGrid = new forms::StringGrid(this);
  forms::NameControl(DumpGrid, "DumpGrid");
  DumpGrid->setGeometry(GridRect);
  DumpGrid->SetColCount(scen::DumpColumnCount);
  DumpGrid->SetFixedCols(0);
  DumpGrid->SetFixedRows(1);
  DumpGrid->SetEditable(false);
  for (int col = 0; col < scen::DumpColumnCount; ++col) DumpGrid->SetColWidth(col, ColumnWidths[size_t(col)]);
  // The columns line up their blank-padded numbers only in a fixed-pitch font.
  DumpGrid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  DumpGrid->OnSelectCell = [this](int col, int row, bool& canSelect) { DumpGridSelectCell(col, row, canSelect); };

  struct ButtonSpec {
    QPushButton* TDumpForm::*Field;
    const char* Name;
    const char* Caption;
    void (TDumpForm::*Handler)();
  };
  const std::array<ButtonSpec, 5> buttons = {{
      {&TDumpForm::AllBtn, "AllBtn", "All", &TDumpForm::AllBtnClick},
      {&TDumpForm::SectionBtn, "SectionBtn", "Section", &TDumpForm::SectionBtnClick},
      {&TDumpForm::StatsBtn, "StatsBtn", "Stats", &TDumpForm::StatsBtnClick},
      {&TDumpForm::LoadBtn, "LoadBtn", "Load All", &TDumpForm::LoadBtnClick},
      {&TDumpForm::LoadSectionBtn, "LoadSectionBtn", "Ld Sec", &TDumpForm::LoadSectionBtnClick},
  }};
  for (size_t i = 0; i < buttons.size(); ++i) {
    auto* button = new QPushButton(buttons[i].Caption, this);
    forms::NameControl(button, buttons[i].Name, buttons[i].Caption);
    button->setGeometry(ButtonLeft, GridRect.top() + int(i) * ButtonStep, ButtonWidth, ButtonHeight);
    forms::Connect(button, &QPushButton::clicked, this, [this, handler = buttons[i].Handler] { (this->*handler)(); });
    this->*buttons[i].Field = button;
  }
  forms::RunHandler(this, [this] { FormCreate(); });
}

void TDumpForm::FormCreate() {
  SaveDialog1.SetInitialDir(PathText(Doc.ProgramDir));
  OpenDialog1.SetInitialDir(PathText(Doc.ProgramDir));
}

void TDumpForm::FormActivate() {
  const scen::DumpListing listing = scen::ListDumpSlots(Doc.Slots);
  DumpLbl->setText(QString::fromStdString(listing.Label));
  ShowCells(listing.Cells, *DumpGrid);
  const int tagBefore = Selected.Tag();
  Selected.Rebuilt(listing);
  // A dropped selection leaves no row marked that no longer means it.
  if (tagBefore != 0 && Selected.Tag() == 0) DumpGrid->selectionModel()->clear();
}

void TDumpForm::DumpGridSelectCell(int, int row, bool&) { Selected.SelectRow(row); }

void TDumpForm::ShowBox(const scen::BoxMessage& box) {
  forms::ShowMessage(this, QString::fromStdString(box.Text), QString::fromStdString(box.Caption));
}

void TDumpForm::SaveWithDialog(std::span<const uint8_t> bytes) {
  if (!SaveDialog1.Execute()) return;
  if (auto failure = scen::SaveDump(PathBytes(SaveDialog1.FileName()), bytes)) ShowBox(*failure);
}

void TDumpForm::AllBtnClick() {
  SaveDialog1.SetFilter(scen::TableText(scen::DumpTexts::AllFilter));
  SaveWithDialog(scen::AllSectionsDump(Doc.Slots));
}

void TDumpForm::SectionBtnClick() {
  const int slot = Selected.SelectedSlot();
  SaveDialog1.SetFilter(scen::TableText(scen::DumpTexts::SectionFilter));
  SaveWithDialog(scen::SectionDump(Doc.Slots, slot));
}

void TDumpForm::StatsBtnClick() {
  const std::string text = scen::DumpStatsText(Doc.Slots, Doc.CurrentFile);
  SaveWithDialog(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void TDumpForm::AfterLoad(const std::optional<scen::BoxMessage>& box) {
  if (box) return ShowBox(*box);
  Form1.FillUnitGrid();
}

void TDumpForm::LoadBtnClick() {
  OpenDialog1.SetTitle(scen::TableText(scen::DumpTexts::LoadAllTitle));
  if (!OpenDialog1.Execute()) return;
  AfterLoad(scen::LoadAllDump(Doc, PathBytes(OpenDialog1.FileName())));
}

void TDumpForm::LoadSectionBtnClick() {
  const int slot = Selected.SelectedSlot();
  OpenDialog1.SetTitle(scen::TableText(scen::DumpTexts::LoadSectionTitle));
  if (!OpenDialog1.Execute()) return;
  AfterLoad(scen::LoadSectionDump(Doc, slot, PathBytes(OpenDialog1.FileName())));
}

}  // namespace qrl::scenui
