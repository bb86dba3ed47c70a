#pragma once
// The framework's list box OnClick over a QListWidget.
#include <QWidget>
#include <functional>

class QListWidget;

namespace qrl::forms {

// Runs `handler` (through RunHandler, owner `receiver`) as the framework's
// list box OnClick: whenever the selected item changes, by mouse, keyboard
// or the program, and also when a click lands on the item that is selected
// already (QListWidget reports no change then). One click runs it once.
void ConnectListBoxClick(QListWidget* list, QWidget* receiver, std::function<void()> handler);

}  // namespace qrl::forms
