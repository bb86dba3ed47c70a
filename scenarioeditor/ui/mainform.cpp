#include "scenarioeditor/ui/mainform.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include "forms/handlers.h"
#include "forms/naming.h"
#include "gamefile/fileio.h"
#include "scenarioeditor/ui/pathtext.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "forms/waitcursor.h"
#include "scenarioeditor/ui/ammoform.h"
#include "scenarioeditor/ui/dicestatform.h"
#include "scenarioeditor/ui/dumpform.h"
#include "scenarioeditor/ui/hexform.h"
#include "scenarioeditor/ui/fileform.h"
#include "scenarioeditor/ui/gridcells.h"
#include "scenarioeditor/ui/positionform.h"
#include "scenarioeditor/ui/summaryform.h"
#include "scenarioeditor/ui/turnsform.h"

namespace qrl::scenui {

namespace {

using scen::RollKind;

constexpr const char* MainCaption = "Morvain Qarlmoor Editor";
constexpr const char* AboutCaption = "About QRL Ed";
constexpr const char* AboutFirstLineFormat = "This is Version %1 of QRL Ed";
constexpr const char* AboutSecondLine = "Morvain Qarlmoor Scenario & Saved Game Editor for KXQRL game files.";
constexpr const char* HelpMissingFormat = "Could not find the help file %1";
constexpr const char* HelpNotOpenedFormat = "Could not open the help file %1";
constexpr const char* HelpCaption = "Error";
constexpr const char* CountryDataTitle = "Open CCF";
constexpr const char* CountryDataFilter = "Text/KXEd (*.txt,*.kxe)| *.txt;*.kxe||All Files *.*|*.*";
constexpr const char* OobFilesTitle = "Open Any MOB File";
// The OOB files have no extension: a filter left by another command would hide them.
constexpr const char* OobFilesFilter = "All Files (*.*)|*.*";
constexpr int FirstSide = 0;

// Where the controls stand; the window keeps a fixed layout.
constexpr int WindowWidth = 760, WindowHeight = 560;
constexpr int Margin = 8;
constexpr QRect FileLblRect{Margin, 6, 600, 20};
constexpr QRect GridRect{Margin, 30, 600, 310};
constexpr QRect SideRGRect{620, 30, 132, 76};
constexpr QRect AmmoBtnRect{620, 116, 132, 28};
constexpr int SideButtonLeft = 10, SideButtonTop = 22, SideButtonStep = 24, SideButtonWidth = 112;
constexpr int RollCaptionTop = 352, RollRowTop = 372, RollRowStep = 30, RollRowHeight = 24;
constexpr int RollLabelWidth = 32, RollEditLeft = 44, RollEditWidth = 40, RollSignWidth = 14;
constexpr int RollLimitGap = 12, RollButtonGap = 8, RollButtonWidth = 100;
constexpr QRect RollAllBtnRect{620, RollRowTop + 4 * RollRowStep, 132, RollRowHeight};

// The splash: its place relative to the grid, and its texts.
constexpr int SplashInsetLeft = 6, SplashInsetTop = 24, SplashShrinkWidth = 12, SplashShrinkHeight = 30;
constexpr int SplashFrameWidth = 10;
constexpr const char* SplashFont = "Arial";
struct SplashLine {
  const char* Text;
  int Height;
  int Top;
};
constexpr std::array<SplashLine, 3> SplashLines = {{
    {"QRL Ed", 80, 40},
    {"A Morvain Qarlmoor", 30, 150},
    {"Scenario & Saved Game Editor", 30, 190},
}};

// The signs between the first five edits of a roll row: base + d x s - d1 x s1.
constexpr std::array<const char*, 4> RollSigns = {"+", "x", "-", "x"};

// The menu bar in order. No caption: a separator. No handler: the command
// is not built yet and its item stays disabled.
struct MenuEntry {
  const char* Menu;
  const char* Caption;
  const char* Name;
  void (TForm1::*Handler)();
};
const std::array<MenuEntry, 32> MenuTable = {{
    {"Files", "Load QRL Scen/Save File", "LoadQRLSave1", &TForm1::LoadQRLSave1Click},
    {"Files", "Save QRL Scen/Save File", "SaveQRLSaveScn1", &TForm1::SaveQRLSaveScn1Click},
    {"Files", nullptr, nullptr, nullptr},
    {"Files", "Save Map File", "SaveMapFile1", &TForm1::SaveMapFile1Click},
    {"Files", nullptr, nullptr, nullptr},
    {"Files", "Load Comment File", "LoadCommentFile1", &TForm1::LoadCommentFile1Click},
    {"Files", "Save Comment File", "SaveCommentFile1", &TForm1::SaveCommentFile1Click},
    {"Files", nullptr, nullptr, nullptr},
    {"Files", "Locate OOB Files", "LocateMOBFiles1", &TForm1::LocateMOBFiles1Click},
    {"Files", nullptr, nullptr, nullptr},
    {"Files", "Paste CSV Unit File", "LoadCSVUnitFile1", &TForm1::LoadCSVUnitFile1Click},
    {"Files", "Save CSV Unit File", "SaveCSVUnitFile1", &TForm1::SaveCSVUnitFile1Click},
    {"Files", nullptr, nullptr, nullptr},
    {"Files", "Exit QrlEd", "ExitQrlEd1", &TForm1::ExitQrlEd1Click},
    {"Tools", "Edit Unit Data", "EditUnitData1", &TForm1::AmmoBtnClick},
    {"Tools", "Edit Game Data", "EditGameData1", &TForm1::EditGameData1Click},
    {"Tools", "Position/Property Editor", "Position1", &TForm1::Position1Click},
    {"Tools", nullptr, nullptr, nullptr},
    {"Tools", "Load Country Data", "LoadCountryData1", &TForm1::LoadCountryData1Click},
    {"Tools", "Select Country Data", "SelectCountryData1", &TForm1::SelectCountryData1Click},
    {"Tools", nullptr, nullptr, nullptr},
    {"Tools", "Edit Comment File", "EditCommentFile1", &TForm1::EditCommentFile1Click},
    {"Tools", nullptr, nullptr, nullptr},
    {"Tools", "View Battle Summary", "ViewBattleSummary1", &TForm1::ViewBattleSummary1Click},
    {"Tools", nullptr, nullptr, nullptr},
    {"Tools", "Dump File", "DumpFile1", &TForm1::DumpFile1Click},
    {"Tools", "Hex Editor", "HexEditor1", &TForm1::HexEditor1Click},
    {"Tools", nullptr, nullptr, nullptr},
    {"Tools", "Print Info", "PrintInfoAs1", &TForm1::PrintInfoAs1Click},
    {"Tools", "Print Ammo", "PrintAmmo1", &TForm1::AmmoBtnClick},
    {"Help", "About", "About1", &TForm1::About1Click},
    {"Help", "Help", "Help1", &TForm1::Help1Click},
}};

// The roll buttons' handlers, in the order of scen::RollRows.
constexpr std::array<void (TForm1::*)(), scen::RollCount> RollHandlers = {
    &TForm1::ExpBtnClick, &TForm1::MorBtnClick, &TForm1::RalBtnClick, &TForm1::Sk1RollBtnClick,
    &TForm1::Sk2RollBtnClick};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }
QString ViewText(std::string_view text) { return scen::TableText(text); }

// Shows a modeless window of the program and makes it the active one.
void ShowWindow(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}

// Keeps a flag set for as long as a scope runs, whatever way it is left.
class FlagWhile {
 public:
  explicit FlagWhile(bool& flag) : Flag(flag) { Flag = true; }
  ~FlagWhile() { Flag = false; }
  FlagWhile(const FlagWhile&) = delete;
  FlagWhile& operator=(const FlagWhile&) = delete;

