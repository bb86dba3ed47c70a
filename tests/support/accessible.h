#pragma once
// What an assistive client (a screen reader, an AT-SPI test) reads as the
// name of a window, control or menu item: Qt's accessibility interface of it.
#include <QAccessible>
#include <QObject>
#include <QString>

namespace qrl::test {

inline QString AccessibleName(QObject* object) {
  QAccessibleInterface* face = object ? QAccessible::queryAccessibleInterface(object) : nullptr;
  return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace qrl::test
