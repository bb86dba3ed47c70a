#pragma once
// The raw hex editor. Created once at start-up like every window of
// QrlEd; it has no controls yet, and nothing opens it until its commands are built.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::scenui {

class THexForm : public QWidget, public forms::FormBase {
 public:
  THexForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::scenui
