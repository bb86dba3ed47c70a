#include "forms/formbase.h"

#include <QEvent>

#include "forms/handlers.h"
#include "forms/program.h"

namespace qrl::forms {

namespace {

class FormWatcher : public QObject {
 public:
  explicit FormWatcher(FormBase& form) : Form(form) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == Form.Window()) Form.WatchEvent(*event);
    return false;
  }

 private:
  FormBase& Form;
};

}  // namespace

bool ActivationTracker::Activated(const QWidget* window) {
  bool changed = LastActive != window;
  LastActive = window;
  return changed;
}

void ActivationTracker::Forget(const QWidget* window) {
  if (LastActive == window) LastActive = nullptr;
}

ActivationTracker& ActivationTracker::Shared() {
  static ActivationTracker tracker;
  return tracker;
}

FormBase::FormBase(QWidget* window, ActivationTracker& tracker)
    : Self(window), Tracker(tracker), MainForm(Program::TakeMainRole()), Watcher(std::make_unique<FormWatcher>(*this)) {
  Self->installEventFilter(Watcher.get());
}

FormBase::~FormBase() {
  Tracker.Forget(Self);
  Self->removeEventFilter(Watcher.get());
}

void FormBase::WatchEvent(const QEvent& event) {
  switch (event.type()) {
    case QEvent::Show:
      // A spontaneous show is the window coming back from being minimised.
      if (!event.spontaneous()) RunHandler(Self, [this] { FormShow(); });
      break;
    case QEvent::Hide:
      if (!event.spontaneous()) Tracker.Forget(Self);
      break;
    case QEvent::WindowActivate:
      // The window system may still report a window it was about to activate
      // after the window hid itself again; only a shown window is active.
      if (Self->isVisible() && Tracker.Activated(Self)) RunHandler(Self, [this] { FormActivate(); });
      break;
    case QEvent::Close:
      RunHandler(Self, [this] { FormClose(); });
      if (MainForm) Program::MainFormClosed();
      break;
    default:
      break;
  }
}

}  // namespace qrl::forms
