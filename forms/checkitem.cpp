#include "forms/checkitem.h"

#include <QSignalBlocker>

#include "forms/handlers.h"

namespace qrl::forms {

CheckItem::CheckItem(QAction* action) : Item(action) {
  Item->setCheckable(true);
  SetChecked(false);
}

void CheckItem::SetChecked(bool on) {
  State = on;
  QSignalBlocker quiet(Item);
  Item->setChecked(on);
}

void CheckItem::OnClick(QWidget* owner, std::function<void()> handler) {
  QObject::connect(Item, &QAction::triggered, owner, [this, owner, handler = std::move(handler)] {
    SetChecked(State);  // undo the action's own toggle
    RunHandler(owner, handler);
  });
}

}  // namespace qrl::forms
