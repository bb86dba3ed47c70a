#pragma once
// QrlEd's start-up: the eleven windows created once, in the program's order,
// the main window first (its creation runs a command-line load before the
// others exist), then the title. main() runs this through forms::RunProgram;
// tests run it too, with a start-up of their own.
#include <string_view>

#include "forms/program.h"
#include "scenarioeditor/core/dicedata.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/ui/mainform.h"

namespace qrl::scenui {

class TWeaponsForm;
class TCommentForm;
class TDiceStatForm;
class TFileForm;
class TPositionForm;
class TSummaryForm;
class TTurnsForm;
class TAmmoForm;
class TDumpForm;
class THexForm;

inline constexpr std::string_view ProgramTitle = "QrlEd";
// The help page, installed beside the program.
inline constexpr std::string_view HelpFileName = "QrlEd.html";

// The windows as the program created them; owned by the Program.
struct QrlEdWindows {
  TForm1* Form1 = nullptr;
  TWeaponsForm* WeaponsForm = nullptr;
  TCommentForm* CommentForm = nullptr;
  TDiceStatForm* DiceStatForm = nullptr;
  TFileForm* FileForm = nullptr;
  TPositionForm* PositionForm = nullptr;
  TSummaryForm* SummaryForm = nullptr;
  TTurnsForm* TurnsForm = nullptr;
  TAmmoForm* AmmoForm = nullptr;
  TDumpForm* DumpForm = nullptr;
  THexForm* HexForm = nullptr;
};

// The program's own path and first argument.
QrlEdStartUp StartUpOfThisProcess();

// Creates the windows into program and sets the title. session and dice
// outlive the program's windows.
QrlEdWindows BuildQrlEd(forms::Program& program, scen::EditorSession& session, scen::DiceTable& dice,
                        const QrlEdStartUp& startUp);

}  // namespace qrl::scenui
