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
  QCoreApplication::quit();
}

int RunProgram(const std::function<void(Program&)>& build) {
  Program program;
  Program* outer = std::exchange(RunningProgram, &program);
  try {
    build(program);
    if (QWidget* main = program.MainForm(); main && !program.MainClosed) {
      main->show();
      if (!program.MainClosed) QApplication::exec();
    }
  } catch (const std::exception& e) {
    ShowExceptionBox(nullptr, QString::fromUtf8(e.what()));
  } catch (...) {
    ShowExceptionBox(nullptr, QStringLiteral("Unknown exception"));
  }
  RunningProgram = outer;
  return 0;
}

}  // namespace qrl::forms
