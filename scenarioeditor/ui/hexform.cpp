#include "scenarioeditor/ui/hexform.h"

#include <QButtonGroup>
#include <QFont>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "scenarioeditor/core/dicerolls.h"
#include "scenarioeditor/ui/gridcells.h"

namespace qrl::scenui {

namespace {

using scen::HexMode;

constexpr const char* Caption = "Hex";
constexpr int TitleColumnWidth = 60;
constexpr int ByteColumnWidth = 30;
constexpr const char* GridFontFamily = "Courier New";
constexpr std::array<const char*, 3> ModeCaptions = {"Combo", "Hex", "Dec."};

constexpr int WindowWidth = 640, WindowHeight = 400;
constexpr int Margin = 8;
constexpr QRect GridRect{Margin, Margin, 624, 290};
constexpr int ControlTop = 308, ControlHeight = 24, LabelWidth = 50;
constexpr QRect SectionRect{Margin + LabelWidth, ControlTop, 60, ControlHeight};
constexpr QRect SizeRect{Margin + LabelWidth, ControlTop + 32, 60, ControlHeight};
constexpr QRect DisplayRGRect{140, ControlTop - 6, 230, 52};
constexpr int DisplayButtonTop = 22, DisplayButtonWidth = 70;
constexpr QRect RetainRect{390, ControlTop, 80, 28};
constexpr int ScrollLeft = 490, ScrollButtonSize = 28, ScrollButtonStep = 34;

// The speed buttons show arrows; their hints say what they do.
struct ScrollSpec {
  QToolButton* THexForm::*Field;
  const char* Name;
  const char* Hint;
  const char* Glyph;
  void (THexForm::*Handler)();
};
const std::array<ScrollSpec, 4> ScrollButtons = {{
    {&THexForm::PgUpBtn, "PgUpBtn", "Page Up", "\u25B2\u25B2", &THexForm::PgUpBtnClick},
    {&THexForm::LnUpBtn, "LnUpBtn", "Line Up", "\u25B2", &THexForm::LnUpBtnClick},
    {&THexForm::LnDnBtn, "LnDnBtn", "Line Down", "\u25BC", &THexForm::LnDnBtnClick},
    {&THexForm::PgDnBtn, "PgDnBtn", "Page Down", "\u25BC\u25BC", &THexForm::PgDnBtnClick},
}};

QFont GridFont(HexMode mode) {
  QFont font(GridFontFamily);
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  font.setPointSize(scen::HexFontSizeOf(mode));
  return font;
}

}  // namespace

THexForm::THexForm(scen::ScenarioDocument& doc) : QWidget(nullptr), FormBase(this), Doc(doc) {
  setWindowTitle(Caption);
  resize(WindowWidth, WindowHeight);
  BuildControls();
  forms::RunHandler(this, [this] { FormCreate(); });
}

void THexForm::BuildControls() {
  HexGrid = new forms::StringGrid(this);
  forms::NameControl(HexGrid, "HexGrid");
  HexGrid->setGeometry(GridRect);
  HexGrid->SetDefaultColWidth(ByteColumnWidth);
  HexGrid->SetColCount(scen::NarrowHexColumnCount);
  HexGrid->SetRowCount(scen::HexRows);
  HexGrid->SetFixedCols(1);
  HexGrid->SetFixedRows(1);
  HexGrid->SetEditable(true);
  HexGrid->setFont(GridFont(State.Mode));

  auto* sectionLabel = new QLabel("Section", this);
  sectionLabel->setGeometry(Margin, SectionRect.top(), LabelWidth, ControlHeight);
  SectionUD = new QSpinBox(this);
  forms::NameControl(SectionUD, "SectionUD");
  SectionUD->setGeometry(SectionRect);
  SectionUD->setRange(0, scen::MaxHexSection);
  SectionUD->setWrapping(false);
  SectionUD->setValue(State.HexSection);
  SectionEdit = SectionUD->findChild<QLineEdit*>();
  forms::NameControl(SectionEdit, "SectionEdit");
  sectionLabel->setBuddy(SectionUD);
  forms::Connect(SectionUD, &QSpinBox::valueChanged, this, [this] { SectionUDClick(); });

  auto* sizeLabel = new QLabel("Size", this);
  sizeLabel->setGeometry(Margin, SizeRect.top(), LabelWidth, ControlHeight);
  SizeEdit = new QLineEdit(QString::number(State.BytesPerLine), this);
  forms::NameControl(SizeEdit, "SizeEdit");
  SizeEdit->setGeometry(SizeRect);
  sizeLabel->setBuddy(SizeEdit);
  forms::Connect(SizeEdit, &QLineEdit::textChanged, this, [this] { SizeEditChange(); });

  DisplayRG = new QGroupBox("Display", this);
  forms::NameControl(DisplayRG, "DisplayRG", "Display");
  DisplayRG->setGeometry(DisplayRGRect);
  DisplayGroup = new QButtonGroup(DisplayRG);
  for (int i = 0; i < int(ModeCaptions.size()); ++i) {
    auto* button = new QRadioButton(ModeCaptions[size_t(i)], DisplayRG);
    forms::NameControl(button, QString("DisplayRG%1").arg(i), ModeCaptions[size_t(i)]);
    button->setGeometry(Margin + i * DisplayButtonWidth, DisplayButtonTop, DisplayButtonWidth, ControlHeight);
    DisplayGroup->addButton(button, i);
    DisplayButtons[size_t(i)] = button;
  }
  DisplayButtons[size_t(State.Mode)]->setChecked(true);
  forms::Connect(DisplayGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) DisplayRGClick();
  });

  RetainBtn = new QPushButton("Retain", this);
  forms::NameControl(RetainBtn, "RetainBtn", "Retain");
  RetainBtn->setGeometry(RetainRect);
  forms::Connect(RetainBtn, &QPushButton::clicked, this, [this] { RetainBtnClick(); });

  for (size_t i = 0; i < ScrollButtons.size(); ++i) {
    const ScrollSpec& spec = ScrollButtons[i];
    auto* button = new QToolButton(this);
    forms::NameControl(button, spec.Name, spec.Hint);
    button->setText(QString::fromUtf8(spec.Glyph));
    button->setToolTip(spec.Hint);
    button->setAutoRaise(true);
    button->setGeometry(ScrollLeft + int(i) * ScrollButtonStep, ControlTop, ScrollButtonSize, ScrollButtonSize);
    forms::Connect(button, &QToolButton::clicked, this, [this, handler = spec.Handler] { (this->*handler)(); });
    this->*spec.Field = button;
  }
}

