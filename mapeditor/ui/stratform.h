#pragma once
// The strategic map: the whole map in small; a click moves the main view
// there. Created once at start-up and kept for the whole run.
#include <QImage>
#include <QWidget>

#include "forms/formbase.h"

namespace qrl::mapui {

class PictureImage;
class TMainForm;

class TStratForm : public QWidget, public forms::FormBase {
 public:
  // `mainForm` holds the document, the stale flag and the view's scroll
  // bars; it outlives this window.
  explicit TStratForm(TMainForm& mainForm);

  // Rebuilds the picture while the main window's StratMapStale is set, and
  // clears it; before any load the window shows no picture.
  void FormActivate() override;
  void StratImgMouseDown(int x, int y);  // any button
  void StratImgClick();

  TMainForm& MainForm;
  QImage StratBitmap;  // null until a loaded map was drawn
  int StratClickX = 0;  // picture position of the last press
  int StratClickY = 0;

  PictureImage* StratImg = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace qrl::mapui
