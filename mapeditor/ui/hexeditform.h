#pragma once
// The inspection window: shows and edits the records of the hex under the mouse.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class THexEditForm : public QWidget, public forms::FormBase {
 public:
  THexEditForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
