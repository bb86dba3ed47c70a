#pragma once
// The strategic map: the whole map in small, a click moves the view there.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TStratForm : public QWidget, public forms::FormBase {
 public:
  TStratForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
