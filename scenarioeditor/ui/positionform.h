#pragma once
// The position and property editor. Created once at start-up like every window of
// QrlEd; it has no controls yet, and nothing opens it until its commands are built.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::scenui {

class TPositionForm : public QWidget, public forms::FormBase {
 public:
  TPositionForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::scenui
