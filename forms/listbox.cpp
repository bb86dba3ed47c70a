#include "forms/listbox.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "forms/handlers.h"

namespace qrl::forms {

namespace {

// Remembers the selected row at each left press on the list, so that the
// click that follows can tell whether the press changed it.
class PressWatch : public QObject {
 public:
  explicit PressWatch(QListWidget* list) : QObject(list), List(list) { list->viewport()->installEventFilter(this); }
  int RowAtPress = -1;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
      RowAtPress = List->currentRow();
    return false;
  }

 private:
  QListWidget* List;
};

}  // namespace

void ConnectListBoxClick(QListWidget* list, QWidget* receiver, std::function<void()> handler) {
  auto* watch = new PressWatch(list);
  Connect(list, &QListWidget::currentRowChanged, receiver, handler);
  // Connected directly: the wrapper of Connect would also try the handler
  // without the signal's argument.
  QObject::connect(list, &QListWidget::clicked, receiver, [receiver, watch, handler](const QModelIndex& index) {
    // A click that changed the row has run the handler through the change.
    if (index.isValid() && index.row() == watch->RowAtPress) RunHandler(receiver, handler);
  });
}

}  // namespace qrl::forms