 private:
  bool& Flag;
};

}  // namespace

TForm1::TForm1(scen::EditorSession& session, scen::DiceTable& dice, const QrlEdStartUp& startUp)
    : QMainWindow(nullptr), FormBase(this), Session(session), Dice(dice) {
  setWindowTitle(MainCaption);
  forms::NameControl(this, "Form1", MainCaption);
  resize(WindowWidth, WindowHeight);
  auto* central = new QWidget(this);
  central->setObjectName("Form1Client");
  setCentralWidget(central);
  central->installEventFilter(this);
  BuildGridArea(central);
  BuildRollControls(central);
  BuildMenu();
  forms::RunHandler(this, [&] { FormCreate(startUp); });
}

void TForm1::BuildGridArea(QWidget* central) {
  FileLbl = new QLabel(ViewText(scen::InitialFileLabel), central);
  FileLbl->setObjectName("FileLbl");
  FileLbl->setGeometry(FileLblRect);

  InfoStringGrid = new forms::StringGrid(central);
  forms::NameControl(InfoStringGrid, "InfoStringGrid");
  InfoStringGrid->setGeometry(GridRect);
  InfoStringGrid->SetColCount(scen::GridColumnCount);
  InfoStringGrid->SetDefaultColWidth(scen::DefaultGridColumnWidth);
  InfoStringGrid->SetFixedRows(0);
  InfoStringGrid->SetFixedCols(0);
  InfoStringGrid->SetRowCount(1);
  InfoStringGrid->SetEditable(true);
  InfoStringGrid->SetAlwaysShowEditor(true);
  InfoStringGrid->SetRangeSelect(true);
  InfoStringGrid->OnSelectCell = [this](int col, int row, bool& canSelect) {
    InfoStringGridSelectCell(col, row, canSelect);
  };

  OpenImage = new QLabel(central);
  forms::NameControl(OpenImage, "OpenImage");  // an image, not a label
  OpenImage->setScaledContents(true);
  OpenImage->hide();
  OpenImage->installEventFilter(this);

  SideRG = new QGroupBox("Side", central);
  forms::NameControl(SideRG, "SideRG", SideRG->title());
  SideRG->setGeometry(SideRGRect);
  SideGroup = new QButtonGroup(SideRG);
  for (int side = 0; side < scen::SideCount; ++side) {
    // The items' captions become the nation names: their accessible names follow them.
    auto* button = new QRadioButton(QString("Side %1").arg(side), SideRG);
    button->setGeometry(SideButtonLeft, SideButtonTop + side * SideButtonStep, SideButtonWidth, RollRowHeight);
    SideGroup->addButton(button, side);
    SideButtons[size_t(side)] = button;
  }
  SideButtons[FirstSide]->setChecked(true);
  // Only a change of side is a click of the selector; the program's own
  // changes are made with the group's signals blocked.
  forms::Connect(SideGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
    if (checked) SideRGClick();
  });

  AmmoBtn = new QPushButton("Unit Data", central);
  forms::NameControl(AmmoBtn, "AmmoBtn", AmmoBtn->text());
  AmmoBtn->setGeometry(AmmoBtnRect);
  forms::Connect(AmmoBtn, &QPushButton::clicked, this, [this] { AmmoBtnClick(); });
}

