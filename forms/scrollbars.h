#pragma once
// Programmatic changes of a scroll bar that run none of its handlers: the
// bar's signals are blocked while the change is made. Ranges start at 0 and
// are never negative.
class QScrollBar;

namespace qrl::forms {

// Range [0, max(0, maximum)]; a position beyond it is clamped by the bar.
void SetScrollMax(QScrollBar& bar, int maximum);

// The position, clamped into the bar's range.
void SetScrollPosition(QScrollBar& bar, int position);

}  // namespace qrl::forms
