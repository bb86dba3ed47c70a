#pragma once
// The tile transfer window: a strip of tiles to stamp onto the map.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TTransferForm : public QWidget, public forms::FormBase {
 public:
  TTransferForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
