#pragma once
// The picture quality window of the map image export. Created once at
// start-up and kept for the whole run.
#include <QWidget>

#include "forms/formbase.h"

class QLabel;
class QLineEdit;
class QSpinBox;

namespace qrl::mapui {

// The up-down control's range and step.
inline constexpr int JpegUDMin = 5;
inline constexpr int JpegUDMax = 100;
inline constexpr int JpegUDIncrement = 5;

class TQualityForm : public QWidget, public forms::FormBase {
 public:
  // `jpegQuality` is the export's quality, which the window sets; it
  // outlives the window. JpegUD starts at its value.
  explicit TQualityForm(int& jpegQuality);

  // Each step of JpegUD: the quality becomes the position shown.
  void JpegUDChange(int position);

  int& JpegQuality;

  QLabel* QualityLbl = nullptr;
  QLineEdit* JpegEdit = nullptr;  // read-only: shows JpegUD's position
  QSpinBox* JpegUD = nullptr;     // used for its arrows only
};

}  // namespace qrl::mapui