void TForm1::BuildRollControls(QWidget* central) {
  // Base, d, s, d1, s1 with the signs between them, then Min and Max a little apart.
  std::array<int, scen::RollValueCount> editLeft{};
  for (int k = 0, x = RollEditLeft; k < scen::RollValueCount; ++k) {
    editLeft[size_t(k)] = x;
    const bool signFollows = k < int(RollSigns.size());
    x += RollEditWidth + (signFollows ? RollSignWidth : RollLimitGap / 2);
    if (k == int(RollSigns.size())) x += RollLimitGap;
  }
  const int buttonLeft = editLeft.back() + RollEditWidth + RollButtonGap;

  for (int k = 0; k < scen::RollValueCount; ++k) {
    auto* caption = new QLabel(ViewText(scen::RollValueCaptions[size_t(k)]), central);
    caption->setGeometry(editLeft[size_t(k)], RollCaptionTop, RollEditWidth, RollRowHeight - 4);
  }
  for (int j = 0; j < scen::RollCount; ++j) {
    const int top = RollRowTop + j * RollRowStep;
    const scen::RollRowSpec& rowControls = scen::RollRows[size_t(j)];
    auto* label = new QLabel(ViewText(rowControls.Label), central);
    label->setGeometry(Margin, top, RollLabelWidth, RollRowHeight);
    for (int k = 0; k < scen::RollValueCount; ++k) {
      auto* edit = new QLineEdit(ViewText(scen::RollEditInitialTexts[size_t(j)][size_t(k)]), central);
      forms::NameControl(edit, ViewText(scen::RollEditNames[size_t(j)][size_t(k)]));
      edit->setGeometry(editLeft[size_t(k)], top, RollEditWidth, RollRowHeight);
      RollEdit[size_t(j)][size_t(k)] = edit;
      if (k < int(RollSigns.size())) {
        auto* sign = new QLabel(RollSigns[size_t(k)], central);
        sign->setAlignment(Qt::AlignCenter);
        sign->setGeometry(editLeft[size_t(k)] + RollEditWidth, top, RollSignWidth, RollRowHeight);
      }
    }
    auto* button = new QPushButton(ViewText(rowControls.ButtonCaption), central);
    forms::NameControl(button, ViewText(rowControls.ButtonName), button->text());
    button->setGeometry(buttonLeft, top, RollButtonWidth, RollRowHeight);
    forms::Connect(button, &QPushButton::clicked, this, [this, handler = RollHandlers[size_t(j)]] { (this->*handler)(); });
    RollBtn[size_t(j)] = button;
  }
  RollAllBtn = new QPushButton(ViewText(scen::RollAllButtonCaption), central);
  forms::NameControl(RollAllBtn, ViewText(scen::RollAllButtonName), RollAllBtn->text());
  RollAllBtn->setGeometry(RollAllBtnRect);
  forms::Connect(RollAllBtn, &QPushButton::clicked, this, [this] { RollAllBtnClick(); });
}

