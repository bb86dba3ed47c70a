#include "forms/program.h"

#include <QApplication>
#include <exception>

#include "forms/messages.h"

namespace qrl::forms {

namespace {

Program* RunningProgram = nullptr;
bool NextFormIsMain = false;

}  // namespace

Program::~Program() {
  while (!Forms.empty()) Forms.pop_back();
}

void Program::SetTitle(const QString& title) { QCoreApplication::setApplicationName(title); }

Program::MainRoleGuard::MainRoleGuard(bool isMain) { NextFormIsMain = isMain; }

Program::MainRoleGuard::~MainRoleGuard() { NextFormIsMain = false; }

bool Program::TakeMainRole() { return std::exchange(NextFormIsMain, false); }

void Program::MainFormClosed() {
  if (!RunningProgram) return;
  RunningProgram->MainClosed = true;
  // Outside the loop quit() would make every later event loop (modal boxes
  // included) return at once; RunProgram does not start the loop instead.
  if (RunningProgram->InLoop) QCoreApplication::quit();
}

int RunProgram(const std::function<void(Program&)>& build) {
  Program program;
  Program* outer = std::exchange(RunningProgram, &program);
  try {
    build(program);
    if (QWidget* main = program.MainForm(); main && !program.MainClosed) {
      main->show();
      if (!program.MainClosed) {
        program.InLoop = true;
        QApplication::exec();
      }
    }
  } catch (const std::exception& e) {
    ShowExceptionBox(nullptr, QString::fromUtf8(e.what()));
  } catch (...) {
    ShowExceptionBox(nullptr, QStringLiteral("Unknown exception"));
  }
  program.InLoop = false;
  RunningProgram = outer;
  return 0;
}

}  // namespace qrl::forms
