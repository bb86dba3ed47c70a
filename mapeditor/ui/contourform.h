#pragma once
// The contour map window: the map as cells of the pattern sheet by elevation,
// optionally with terrain markers, saved as a BMP or JPEG picture. Created
// once at start-up and kept for the whole run.
#include <QImage>
#include <QWidget>
#include <string>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "mapeditor/core/mapdocument.h"

class QCheckBox;
class QPushButton;
class QScrollArea;

namespace qrl::mapui {

class PictureImage;

class TContourForm : public QWidget, public forms::FormBase {
 public:
  // `doc` outlives the window; `programDir` is the program's folder (local
  // path, ending in "/"), where the pattern sheet lies.
  TContourForm(const map::MapDocument& doc, const std::string& programDir);

  void FormCreate();
  void ShowBtnClick();
  void SaveBtnClick();

  const map::MapDocument& Doc;
  std::string ProgramDir;

  QScrollArea* ContourSB = nullptr;
  PictureImage* ContourImg = nullptr;
  QPushButton* ShowBtn = nullptr;
  QCheckBox* TerrainCB = nullptr;
  QPushButton* SaveBtn = nullptr;
  forms::SaveDialog SaveDialog1;
};

}  // namespace qrl::mapui
