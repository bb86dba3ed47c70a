#pragma once
// The picture quality window of the map image export.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TQualityForm : public QWidget, public forms::FormBase {
 public:
  TQualityForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
