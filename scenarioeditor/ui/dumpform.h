#pragma once
// The section dump window. Created once at start-up like every window of
// QrlEd; it has no controls yet, and nothing opens it until its commands are built.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::scenui {

class TDumpForm : public QWidget, public forms::FormBase {
 public:
  TDumpForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::scenui
