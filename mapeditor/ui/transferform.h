#pragma once
// The tile transfer window: the images of one terrain graphics file side by
// side in a strip; a press on the strip picks the image that a right or
// middle press on the map stamps while Options > "Tile Transfer" is checked.
// Created once at start-up and kept for the whole run.
#include <QWidget>
#include <string>

#include "forms/formbase.h"
#include "mapeditor/core/transferstrip.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace qrl::mapui {

class MapImage;
class TIndexForm;
class TMainForm;

class TTransferForm : public QWidget, public forms::FormBase {
 public:
  // `mainForm` holds the tile cache the strip reads through, the image
  // statistics and the "Tile Transfer" item; it outlives this window.
  explicit TTransferForm(TMainForm& mainForm);

  // Handlers.
  void LoadBtnClick();
  void TransferImgMouseDown(int x);  // x in strip pixels
  void TransferImgClick();
  void IndexBtnClick();
  // The close box hides the window and stops the stamping.
  void FormClose() override;

  // What a stamp reads, at the moment of the stamp.
  int SectionNumber() const;  // the layer section, 2..6
  int FileNumber() const;     // the terrain graphics file, 0..99
  std::string IconNumberText() const;

  TMainForm& MainForm;
  TIndexForm* IndexForm = nullptr;  // set once the index window exists
  map::TransferStrip Strip;

  // Controls. Each edit and its up-down are one spin box carrying the edit's
  // name (FileNumberUD, SectionNumberUD).
  QPushButton* LoadBtn = nullptr;
  QSpinBox* FileNumberEdit = nullptr;
  QLabel* IconNumberLbl = nullptr;
  QPushButton* IndexBtn = nullptr;
  QSpinBox* SectionNumberEdit = nullptr;
  QScrollArea* TransferSB = nullptr;
  MapImage* TransferImg = nullptr;

 private:
  void ShowStrip();
};

}  // namespace qrl::mapui
