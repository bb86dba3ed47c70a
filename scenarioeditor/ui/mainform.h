#pragma once
// QrlEd's main window: the unit grid of the shown side, the side selector,
// the dice-roll controls, the menus and the splash picture. The document,
// the grid's state and the random source live in the EditorSession main
// owns; the grid on screen is only the view of the session's CellTable
// (PullGridCells / PushGridCells copy between the two).
#include <QMainWindow>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/dicedata.h"
#include "scenarioeditor/core/dicerolls.h"
#include "scenarioeditor/core/editorsession.h"

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace qrl::scenui {

class TAmmoForm;
class TCommentForm;
class TDiceStatForm;
class TDumpForm;
class TFileForm;
class TPositionForm;
class TSummaryForm;
class TTurnsForm;
class THexForm;

inline constexpr const char* VersionText = "0.050b";

// What the start-up takes from the process.
struct QrlEdStartUp {
  std::string ProgramPath;                     // the program's own file; its folder is ProgramDir
  std::optional<std::string> CommandLineFile;  // the first program argument, if any
};

// The windows the main window opens or calls. They are created after it (its
// creation runs a command-line load before they exist), so they are handed
// over once they are; null until then.
struct MainFormPeers {
  TFileForm* FileForm = nullptr;
  TDiceStatForm* DiceStatForm = nullptr;
  TAmmoForm* AmmoForm = nullptr;
  TPositionForm* PositionForm = nullptr;
  TSummaryForm* SummaryForm = nullptr;
  TTurnsForm* TurnsForm = nullptr;
  TDumpForm* DumpForm = nullptr;
  THexForm* HexForm = nullptr;
  TCommentForm* CommentForm = nullptr;
};

class TForm1 : public QMainWindow, public forms::FormBase {
 public:
  // Builds the controls, then runs FormCreate (folders, command-line load).
  // session and dice outlive the window.
  TForm1(scen::EditorSession& session, scen::DiceTable& dice, const QrlEdStartUp& startUp);

  void SetPeers(const MainFormPeers& peers) { Peers = peers; }
  // The help page Help opens.
  void SetHelpFile(const QString& path) { HelpFile = path; }

  // The cell table of the session into the grid on screen, and back. Every
  // handler pulls before a core call that reads cells and pushes after one
  // that changes them; nothing else copies cells.
  void PullGridCells();
  void PushGridCells();

  // The 35 roll edits' texts, and setting them (the Country Stats window's "Set").
  scen::RollEdits ReadRollEdits() const;
  void WriteRollEdits(const scen::RollEdits& edits);

  // The shown side: the side selector's item index.
  int SideIndex() const;

  // The grid refilled from the records for the shown side, after another
  // window changed the image (the dump loads).
  void FillUnitGrid();

  void FormCreate(const QrlEdStartUp& startUp);
  void FormActivate() override;
  void FormClick();
  void OpenImageClick();

  void LoadQRLSave1Click();
  void SaveQRLSaveScn1Click();
  void SaveMapFile1Click();
  void ExitQrlEd1Click();
  void LocateMOBFiles1Click();
  void AmmoBtnClick();
  // Comment files, CSV unit files and the info table (mainformexchange.cpp).
  void LoadCommentFile1Click();
  void SaveCommentFile1Click();
  void EditCommentFile1Click();
  void SaveCSVUnitFile1Click();
  void LoadCSVUnitFile1Click();
  void PrintInfoAs1Click();
  void LoadCountryData1Click();
  void SelectCountryData1Click();
  void EditGameData1Click();
  void Position1Click();
  void ViewBattleSummary1Click();
  void DumpFile1Click();
  void HexEditor1Click();
  void About1Click();
  void Help1Click();

  void SideRGClick();
  void InfoStringGridSelectCell(int col, int row, bool& canSelect);

  void ExpBtnClick();
  void MorBtnClick();
  void RalBtnClick();
  void Sk1RollBtnClick();
  void Sk2RollBtnClick();
  void RollAllBtnClick();

  forms::StringGrid* InfoStringGrid;
  QGroupBox* SideRG;
  std::array<QRadioButton*, scen::SideCount> SideButtons;
  QLabel* FileLbl;
  QLabel* OpenImage;
  QPushButton* AmmoBtn;
  // RollEdit[roll][value], named as scen::RollEditNames; RollBtn[roll] as scen::RollRows.
  std::array<std::array<QLineEdit*, scen::RollValueCount>, scen::RollCount> RollEdit;
  std::array<QPushButton*, scen::RollCount> RollBtn;
  QPushButton* RollAllBtn;
  QMenuBar* MainMenu1;  // its items are named after their components ("LoadQRLSave1", ...)
  forms::OpenDialog OpenDialog1{this};
  forms::SaveDialog SaveDialog1{this};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildGridArea(QWidget* central);
  void BuildRollControls(QWidget* central);
  void BuildMenu();
  void PaintSplash();
  void ShowGrid();
  void SetSideIndex(int side);
  void ShowSideNames();
  void ShowLoadedFile();
  void ShowBox(const scen::BoxMessage& box);
  std::optional<std::string> ChooseFileToLoad();
  bool PrepareSaveDialog(const char* title, const QString& fileName);
  void Roll(scen::RollKind roll);
  // Runs a core call on the session's cells: pulls first, pushes afterwards,
  // also when the call throws (rows it wrote before stay shown).
  template <class CoreCall>
  void WithGridCells(CoreCall call);

  scen::EditorSession& Session;
  scen::DiceTable& Dice;
  MainFormPeers Peers;
  QString HelpFile;
  std::optional<std::string> CommandLineFile;
  QButtonGroup* SideGroup;
  bool FirstActivation = true;
  // A roll button's handler clears it when it ran to its end; Roll All stops
  // at the first roll that leaves it set.
  bool RollFailed = false;
};

}  // namespace qrl::scenui