void TForm1::BuildMenu() {
  MainMenu1 = menuBar();
  forms::NameControl(MainMenu1, "MainMenu1");
  QMenu* menu = nullptr;
  for (const MenuEntry& entry : MenuTable) {
    if (!menu || menu->title() != entry.Menu) menu = MainMenu1->addMenu(entry.Menu);
    if (!entry.Caption) {
      menu->addSeparator();
      continue;
    }
    QAction* item = menu->addAction(entry.Caption);
    item->setObjectName(entry.Name);
    item->setEnabled(entry.Handler != nullptr);
    if (entry.Handler) forms::Connect(item, &QAction::triggered, this, [this, handler = entry.Handler] { (this->*handler)(); });
  }
}

void TForm1::PullGridCells() { ReadCells(*InfoStringGrid, Session.Grid.Cells); }

void TForm1::PushGridCells() { ShowCells(Session.Grid.Cells, *InfoStringGrid); }

template <class CoreCall>
void TForm1::WithGridCells(CoreCall call) {
  PullGridCells();
  try {
    call();
  } catch (...) {
    PushGridCells();
    throw;
  }
  PushGridCells();
}

scen::RollEdits TForm1::ReadRollEdits() const {
  scen::RollEdits edits;
  for (size_t j = 0; j < RollEdit.size(); ++j)
    for (size_t k = 0; k < RollEdit[j].size(); ++k) edits.Text[j][k] = RollEdit[j][k]->text();
  return edits;
}

void TForm1::WriteRollEdits(const scen::RollEdits& edits) {
  for (size_t j = 0; j < RollEdit.size(); ++j)
    for (size_t k = 0; k < RollEdit[j].size(); ++k) RollEdit[j][k]->setText(edits.Text[j][k]);
}

int TForm1::SideIndex() const { return SideGroup->checkedId(); }

void TForm1::SetSideIndex(int side) {
  if (side < 0 || side >= scen::SideCount) return;
  QSignalBlocker quiet(SideGroup);
  SideButtons[size_t(side)]->setChecked(true);
}

