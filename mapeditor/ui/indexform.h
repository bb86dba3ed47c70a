#pragma once
// The terrain index window, opened from the tile transfer window.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TIndexForm : public QWidget, public forms::FormBase {
 public:
  TIndexForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