void THexForm::FormCreate() {
  HexGrid->SetColWidth(0, TitleColumnWidth);
  RefreshHexGrid();
}

void THexForm::FormShow() { RefreshHexGrid(); }

void THexForm::FormActivate() {
  if (Shown.Stale(Doc.Changes)) RefreshHexGrid();
}

void THexForm::RefreshHexGrid() { FillHexGrid(); }

void THexForm::FillHexGrid() {
  const scen::CellTable cells = scen::FillHexGrid(Doc.Slots, State);
  HexGrid->SetColCount(cells.ColumnCount());
  HexGrid->setFont(GridFont(State.Mode));
  ShowCells(cells, *HexGrid);
  Shown.Reloaded(Doc.Changes);
}

void THexForm::SectionUDClick() {
  scen::SetHexSection(State, SectionUD->value());
  RefreshHexGrid();
}

void THexForm::SizeEditChange() {
  // Text that is no line width (an empty edit while the user types, 0, a
  // letter) leaves the view as it is.
  if (!scen::SetBytesPerLine(State, SizeEdit->text())) return;
  RefreshHexGrid();
}

void THexForm::DisplayRGClick() {
  State.Mode = HexMode(DisplayGroup->checkedId());
  RefreshHexGrid();
}

void THexForm::PgUpBtnClick() {
  scen::PageUp(State);
  RefreshHexGrid();
}

void THexForm::LnUpBtnClick() {
  scen::LineUp(State);
  RefreshHexGrid();
}

void THexForm::LnDnBtnClick() {
  if (scen::LineDown(Doc.Slots, State)) RefreshHexGrid();
}

void THexForm::PgDnBtnClick() {
  if (scen::PageDown(Doc.Slots, State)) RefreshHexGrid();
}

void THexForm::RetainBtnClick() {
  const forms::GridRect selection = HexGrid->Selection();
  const QString text = HexGrid->Cell(selection.Left, selection.Top);
  const scen::RetainOutcome outcome = scen::RetainHexCell(Doc.Slots, State, selection.Left, selection.Top, text);
  if (outcome == scen::RetainOutcome::NoLoadedByte)
    return forms::ShowMessage(this, scen::TableText(scen::HexTexts::NoLoadedByte),
                              scen::TableText(scen::HexTexts::NoLoadedByteCaption));
  // The cell keeps the text as typed; other windows showing the image reload.
  Shown.StoredOwn(Doc.Changes);
}

}  // namespace qrl::scenui
