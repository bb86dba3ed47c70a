#pragma once
// The battle summary. Created once at start-up like every window of
// QrlEd; it has no controls yet, and nothing opens it until its commands are built.
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::scenui {

class TSummaryForm : public QWidget, public forms::FormBase {
 public:
  TSummaryForm() : QWidget(nullptr), FormBase(this) {}
};

}  // namespace qrl::scenui