void TForm1::ShowSideNames() {
  if (Session.Grid.FilledSide == scen::NoSide) return;
  for (size_t side = 0; side < SideButtons.size(); ++side) SideButtons[side]->setText(Session.Grid.SideName[side]);
}

void TForm1::ShowLoadedFile() { FileLbl->setText(Utf8(Session.Document.FileLabel)); }

void TForm1::ShowBox(const scen::BoxMessage& box) { forms::ShowMessage(this, Utf8(box.Text), Utf8(box.Caption)); }

void TForm1::ShowGrid() {
  if (!InfoStringGrid->isHidden()) return;
  InfoStringGrid->show();
  OpenImage->hide();
}

void TForm1::FormCreate(const QrlEdStartUp& startUp) {
  scen::SetUpFolders(Session.Document, startUp.ProgramPath);
  CommandLineFile = startUp.CommandLineFile;
  if (!CommandLineFile || !scen::IsCurrentGameFile(*CommandLineFile)) return;
  FlagWhile fromCommandLine(Session.Document.OpenedFromCommandLine);
  LoadQRLSave1Click();
}

void TForm1::FormActivate() {
  if (!FirstActivation) return;
  FirstActivation = false;
  PaintSplash();
}

void TForm1::PaintSplash() {
  InfoStringGrid->hide();
  const QRect grid = InfoStringGrid->geometry();
  OpenImage->setGeometry(grid.left() + SplashInsetLeft, grid.top() + SplashInsetTop, grid.width() - SplashShrinkWidth,
                         grid.height() - SplashShrinkHeight);
  const int width = OpenImage->width(), height = OpenImage->height();
  QImage splash(width, height, QImage::Format_RGB32);
  splash.fill(Qt::black);
  {
    QPainter painter(&splash);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::black);
    painter.setPen(QPen(Qt::blue, SplashFrameWidth));
    painter.drawRect(0, 0, width, height);
    QFont font(SplashFont);
    painter.setPen(Qt::red);
    for (const SplashLine& line : SplashLines) {
      font.setPixelSize(line.Height);
      painter.setFont(font);
      const QFontMetrics metrics(font);
      const int textWidth = metrics.horizontalAdvance(line.Text);
      const QRect box((width - textWidth) / 2, line.Top, textWidth, metrics.height());
      painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, line.Text);
    }
  }
  OpenImage->setPixmap(QPixmap::fromImage(splash));
  OpenImage->show();
  OpenImage->raise();
}

void TForm1::FormClick() { ShowGrid(); }

void TForm1::OpenImageClick() {
  InfoStringGrid->show();
  OpenImage->hide();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::MouseButtonPress;
  const bool release = event->type() == QEvent::MouseButtonRelease;
  if (!press && !release) return QMainWindow::eventFilter(watched, event);
  auto* mouse = static_cast<QMouseEvent*>(event);
  auto* widget = static_cast<QWidget*>(watched);
  const bool leftClick =
      release && mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint());
  if (watched == OpenImage) {
    if (leftClick) forms::RunHandler(this, [this] { OpenImageClick(); });
    return true;  // the picture takes its clicks; the form behind it does not see them
  }
  if (watched == centralWidget() && leftClick && !centralWidget()->childAt(mouse->position().toPoint()))
    forms::RunHandler(this, [this] { FormClick(); });
  return QMainWindow::eventFilter(watched, event);
}

std::optional<std::string> TForm1::ChooseFileToLoad() {
  if (Session.Document.OpenedFromCommandLine) return CommandLineFile;
  if (!Peers.FileForm) return std::nullopt;
  TFileForm& fileForm = *Peers.FileForm;
  fileForm.SetMask(scen::FileDialogs::OpenMask);
  fileForm.setWindowTitle(ViewText(scen::FileDialogs::OpenCaption));
  fileForm.SetFolder(Session.Document.SaveDir);
  if (fileForm.ShowModal() != TFileForm::OkResult) return std::nullopt;
  return fileForm.ChosenFile();
}

