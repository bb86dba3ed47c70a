#include "forms/handlers.h"

#include <exception>

#include "forms/messages.h"

namespace qrl::forms {

bool RunHandler(QWidget* owner, const std::function<void()>& handler) {
  QWidget* parent = owner ? owner->window() : nullptr;
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    ShowExceptionBox(parent, QString::fromUtf8(e.what()));
  } catch (...) {
    ShowExceptionBox(parent, QStringLiteral("Unknown exception"));
  }
  return false;
}

}  // namespace qrl::forms
