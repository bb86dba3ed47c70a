#include "scenarioeditor/ui/turnsform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "scenarioeditor/core/dicerolls.h"
#include "scenarioeditor/core/ownrecords.h"
#include "scenarioeditor/ui/gridcells.h"

namespace qrl::scenui {

namespace {

constexpr const char* Caption = "Game Data";
constexpr int WindowWidth = 560, WindowHeight = 470;
constexpr int EditWidth = 40, RowHeight = 24, LabelWidth = 84, SlashWidth = 10;
constexpr int VictoryColumnWidth = 60;
constexpr QRect VictoryLabelRect{300, 8, 200, 20};
constexpr QRect VictoryGridRect{300, 30, 252, 400};
constexpr QRect DescriptionLabelRect{8, 368, 84, 24};
constexpr QRect DescriptionEditRect{92, 368, 200, 24};
constexpr QRect RetainButtonRect{8, 410, 100, 28};
constexpr QRect PrestigeLabelRect{8, 332, 84, 24};
constexpr QRect PrestigeEditRect{92, 332, 80, 24};
constexpr const char* InitialDescription = "Description";

// Where each byte edit stands, and the labels beside the rows.
struct EditPlace {
  const char* Control;
  int X, Y;
};
constexpr std::array<EditPlace, 18> EditPlaces = {{
    {"TurnEdit", 92, 8},         {"MaxTurnsEdit", 92, 36},      {"VisibilityEdit", 92, 64},
    {"TerrainEdit", 92, 92},     {"StartMonthEdit", 92, 120},   {"StartYearEdit", 142, 120},
    {"EndMonthEdit", 92, 148},   {"EndYearEdit", 142, 148},     {"MonthEdit", 92, 176},
    {"YearEdit", 142, 176},      {"Country1Edit", 92, 204},     {"Country2Edit", 142, 204},
    {"Country3Edit", 192, 204},  {"Country4Edit", 242, 204},    {"MinorVictoriesEdit", 92, 252},
    {"MajorVictoriesEdit", 192, 252}, {"BattlesEdit", 92, 280}, {"MaxBattlesEdit", 242, 280},
}};
struct LabelPlace {
  const char* Text;
  int X, Y, Width;
};
constexpr std::array<LabelPlace, 15> LabelPlaces = {{
    {"Turn #", 8, 8, LabelWidth},     {"Max Turns", 8, 36, LabelWidth}, {"Visibility", 8, 64, LabelWidth},
    {"Terrain", 8, 92, LabelWidth},   {"Start Date", 8, 120, LabelWidth}, {"End Date", 8, 148, LabelWidth},
    {"Date", 8, 176, LabelWidth},     {"Countries", 8, 204, LabelWidth}, {"Victories", 8, 232, LabelWidth},
    {"Minor", 8, 252, LabelWidth},    {"Major", 142, 252, 50},          {"Battles", 8, 280, LabelWidth},
    {"Max Battles", 142, 280, 100},   {"/", 132, 120, SlashWidth},      {"/", 132, 148, SlashWidth},
}};

QString Ascii(std::string_view text) { return scen::TableText(text); }

}  // namespace

TTurnsForm::TTurnsForm(scen::EditorSession& session) : QWidget(nullptr), FormBase(this), Session(session) {
  setWindowTitle(Caption);
  setAccessibleName(Caption);
  resize(WindowWidth, WindowHeight);
  for (const LabelPlace& place : LabelPlaces) {
    auto* label = new QLabel(place.Text, this);
    label->setGeometry(place.X, place.Y, place.Width, RowHeight);
  }
  auto* dateSlash = new QLabel("/", this);
  dateSlash->setGeometry(132, 176, SlashWidth, RowHeight);
  const QString absent = Ascii(scen::AbsentRecordText);
  for (size_t i = 0; i < scen::GameDataByteFields.size(); ++i) {
    const QString name = Ascii(scen::GameDataByteFields[i].Control);
    auto* edit = new QLineEdit(absent, this);
    forms::NameControl(edit, name);
    for (const EditPlace& place : EditPlaces)
      if (name == place.Control) edit->setGeometry(place.X, place.Y, EditWidth, RowHeight);
    ByteEdits[i] = edit;
  }
  auto* prestigeLabel = new QLabel("$$$", this);
  prestigeLabel->setGeometry(PrestigeLabelRect);
  PrestigeEdit = new QLineEdit(absent, this);
  forms::NameControl(PrestigeEdit, "PrestigeEdit");
  PrestigeEdit->setGeometry(PrestigeEditRect);
  auto* descriptionLabel = new QLabel("Description", this);
  descriptionLabel->setGeometry(DescriptionLabelRect);
  DescriptionEdit = new QLineEdit(InitialDescription, this);
  forms::NameControl(DescriptionEdit, "DescriptionEdit");
  DescriptionEdit->setGeometry(DescriptionEditRect);

  auto* victoryLabel = new QLabel("Victory Hexes", this);
  victoryLabel->setGeometry(VictoryLabelRect);
  VictoryGrid = new forms::StringGrid(this);
  forms::NameControl(VictoryGrid, "VictoryGrid");
  VictoryGrid->setGeometry(VictoryGridRect);
  VictoryGrid->SetColCount(scen::VictoryColumnCount);
  VictoryGrid->SetRowCount(scen::VictoryShownEntries + 1);
  VictoryGrid->SetFixedCols(0);
  VictoryGrid->SetFixedRows(1);
  VictoryGrid->SetDefaultColWidth(VictoryColumnWidth);
  VictoryGrid->SetEditable(true);
  VictoryGrid->SetRangeSelect(true);

  RetainButton = new QPushButton("Retain", this);
  forms::NameControl(RetainButton, "RetainButton", "Retain");
  RetainButton->setGeometry(RetainButtonRect);
  forms::Connect(RetainButton, &QPushButton::clicked, this, [this] { RetainButtonClick(); });
  forms::RunHandler(this, [this] { FormCreate(); });
}

void TTurnsForm::FormCreate() {
  for (int col = 0; col < scen::VictoryColumnCount; ++col)
    VictoryGrid->SetCell(col, 0, Ascii(scen::VictoryHeadings[size_t(col)]));
}

void TTurnsForm::FormShow() { Reload(); }

void TTurnsForm::FormActivate() {
  if (Shown.Stale(Session.Document.Changes)) Reload();
}

void TTurnsForm::Reload() {
  const scen::GameDataTexts texts = scen::ReadGameData(Session.Document.Slots);
  for (size_t i = 0; i < ByteEdits.size(); ++i) {
    ByteEdits[i]->setText(texts.Bytes[i]);
    ByteEdits[i]->setEnabled(texts.GameDataPresent);
  }
  PrestigeEdit->setText(texts.Prestige);
  PrestigeEdit->setEnabled(texts.PrestigePresent);
  DescriptionEdit->setText(texts.Description);
  DescriptionEdit->setEnabled(texts.GameDataPresent);
  ShowCells(texts.Victory, *VictoryGrid);
  VictoryGrid->setEnabled(texts.GameDataPresent);
  Shown.Reloaded(Session.Document.Changes);
}

scen::GameDataTexts TTurnsForm::ReadControls() const {
  scen::GameDataTexts texts;
  for (size_t i = 0; i < ByteEdits.size(); ++i) texts.Bytes[i] = ByteEdits[i]->text();
  texts.Prestige = PrestigeEdit->text();
  texts.Description = DescriptionEdit->text();
  ReadCells(*VictoryGrid, texts.Victory);
  return texts;
}

void TTurnsForm::RetainButtonClick() {
  const scen::GameDataTexts texts = ReadControls();
  bool someAbsent = false;
  try {
    someAbsent = scen::RetainGameData(Session.Document.Slots, texts);
  } catch (...) {
    Shown.StoredOwn(Session.Document.Changes);  // the fields before the bad one were stored
    throw;
  }
  Shown.StoredOwn(Session.Document.Changes);
  if (someAbsent)
    forms::ShowMessage(this, QString::fromStdString(scen::GameDataNotStored.Text),
                       QString::fromStdString(scen::GameDataNotStored.Caption));
}

}  // namespace qrl::scenui
