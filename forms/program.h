#pragma once
// Start-up and run of a program: the windows are created once, in the
// program's order, live to the end of the run, and closing the main window
// (the first one created) ends the program even while others are shown.
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "forms/formbase.h"

namespace qrl::forms {

class Program {
 public:
  Program() = default;
  ~Program();  // destroys the windows in the reverse order of their creation
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // The application's title: the caption of the default exception box and
  // the program's name on the desktop.
  void SetTitle(const QString& title);

  // Constructs a window with `args` and keeps it for the whole run; the
  // first one is the main window. The reference stays valid until the
  // Program is gone.
  template <class Form, class... Args>
  Form& CreateForm(Args&&... args) {
    static_assert(std::is_base_of_v<QWidget, Form> && std::is_base_of_v<FormBase, Form>);
    MainRoleGuard guard(Forms.empty());
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    Form& created = *form;
    Forms.push_back(std::move(form));
    return created;
  }

  QWidget* MainForm() const { return Forms.empty() ? nullptr : Forms.front().get(); }
  bool MainFormWasClosed() const { return MainClosed; }

  // For FormBase: whether the window being constructed is the main window.
  static bool TakeMainRole();
  // For FormBase: the main window is closing: the run ends (at once when the
  // loop has not started yet, else when the current handler returns).
  static void MainFormClosed();

 private:
  friend int RunProgram(const std::function<void(Program&)>& build);
  struct MainRoleGuard {
    explicit MainRoleGuard(bool isMain);
    ~MainRoleGuard();
  };

  std::vector<std::unique_ptr<QWidget>> Forms;
  bool MainClosed = false;
  bool InLoop = false;
};

// Runs a program on the QApplication that main() made: `build` sets the
// title and creates the windows; then the main window is shown and the event
// loop runs until the main window closes. An exception that escapes `build`
// or the loop is shown in the default exception box. The result is 0 in every
// case.
int RunProgram(const std::function<void(Program&)>& build);

}  // namespace qrl::forms
