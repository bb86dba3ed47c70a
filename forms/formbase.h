#pragma once
// What every window of the programs shares: the OnShow / OnActivate / OnClose
// hooks of the forms framework, with OnActivate meaning "this window became
// the active one among the program's own windows". Focus that merely comes
// back from a message box or a file dialog the window opened is no
// activation: those boxes are not program windows.
#include <QPointer>
#include <QWidget>
#include <memory>

namespace qrl::forms {

// Remembers which of the program's windows was active last. Only program
// windows (FormBase) report to it, so a box or dialog in between changes
// nothing.
class ActivationTracker {
 public:
  // `window` received QEvent::WindowActivate. True when that makes it the
  // program's active window, i.e. another program window (or none) was
  // active before; records it.
  bool Activated(const QWidget* window);
  // `window` was hidden or is going away: when it shows and activates again,
  // that counts.
  void Forget(const QWidget* window);
  const QWidget* Last() const { return LastActive; }

  // The tracker of the program's windows (FormBase's default).
  static ActivationTracker& Shared();

 private:
  const QWidget* LastActive = nullptr;
};

// Mixed into each form class next to its Qt base, which comes first:
//   class TMainForm : public QMainWindow, public qrl::forms::FormBase {
//     TMainForm() : QMainWindow(nullptr), FormBase(this) { ... }
// The Qt base is QWidget, QMainWindow, or QDialog for a modal window (its
// exec() shows and activates it like any window; done() hides it without a
// close event). The hooks run through the handler wrapper; each is public, so
// other windows and tests call them directly as the programs do.
class FormBase {
 public:
  // `window` is the form itself (a top-level widget), watched for its events
  // as long as this object lives.
  explicit FormBase(QWidget* window, ActivationTracker& tracker = ActivationTracker::Shared());
  virtual ~FormBase();
  FormBase(const FormBase&) = delete;
  FormBase& operator=(const FormBase&) = delete;

  // OnShow: each time the window goes from hidden to shown, before it is
  // activated.
  virtual void FormShow() {}
  // OnActivate: the window became the program's active window.
  virtual void FormActivate() {}
  // OnClose: the window is being closed (by its close box or close()); it is
  // hidden afterwards. Closing the main window ends the program.
  virtual void FormClose() {}

  QWidget* Window() const { return Self; }
  // The first window Program::CreateForm created.
  bool IsMainForm() const { return MainForm; }

  // Feeds one event of the window to the hooks, as the window's event filter
  // does; tests drive activation with it.
  void WatchEvent(const QEvent& event);

 private:
  QWidget* Self;
  ActivationTracker& Tracker;
  bool MainForm;
  std::unique_ptr<QObject> Watcher;  // event filter installed on Self
};

}  // namespace qrl::forms
