#pragma once
// The contour map window.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TContourForm : public QWidget, public forms::FormBase {
 public:
  TContourForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
