#pragma once
// The order of a list box with sorted items: case-blind and by the user's
// locale, so that "Österreich" sorts with the names beginning with O. QtCore
// only, so the document libraries that prepare a list's items use it too.
#include <QString>

namespace qrl::forms {

inline bool ListBoxLess(const QString& a, const QString& b) {
  return a.toCaseFolded().localeAwareCompare(b.toCaseFolded()) < 0;
}

}  // namespace qrl::forms
