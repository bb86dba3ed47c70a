#include "scenarioeditor/ui/ammoform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <filesystem>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "gamefile/fileio.h"
#include "forms/naming.h"
#include "scenarioeditor/ui/mainform.h"
#include "scenarioeditor/ui/pathtext.h"
#include "scenarioeditor/ui/weaponsform.h"

namespace qrl::scenui {

namespace {

using scen::UnitEdit;

constexpr const char* Caption = "Unit Data";
constexpr int WindowWidth = 434, WindowHeight = 592;
constexpr int Margin = 8, RowHeight = 22, LabelHeight = 20, LabelDrop = 2;

// The top line: the formation label, the name, Unit# and Class.
constexpr QRect UnitLblRect{Margin, 10, 34, LabelHeight};
constexpr QRect ULblRect{42, 10, 34, LabelHeight};
constexpr QRect NameEditRect{78, 8, 130, RowHeight};
// The armour grid with Mob#, Ctry# and Img# to its right; the weapons grid
// with the buttons to its right.
constexpr QRect ArmorGridRect{Margin, 38, 316, 128};
constexpr QRect WeaponsGridRect{Margin, 176, 316, 128};
constexpr int ButtonLeft = 336, ButtonWidth = 90, ButtonHeight = 26, ButtonStep = 32;
// Then the characteristics in four rows, a black line, and the leader's fields.
constexpr QRect DividerRect{Margin, 446, WindowWidth - 2 * Margin, 2};
constexpr QRect LeaderCaptionRect{Margin, 460, 56, LabelHeight};
constexpr QRect LeaderEditRect{64, 458, 150, RowHeight};
constexpr QRect RankCaptionRect{224, 460, 40, LabelHeight};
constexpr QRect RankCBRect{264, 458, 100, RowHeight};
constexpr const char* RankCBInitialText = "RankCB";

struct EditPlace {
  UnitEdit Edit;
  int Left, Top, CaptionWidth, EditWidth;
};
constexpr int CellStep = 104, CharLeft = Margin, CharTop = 316, CharRowStep = 32;
constexpr int CharCaption = 44, NumberWidth = 54;
constexpr int Col(int i) { return CharLeft + CellStep * i; }
constexpr int Line(int i) { return CharTop + CharRowStep * i; }
constexpr std::array<EditPlace, scen::UnitEditCount> EditPlaces = {{
    {UnitEdit::UnitNumber, 214, 8, 38, NumberWidth},
    {UnitEdit::Class, 312, 8, 38, NumberWidth},
    {UnitEdit::Mob, 332, 38, 40, NumberWidth},
    {UnitEdit::Country, 332, 70, 40, NumberWidth},
    {UnitEdit::Image, 332, 102, 40, NumberWidth},
    {UnitEdit::FC, Col(0), Line(0), CharCaption, NumberWidth},
    {UnitEdit::RoF, Col(1), Line(0), CharCaption, NumberWidth},
    {UnitEdit::Speed, Col(2), Line(0), CharCaption, NumberWidth},
    {UnitEdit::Swim, Col(3), Line(0), CharCaption, NumberWidth},
    {UnitEdit::Smoke, Col(0), Line(1), CharCaption, NumberWidth},
    {UnitEdit::Size, Col(1), Line(1), CharCaption, NumberWidth},
    {UnitEdit::Vision, Col(2), Line(1), CharCaption, NumberWidth},
    {UnitEdit::Stab, Col(3), Line(1), CharCaption, NumberWidth},
    {UnitEdit::SmkD, Col(0), Line(2), CharCaption, NumberWidth},
    {UnitEdit::RngF, Col(1), Line(2), CharCaption, NumberWidth},
    {UnitEdit::Radio, Col(2), Line(2), CharCaption, NumberWidth},
    {UnitEdit::Cost, Col(3), Line(2), CharCaption, NumberWidth},
    {UnitEdit::Lift, Col(0), Line(3), CharCaption, NumberWidth},
    {UnitEdit::LCost, Col(1), Line(3), CharCaption, NumberWidth},
    {UnitEdit::Men, Col(2), Line(3), CharCaption, NumberWidth},
    {UnitEdit::Surv, Col(3), Line(3), CharCaption, NumberWidth},
    {UnitEdit::Suppression, Margin, 494, 70, NumberWidth},
    {UnitEdit::Damage, 142, 494, 50, NumberWidth},
    {UnitEdit::Kills, 256, 494, 36, 60},
}};

QString Text(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

void MakeRed(QWidget* widget, QPalette::ColorRole role) {
  QPalette palette = widget->palette();
  palette.setColor(role, Qt::red);
  widget->setPalette(palette);
}

void SetUpDataGrid(forms::StringGrid* grid, int fixedCols) {
  grid->SetColCount(scen::DataGridSize);
  grid->SetRowCount(scen::DataGridSize);
  grid->SetFixedRows(1);
  grid->SetFixedCols(fixedCols);
  grid->SetEditable(true);
}

}  // namespace

TAmmoForm::TAmmoForm(scen::EditorSession& session, TForm1& form1, TWeaponsForm& weaponsForm)
    : QWidget(nullptr), FormBase(this), Session(session), Form1(form1), WeaponsForm(weaponsForm) {
  forms::NameControl(this, "AmmoForm", Caption);
  setWindowTitle(Caption);
  resize(WindowWidth, WindowHeight);
  BuildTopLine();
  BuildGrids();
  BuildButtons();
  BuildEdits();
  BuildLeaderLine();
}

void TAmmoForm::BuildTopLine() {
  UnitLbl = new QLabel("Unit: ", this);
  UnitLbl->setObjectName("UnitLbl");
  UnitLbl->setGeometry(UnitLblRect);
  ULbl = new QLabel("XX", this);
  ULbl->setObjectName("ULbl");
  ULbl->setGeometry(ULblRect);
  NameEdit = new QLineEdit(scen::UnitDataValues().Name, this);
  forms::NameControl(NameEdit, "NameEdit");
  NameEdit->setGeometry(NameEditRect);
}

void TAmmoForm::BuildGrids() {
  ArmorGrid = new forms::StringGrid(this);
  forms::NameControl(ArmorGrid, "ArmorGrid");
  ArmorGrid->setGeometry(ArmorGridRect);
  SetUpDataGrid(ArmorGrid, 1);
  ArmorGrid->SetDefaultColWidth(scen::ArmorGridDefaultColumnWidth);

  WeaponsGrid = new forms::StringGrid(this);
  forms::NameControl(WeaponsGrid, "WeaponsGrid");
  WeaponsGrid->setGeometry(WeaponsGridRect);
  SetUpDataGrid(WeaponsGrid, 0);
  WeaponsGrid->SetRangeSelect(true);
  WeaponsGrid->OnSelectCell = [this](int col, int row, bool& canSelect) { WeaponsGridSelectCell(col, row, canSelect); };
  // A click on the name cell that is already the current one moves no cell,
  // yet it opens the list as well.
  WeaponsGrid->viewport()->installEventFilter(this);
}

void TAmmoForm::BuildButtons() {
  struct ButtonSpec {
    QPushButton*& Button;
    const char* Name;
    const char* Caption;
    void (TAmmoForm::*Handler)();
  };
  const ButtonSpec buttons[] = {
      {CopyBtn, "CopyBtn", "Copy", &TAmmoForm::CopyBtnClick},
      {RetainBtn, "RetainBtn", "Retain", &TAmmoForm::RetainBtnClick},
      {PasteBtn, "PasteBtn", "Paste", &TAmmoForm::PasteBtnClick},
      {PrintBtn, "PrintBtn", "Print", &TAmmoForm::PrintBtnClick},
  };
  int top = WeaponsGridRect.top();
  for (const ButtonSpec& spec : buttons) {
    spec.Button = new QPushButton(spec.Caption, this);
    forms::NameControl(spec.Button, spec.Name, spec.Caption);
    spec.Button->setGeometry(ButtonLeft, top, ButtonWidth, ButtonHeight);
    top += ButtonStep;
    if (spec.Handler)
      forms::Connect(spec.Button, &QPushButton::clicked, this, [this, handler = spec.Handler] { (this->*handler)(); });
  }
  // Paste waits for the first Copy that completes.
  PasteBtn->setEnabled(Session.UnitData.CopiedUnit.has_value());
  // The detail table is appended to the file the user picks, never replacing it.
  SaveDialog1.SetOverwritePrompt(false);
}

QLineEdit* TAmmoForm::AddEdit(UnitEdit edit, int left, int top) {
  const scen::UnitEditSpec& spec = scen::SpecOf(edit);
  const EditPlace& place = EditPlaces[size_t(edit)];
  auto* caption = new QLabel(Text(spec.Caption), this);
  caption->setGeometry(left, top + LabelDrop, place.CaptionWidth, LabelHeight);
  auto* control = new QLineEdit(scen::UnitDataValues().Edit(edit), this);
  forms::NameControl(control, Text(spec.Name));
  control->setGeometry(left + place.CaptionWidth, top, place.EditWidth, RowHeight);
  caption->setBuddy(control);
  if (spec.Red) {
    MakeRed(caption, QPalette::WindowText);
    MakeRed(control, QPalette::Text);
  }
  return control;
}

void TAmmoForm::BuildEdits() {
  for (const EditPlace& place : EditPlaces) Edits[size_t(place.Edit)] = AddEdit(place.Edit, place.Left, place.Top);
}

void TAmmoForm::BuildLeaderLine() {
  auto* divider = new QWidget(this);
  divider->setGeometry(DividerRect);
  divider->setAutoFillBackground(true);
  QPalette black = divider->palette();
  black.setColor(QPalette::Window, Qt::black);
  divider->setPalette(black);

  auto* leaderCaption = new QLabel("Leaders", this);
  leaderCaption->setGeometry(LeaderCaptionRect);
  LeaderEdit = new QLineEdit(this);
  forms::NameControl(LeaderEdit, "LeaderEdit");
  LeaderEdit->setGeometry(LeaderEditRect);
  LeaderEdit->setReadOnly(true);
  leaderCaption->setBuddy(LeaderEdit);

  auto* rankCaption = new QLabel("Rank", this);
  rankCaption->setGeometry(RankCaptionRect);
  RankCB = new QComboBox(this);
  forms::NameControl(RankCB, "RankCB");
  RankCB->setGeometry(RankCBRect);
  for (std::string_view item : scen::RankItems) RankCB->addItem(Text(item));
  RankCB->setCurrentIndex(scen::NoRank);
  RankCB->setPlaceholderText(RankCBInitialText);
  rankCaption->setBuddy(RankCB);
}

scen::UnitDataValues TAmmoForm::ReadValues() const {
  scen::UnitDataValues values;
  values.Name = NameEdit->text();
  values.Label = ULbl->text();
  values.Leader = LeaderEdit->text();
  for (int slot = 0; slot < scen::WeaponSlots; ++slot) {
    values.WeaponCells[size_t(slot)] = WeaponsGrid->Cell(0, slot + 1);
    for (int kind = 0; kind < scen::AmmunitionKinds; ++kind)
      values.Ammunition[size_t(slot)][size_t(kind)] = WeaponsGrid->Cell(kind + 1, slot + 1);
  }
  for (int row = 0; row < scen::ArmourRows; ++row)
    for (int col = 0; col < scen::ArmourColumns; ++col)
      values.Armour[size_t(row)][size_t(col)] = ArmorGrid->Cell(col + 1, row + 1);
  for (size_t e = 0; e < Edits.size(); ++e) values.Edits[e] = Edits[e]->text();
  values.RankIndex = RankCB->currentIndex();
  return values;
}

void TAmmoForm::ShowValues(const scen::UnitDataValues& values) {
  NameEdit->setText(values.Name);
  ULbl->setText(values.Label);
  LeaderEdit->setText(values.Leader);
  for (int slot = 0; slot < scen::WeaponSlots; ++slot) {
    WeaponsGrid->SetCell(0, slot + 1, values.WeaponCells[size_t(slot)]);
    for (int kind = 0; kind < scen::AmmunitionKinds; ++kind)
      WeaponsGrid->SetCell(kind + 1, slot + 1, values.Ammunition[size_t(slot)][size_t(kind)]);
  }
  for (int row = 0; row < scen::ArmourRows; ++row)
    for (int col = 0; col < scen::ArmourColumns; ++col)
      ArmorGrid->SetCell(col + 1, row + 1, values.Armour[size_t(row)][size_t(col)]);
  for (size_t e = 0; e < Edits.size(); ++e) Edits[e]->setText(values.Edits[e]);
  RankCB->setCurrentIndex(values.RankIndex);
}

void TAmmoForm::Reload() {
  if (!scen::UnitRowSelected(Session)) return;  // the controls keep what they show
  const int row = Session.Grid.SelectedRow;
  const forms::StringGrid& grid = *Form1.InfoStringGrid;
  const scen::UnitRowTexts texts{grid.Cell(scen::UnitLabelColumn, row), grid.Cell(scen::UnitNameColumn, row),
                                 grid.Cell(scen::LeaderNameColumn, row)};
  scen::UnitDataValues values = ReadValues();
  scen::ReloadUnitData(Session, texts, values);
  ShowValues(values);
  RankCB->setPlaceholderText(QString());  // a unit without a rank shows an empty box
  // The next click in the name column is a change of cell.
  WeaponsGrid->SetCol(1);
}

void TAmmoForm::FormShow() {
  for (int col = 0; col < scen::DataGridSize; ++col) {
    WeaponsGrid->SetColWidth(col, scen::WeaponsGridColumnWidths[size_t(col)]);
    WeaponsGrid->SetCell(col, 0, Text(scen::WeaponsGridHeadings[size_t(col)]));
    ArmorGrid->SetColWidth(col, scen::ArmorGridColumnWidths[size_t(col)]);
    ArmorGrid->SetCell(col, 0, Text(scen::ArmorGridHeadings[size_t(col)]));
  }
  for (int slot = 0; slot < scen::WeaponSlots; ++slot)
    WeaponsGrid->SetCell(0, slot + 1, Text(scen::WeaponsGridSlotHeadings[size_t(slot)]));
  for (int row = 0; row < scen::ArmourRows; ++row)
    ArmorGrid->SetCell(0, row + 1, Text(scen::ArmorGridRowHeadings[size_t(row)]));
  SaveDialog1.SetInitialDir(PathText(Session.Document.ProgramDir));
  Reload();
}

void TAmmoForm::FormActivate() {
  if (scen::UnitDataNeedsReload(Session)) Reload();
}

void TAmmoForm::RetainBtnClick() { scen::RetainUnitData(Session, ReadValues()); }

scen::DetailTableTexts TAmmoForm::DetailTexts() const {
  scen::DetailTableTexts t;
  t.Name = NameEdit->text();
  auto text = [this](UnitEdit edit) { return Edit(edit)->text(); };
  t.UnitNumber = text(UnitEdit::UnitNumber);
  t.Class = text(UnitEdit::Class);
  t.Mob = text(UnitEdit::Mob);
  t.Country = text(UnitEdit::Country);
  t.Image = text(UnitEdit::Image);
  for (int col = 0; col < scen::DataGridSize; ++col)
    for (int row = 0; row < scen::DataGridSize; ++row) {
      t.Armor[size_t(col)][size_t(row)] = ArmorGrid->Cell(col, row);
      t.Weapons[size_t(col)][size_t(row)] = WeaponsGrid->Cell(col, row);
    }
  t.Fc = text(UnitEdit::FC);
  t.RoF = text(UnitEdit::RoF);
  t.Speed = text(UnitEdit::Speed);
  t.Swim = text(UnitEdit::Swim);
  t.Smoke = text(UnitEdit::Smoke);
  t.Size = text(UnitEdit::Size);
  t.Vision = text(UnitEdit::Vision);
  t.Stab = text(UnitEdit::Stab);
  t.SmkD = text(UnitEdit::SmkD);
  t.RngF = text(UnitEdit::RngF);
  t.Radio = text(UnitEdit::Radio);
  t.Cost = text(UnitEdit::Cost);
  t.Lift = text(UnitEdit::Lift);
  t.LiftCost = text(UnitEdit::LCost);
  t.Men = text(UnitEdit::Men);
  t.Surv = text(UnitEdit::Surv);
  return t;
}

void TAmmoForm::PrintBtnClick() {
  SaveDialog1.SetTitle(QString::fromLatin1(scen::TableDialogs::DetailTitle.data()));
  SaveDialog1.SetFilter(QString::fromLatin1(scen::TableDialogs::Filter.data()));
  SaveDialog1.SetDefaultExt(QString::fromLatin1(scen::TableDialogs::DefaultExtension.data()));
  if (!SaveDialog1.Execute()) return;
  const std::string path = PathBytes(SaveDialog1.FileName());
  // Appending rewrites the file whole through the safe save, so a failed
  // write never leaves a half table behind.
  std::vector<uint8_t> bytes;
  if (std::filesystem::exists(path)) {
    auto existing = ReadWholeFile(path);
    if (!existing) return forms::ShowMessage(this, QString::fromLatin1(scen::TableDialogs::NotCreated.data()), "Error");
    bytes = std::move(*existing);
  }
  const std::string table = scen::DetailTable(DetailTexts());
  bytes.insert(bytes.end(), table.begin(), table.end());
  if (!SafeSaveFile(path, bytes))
    forms::ShowMessage(this, QString::fromLatin1(scen::TableDialogs::NotCreated.data()), "Error");
}

void TAmmoForm::CopyBtnClick() {
  // A copy that stops at a bad value leaves the previous copy whole.
  Session.UnitData.CopiedUnit = scen::CopyUnitData(Session, ReadValues());
  PasteBtn->setEnabled(true);
}

void TAmmoForm::PasteBtnClick() {
  if (!Session.UnitData.CopiedUnit) return;
  scen::UnitDataValues values = ReadValues();
  scen::PasteUnitData(Session, *Session.UnitData.CopiedUnit, values);
  ShowValues(values);
}

void TAmmoForm::WeaponsGridSelectCell(int col, int row, bool&) {
  if (!scen::ChooseWeaponSlot(Session, col, row)) return;
  WeaponsForm.show();
  WeaponsForm.raise();
  WeaponsForm.activateWindow();
}

bool TAmmoForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == WeaponsGrid->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const int col = WeaponsGrid->Col(), row = WeaponsGrid->Row();
    const bool onCurrentCell = WeaponsGrid->CellRect(col, row).contains(mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && col == 0 && onCurrentCell)
      forms::RunHandler(this, [&] {
        bool canSelect = true;
        WeaponsGridSelectCell(col, row, canSelect);
      });
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qrl::scenui
