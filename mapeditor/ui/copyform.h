#pragma once
// The region copy window: asks for the corners of the region to copy or paste.
// Created once at start-up and kept for the whole run; no controls yet.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class TCopyForm : public QWidget, public forms::FormBase {
 public:
  TCopyForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::mapui
