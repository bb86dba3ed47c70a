#pragma once
// The hourglass while a long operation runs: the constructor shows the wait
// cursor, the destructor puts back the cursor shown before. Guards nest.
#include <QGuiApplication>

namespace qrl::forms {

class TWaitCursor {
 public:
  TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace qrl::forms
