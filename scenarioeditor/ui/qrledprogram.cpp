#include "scenarioeditor/ui/qrledprogram.h"

#include <QCoreApplication>
#include <QStringList>

#include "scenarioeditor/ui/ammoform.h"
#include "scenarioeditor/ui/pathtext.h"
#include "scenarioeditor/ui/commentform.h"
#include "scenarioeditor/ui/dicestatform.h"
#include "scenarioeditor/ui/dumpform.h"
#include "scenarioeditor/ui/fileform.h"
#include "scenarioeditor/ui/hexform.h"
#include "scenarioeditor/ui/positionform.h"
#include "scenarioeditor/ui/summaryform.h"
#include "scenarioeditor/ui/turnsform.h"
#include "scenarioeditor/ui/weaponsform.h"

namespace qrl::scenui {

QrlEdStartUp StartUpOfThisProcess() {
  QrlEdStartUp startUp{PathBytes(QCoreApplication::applicationFilePath()), std::nullopt};
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1) startUp.CommandLineFile = PathBytes(arguments[1]);
  return startUp;
}

QrlEdWindows BuildQrlEd(forms::Program& program, scen::EditorSession& session, scen::DiceTable& dice,
                        const QrlEdStartUp& startUp) {
  QrlEdWindows w;
  w.Form1 = &program.CreateForm<TForm1>(session, dice, startUp);
  w.Form1->SetHelpFile(PathText(session.Document.ProgramDir + std::string(HelpFileName)));
  w.WeaponsForm = &program.CreateForm<TWeaponsForm>(session);
  w.CommentForm = &program.CreateForm<TCommentForm>(session.Document);
  w.DiceStatForm = &program.CreateForm<TDiceStatForm>(dice, *w.Form1);
  w.FileForm = &program.CreateForm<TFileForm>();
  w.PositionForm = &program.CreateForm<TPositionForm>(session, *w.Form1);
  w.SummaryForm = &program.CreateForm<TSummaryForm>(session, *w.Form1);
  w.TurnsForm = &program.CreateForm<TTurnsForm>(session);
  w.AmmoForm = &program.CreateForm<TAmmoForm>(session, *w.Form1, *w.WeaponsForm);
  w.WeaponsForm->SetAmmoForm(w.AmmoForm);
  w.DumpForm = &program.CreateForm<TDumpForm>(session.Document, *w.Form1);
  w.HexForm = &program.CreateForm<THexForm>(session.Document);
  w.Form1->SetPeers(
      {w.FileForm, w.DiceStatForm, w.AmmoForm, w.PositionForm, w.SummaryForm, w.TurnsForm, w.DumpForm, w.HexForm,
       w.CommentForm});
  program.SetTitle(QString::fromLatin1(ProgramTitle.data(), qsizetype(ProgramTitle.size())));
  return w;
}

}  // namespace qrl::scenui
