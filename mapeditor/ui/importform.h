#pragma once
// The bitmap import window: derives elevations and terrain from a bitmap that
// the user scrolls so that its top-left corner lies where hex (0,0) begins.
// Created once at start-up and kept for the whole run.
#include <QImage>
#include <QWidget>
#include <functional>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "gamefile/randomsource.h"
#include "mapeditor/core/bitmapimport.h"
#include "mapeditor/core/mapdocument.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTimer;

namespace qrl::mapui {

class PictureImage;

class TImportForm : public QWidget, public forms::FormBase {
 public:
  // Told after a convert stored into the map: it took no undo record.
  std::function<void()> OnMapChanged;

  // `doc` is the program's document and `random` the program's one random
  // source; the caller owns both and keeps them alive longer than the window.
  TImportForm(map::MapDocument& doc, RandomSource& random);
  ~TImportForm() override;

  // The window became the program's active one: the origin follows the
  // scroll box from now on.
  void FormActivate() override;
  // Another program window became active, or this one was hidden.
  void FormDeactivate();

  // Handlers.
  void LoadBtnClick();
  void Timer1Timer();
  void BmpImgClick();
  void AltBtnClick();
  void TerBtnClick();

  // The scale controls and the origin the timer took last.
  map::ImportGeometry Geometry() const;

  map::MapDocument& Doc;
  RandomSource& Random;
  // The bitmap pixel at which hex (0,0) begins: the scroll position as the
  // timer took it last, reset by each load.
  int ImportOriginX = 0;
  int ImportOriginY = 0;

  // Controls.
  QLabel* ImgSizeLbl = nullptr;
  QLabel* OriginLbl = nullptr;
  QLabel* MapSizeLbl = nullptr;
  QSpinBox* XScaleEdit = nullptr;  // with its up-down
  QSpinBox* YScaleEdit = nullptr;
  QPushButton* LoadBtn = nullptr;
  QPushButton* AltBtn = nullptr;
  QPushButton* TerBtn = nullptr;
  QScrollArea* BmpSB = nullptr;
  PictureImage* BmpImg = nullptr;  // holds the loaded bitmap
  forms::OpenDialog OpenPictureDialog1;
  QTimer* Timer1 = nullptr;

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  // Shows the refusal box and returns false when a convert cannot run.
  bool ReadyToConvert();
};

}  // namespace qrl::mapui
