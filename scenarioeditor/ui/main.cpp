// QrlEd, the scenario and saved-game editor for KXQRL game files.
#include <QApplication>

#include "forms/program.h"
#include "scenarioeditor/core/dicedata.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/ui/qrledprogram.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The document and the dice data live for the whole run; the windows get them by reference.
  qrl::scen::EditorSession session;
  qrl::scen::DiceTable dice;
  return qrl::forms::RunProgram([&](qrl::forms::Program& program) {
    qrl::scenui::BuildQrlEd(program, session, dice, qrl::scenui::StartUpOfThisProcess());
  });
}