void TForm1::LoadQRLSave1Click() {
  SetSideIndex(FirstSide);
  ShowGrid();
  const std::optional<std::string> path = ChooseFileToLoad();
  if (path && !Session.Document.OpenedFromCommandLine && Peers.AmmoForm) Peers.AmmoForm->close();
  const scen::LoadOutcome outcome = scen::ReadGameForLoad(Session, path);
  if (path)
    for (int col = 0; col < scen::GridColumnCount; ++col) InfoStringGrid->SetColWidth(col, scen::GridColumnWidth(col));
  ShowLoadedFile();
  // The reading's boxes come while the grid still shows what it showed.
  for (const scen::BoxMessage& box : outcome.Boxes) ShowBox(box);
  const std::vector<scen::BoxMessage> weaponNameBoxes = scen::FillGridAfterLoad(Session);
  PushGridCells();
  ShowSideNames();
  for (const scen::BoxMessage& box : weaponNameBoxes) ShowBox(box);
  // A protected file ends the program once its load has finished.
  if (outcome.Protected) close();
}

bool TForm1::PrepareSaveDialog(const char* title, const QString& fileName) {
  SaveDialog1.SetFilter(ViewText(scen::FileDialogs::SaveFilter));
  SaveDialog1.SetTitle(title);
  SaveDialog1.SetDefaultExt(ViewText(scen::FileDialogs::SaveDefaultExtension));
  SaveDialog1.SetInitialDir(PathText(Session.Document.SaveDir));
  SaveDialog1.SetFileName(fileName);
  return SaveDialog1.Execute();
}

void TForm1::SaveQRLSaveScn1Click() {
  PullGridCells();
  if (auto refusal = scen::PrepareWholeFileSave(Session)) return ShowBox(*refusal);
  if (!PrepareSaveDialog(scen::FileDialogs::SaveScenarioTitle.data(), PathText(Session.Document.CurrentFile))) return;
  forms::TWaitCursor wait;
  if (auto failure = scen::SaveWholeFile(Session.Document, PathBytes(SaveDialog1.FileName()))) return ShowBox(*failure);
  ShowLoadedFile();
}

void TForm1::SaveMapFile1Click() {
  if (auto refusal = scen::MapOnlySaveRefusal(Session.Document)) return ShowBox(*refusal);
  if (!PrepareSaveDialog(scen::FileDialogs::SaveMapTitle.data(), ViewText(scen::FileDialogs::MapFileName))) return;
  forms::TWaitCursor wait;
  if (auto failure = scen::SaveMapOnlyFile(Session.Document, PathBytes(SaveDialog1.FileName()))) ShowBox(*failure);
}

void TForm1::ExitQrlEd1Click() { close(); }

void TForm1::LocateMOBFiles1Click() {
  OpenDialog1.SetTitle(OobFilesTitle);
  OpenDialog1.SetFilter(OobFilesFilter);
  OpenDialog1.SetInitialDir(PathText(Session.Document.OobDir));
  if (!OpenDialog1.Execute()) return;
  // The names are read again only at the next load.
  Session.Document.OobDir = FolderOf(PathBytes(OpenDialog1.FileName()));
}

void TForm1::AmmoBtnClick() {
  if (!Peers.AmmoForm) return;
  Peers.AmmoForm->show();
  Peers.AmmoForm->raise();
  Peers.AmmoForm->activateWindow();
}

void TForm1::LoadCountryData1Click() {
  ShowGrid();
  OpenDialog1.SetTitle(CountryDataTitle);
  OpenDialog1.SetFilter(CountryDataFilter);
  OpenDialog1.SetInitialDir(PathText(Session.Document.ProgramDir));
  if (!OpenDialog1.Execute()) return;
  const scen::DiceLoadOutcome outcome = scen::LoadDiceStatFile(PathBytes(OpenDialog1.FileName()), Dice);
  if (outcome.Box) forms::ShowMessage(this, outcome.Box->Text, outcome.Box->Caption);
  const bool replaced = outcome.Status == scen::DiceLoadStatus::Loaded || outcome.Status == scen::DiceLoadStatus::Truncated;
  if (replaced && Peers.DiceStatForm) Peers.DiceStatForm->ClearDescriptions();
}

