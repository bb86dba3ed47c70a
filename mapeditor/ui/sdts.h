#pragma once
// The SDTS DEM import window: reads an elevation file into a grey picture with
// one pixel per value, floods lakes, recolours the rest into four grey bands
// and saves the picture as a 24-bit BMP for the bitmap import. The map does
// not change here. Created once at start-up and kept for the whole run.
#include <QString>
#include <QWidget>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "mapeditor/core/altmap.h"
#include "mapeditor/core/demfile.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace qrl::mapui {

class PictureImage;

class TSDTS : public QWidget, public forms::FormBase {
 public:
  // `programDir` is the program's folder, the dialogs' first start folder.
  explicit TSDTS(const QString& programDir);
  ~TSDTS() override;

  void FormCreate(const QString& programDir);

  // Handlers. Mouse positions are AltMapImg's picture pixels.
  void LoadDDFBtnClick();
  void AltMapImgMouseMove(int x, int y);
  void LakeBtnClick();
  void AltMapImgMouseDown(int x, int y);
  void ConvertBtnClick();
  void SaveBtnClick();

  // Draws the grid into AltMapImg as greys.
  void DrawAltMap();
  void SaveAltMapBmp();

  // The last file read; values outside it are no place of the picture.
  map::DemGrid Dem;
  map::DemRange Range;
  bool LakeMode = false;  // the next mouse-down on the picture makes a lake
  QString DemLastDir;     // ends in "/"

  // Controls.
  QScrollArea* AltMapSB = nullptr;
  PictureImage* AltMapImg = nullptr;
  QPushButton* LoadDDFBtn = nullptr;
  QPushButton* SaveBtn = nullptr;
  QLabel* MaxAltLbl = nullptr;
  QLabel* MinAltLbl = nullptr;
  QLineEdit* Lvl0Edit = nullptr;
  QLineEdit* Lvl1Edit = nullptr;
  QLineEdit* Lvl2Edit = nullptr;
  QPushButton* ConvertBtn = nullptr;
  QLabel* XLbl = nullptr;
  QLabel* YLbl = nullptr;
  QLabel* AltitudeLbl = nullptr;
  QPushButton* LakeBtn = nullptr;
  QLabel* StatusLbl = nullptr;
  forms::OpenDialog OpenDialog1;
  forms::SaveDialog SaveDialog1;

 private:
  void BuildControls();
  // The dialog starts in DemLastDir, offering the name it chose last.
  void StartInDemLastDir(forms::FileDialog& dialog);
};

}  // namespace qrl::mapui
