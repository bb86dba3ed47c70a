#pragma once
// The unit data window. Created once at start-up like every window of
// QrlEd; it has no controls yet, and nothing opens it until its commands are built.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::scenui {

class TAmmoForm : public QWidget, public forms::FormBase {
 public:
  TAmmoForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::scenui