void TForm1::SelectCountryData1Click() {
  if (!Peers.DiceStatForm) return;
  Peers.DiceStatForm->show();
  Peers.DiceStatForm->raise();
  Peers.DiceStatForm->activateWindow();
}

void TForm1::EditGameData1Click() { ShowWindow(Peers.TurnsForm); }

void TForm1::Position1Click() { ShowWindow(Peers.PositionForm); }

void TForm1::ViewBattleSummary1Click() { ShowWindow(Peers.SummaryForm); }

void TForm1::DumpFile1Click() {
  ShowWindow(Peers.DumpForm);
}

void TForm1::HexEditor1Click() {
  ShowWindow(Peers.HexForm);
}

void TForm1::About1Click() {
  forms::ShowMessage(this, QString(AboutFirstLineFormat).arg(VersionText) + u'\n' + AboutSecondLine, AboutCaption);
}

void TForm1::Help1Click() {
  if (!QFileInfo::exists(HelpFile)) return forms::ShowMessage(this, QString(HelpMissingFormat).arg(HelpFile), HelpCaption);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFile)))
    forms::ShowMessage(this, QString(HelpNotOpenedFormat).arg(HelpFile), HelpCaption);
}

void TForm1::FillUnitGrid() {
  scen::FillUnitGrid(Session.Document.Slots, Session.Grid, SideIndex());
  PushGridCells();
  ShowSideNames();
}

void TForm1::SideRGClick() {
  const int side = SideIndex();
  Session.Document.Changes.Note();  // the rows are stored and refilled: record windows reload
  // The selector always names the side the rows on screen belong to: a store
  // that fails on a bad cell leaves the old side's rows, so it goes back too.
  auto showFilledSide = [this] {
    SetSideIndex(Session.Grid.FilledSide);
    ShowSideNames();
  };
  try {
    WithGridCells([&] { scen::SwitchSide(Session.Document.Slots, Session.Grid, side); });
  } catch (...) {
    showFilledSide();
    throw;
  }
  showFilledSide();
}

void TForm1::InfoStringGridSelectCell(int, int row, bool&) {
  scen::SelectGridRow(Session.Document.Slots, Session.Grid, row);
  // The visible unit data window follows the selection when it names another unit.
  if (Peers.AmmoForm && Peers.AmmoForm->isVisible()) Peers.AmmoForm->FormActivate();
}

void TForm1::Roll(RollKind roll) {
  RollFailed = true;
  const scen::RollEdits edits = ReadRollEdits();
  scen::RollOutcome outcome = scen::RollOutcome::Rolled;
  WithGridCells([&] {
    outcome = scen::RunRoll(roll, edits,
                            scen::RollTarget{Session.Grid.Cells, SideIndex(), Session.Grid.LeaderClass, Session.Random});
  });
  if (outcome == scen::RollOutcome::TooManyDice)
    return forms::ShowMessage(this, ViewText(scen::TooManyDiceText), ViewText(scen::TooManyDiceCaption));
  RollFailed = false;
}

void TForm1::ExpBtnClick() { Roll(RollKind::Exp); }
void TForm1::MorBtnClick() { Roll(RollKind::Mor); }
void TForm1::RalBtnClick() { Roll(RollKind::Ral); }
void TForm1::Sk1RollBtnClick() { Roll(RollKind::Sk1); }
void TForm1::Sk2RollBtnClick() { Roll(RollKind::Sk2); }

void TForm1::RollAllBtnClick() {
  // Each button is clicked as the user would; its handler shows its own
  // failure, and the rolls after it do not run.
  for (QPushButton* button : RollBtn) {
    RollFailed = true;
    button->click();
    if (RollFailed) return;
  }
}

}  // namespace qrl::scenui
