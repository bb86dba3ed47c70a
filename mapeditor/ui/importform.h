#pragma once
// The bitmap import window: derives elevations and terrain from a bitmap.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TImportForm : public QWidget, public forms::FormBase {
 public:
  TImportForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
