#pragma once
// The SDTS DEM import window: turns elevation data into a bitmap for the import.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TSDTS : public QWidget, public forms::FormBase {
 public:
  TSDTS() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
