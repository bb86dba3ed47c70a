#include "forms/scrollbars.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

namespace qrl::forms {

void SetScrollMax(QScrollBar& bar, int maximum) {
  QSignalBlocker quiet(&bar);
  bar.setRange(0, std::max(0, maximum));
}

void SetScrollPosition(QScrollBar& bar, int position) {
  QSignalBlocker quiet(&bar);
  bar.setValue(position);
}

}  // namespace qrl::forms
