#pragma once
// Names by which tests and assistive clients (screen readers, AT-SPI) find a
// window's controls: the control's own name as objectName, and as accessible
// name the caption it shows (button, check box, radio item, window title) or,
// for a control without one (edit, grid, image, list), that same name.
#include <QString>
#include <QWidget>

namespace qrl::forms {

// `caption` empty: the control shows no caption of its own.
inline void NameControl(QWidget* control, const QString& name, const QString& caption = QString()) {
  control->setObjectName(name);
  control->setAccessibleName(caption.isEmpty() ? name : caption);
}

// For a window, or a control, whose caption the program changes while it
// runs (a title a load replaces, a button it relabels): objectName = name,
// and the accessible name is left to the caption shown, which Qt's
// accessibility reports for windows, buttons, check boxes, radio items and
// group boxes; so it follows every change of the caption.
inline void NameCaptionedControl(QWidget* control, const QString& name) {
  control->setObjectName(name);
  control->setAccessibleName(QString());
}

}  // namespace qrl::forms
