#pragma once
// A menu item with a check mark whose state the program keeps. A checkable
// QAction inverts its own mark before it reports a trigger; CheckItem puts the
// mark back to the program's state first and lets the handler decide the new
// state (e.g. SetChecked(!Checked())), so one trigger changes the state at
// most once, whatever the handler does.
#include <QAction>
#include <functional>

class QWidget;

namespace qrl::forms {

class CheckItem {
 public:
  // Makes `action` checkable and unchecked. The action is not owned and must
  // not be checked through any path but this object.
  explicit CheckItem(QAction* action);
  CheckItem(const CheckItem&) = delete;
  CheckItem& operator=(const CheckItem&) = delete;

  bool Checked() const { return State; }
  // Sets the state and the mark; runs no handler.
  void SetChecked(bool on);

  // `handler` runs (through RunHandler, owner `owner`) at every trigger of
  // the item, with Checked() still the state before the trigger. `owner`
  // must live no longer than this object (it is the form holding both).
  void OnClick(QWidget* owner, std::function<void()> handler);

  QAction* Action() const { return Item; }

 private:
  QAction* Item;
  bool State = false;
};

}  // namespace qrl::forms
