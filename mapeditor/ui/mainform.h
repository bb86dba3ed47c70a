#pragma once
// QrlMap's main window: the map view with its scroll bars, layer check boxes
// and status line, the speed buttons, the two file dialogs that the commands
// share, and the main menu through which every other window is reached.
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <memory>
#include <string>

#include "forms/checkitem.h"
#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/mapview.h"
#include "mapeditor/core/tilecache.h"

class QAction;
class QCheckBox;
class QLabel;
class QScrollBar;
class QToolButton;

namespace qrl::mapui {

class MapImage;

class TMainForm : public QMainWindow, public forms::FormBase {
 public:
  // `doc` and `tiles` are the program's document and tile cache; the caller
  // owns them and keeps them alive longer than the window. `programDir` is
  // the program's folder (a trailing "/" is added when missing).
  TMainForm(map::MapDocument& doc, map::TileCache& tiles, const QString& programDir);
  ~TMainForm() override;

  // Start-up: the program and terrain graphics folders, the view's geometry
  // and scroll ranges, the wanted map sections and an empty tile cache.
  // Loads and draws nothing.
  void FormCreate(const QString& programDir);

  // Draws the view from (ViewCol, ViewRow) with the window's display
  // switches and shows it in MapImg.
  void RedrawMap();
  // The display switches as the window's controls and check items hold them now.
  map::MapViewOptions ViewOptions() const;

  // Handlers.
  void LoadQRLMap1Click();
  void SaveMapFile1Click();
  void SetShpDirectory1Click();
  void Exit1Click();
  void ShowHexes1Click();
  void ShowHexesBtnClick();
  void RedrawBtnClick();
  void About1Click();
  void Tools1Click();
  void ImportSDTSDEM1Click();
  void MapImgMouseMove(int x, int y);  // (x, y) in MapImg's pixels
  void HMapSBChange();
  void VMapSBChange();

  // The document and the view over it.
  map::MapDocument& Doc;
  map::TileCache& Tiles;
  std::string ProgramDir;  // ends in "/"
  int ViewCol = 0;         // first visible hex column
  int ViewRow = 0;         // first visible hex row, always even
  map::MouseTracker Mouse;
  // Set while the second click of a road connection is awaited; 0 while none is.
  int RoadClickState = 0;
  QImage MapBitmap;  // the last redraw's map drawing, without the grid

  // Windows the menus show; the program sets them once they exist.
  QWidget* ImportForm = nullptr;
  QWidget* SDTS = nullptr;

  // Controls.
  MapImage* MapImg = nullptr;
  QLabel* WhereLbl = nullptr;
  QScrollBar* HMapSB = nullptr;
  QScrollBar* VMapSB = nullptr;
  QCheckBox* CB3 = nullptr;
  QCheckBox* CB4 = nullptr;
  QCheckBox* CB5 = nullptr;
  QCheckBox* CB6 = nullptr;
  QCheckBox* CB7 = nullptr;
  QLabel* ImgNumLbl = nullptr;
  QLabel* SizeLbl = nullptr;
  QToolButton* RedrawBtn = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* ShowHexesBtn = nullptr;
  QToolButton* UndoBtn = nullptr;
  forms::OpenDialog OpenDialog1;
  forms::SaveDialog SaveDialog1;

  // MainMenu1: the items; check items keep their state in the program.
  QAction* LoadQRLMap1 = nullptr;
  QAction* SaveMapFile1 = nullptr;
  QAction* SetShpDirectory1 = nullptr;
  QAction* SaveMapImage1 = nullptr;
  QAction* ImageQuality1 = nullptr;
  QAction* Exit1 = nullptr;
  std::unique_ptr<forms::CheckItem> ShowHexes1;
  std::unique_ptr<forms::CheckItem> InspectionMode1;
  std::unique_ptr<forms::CheckItem> StratMap1;
  std::unique_ptr<forms::CheckItem> TileTransfer1;
  QAction* Tools1 = nullptr;
  QAction* ImportSDTSDEM1 = nullptr;
  QAction* CopyToFile1 = nullptr;
  QAction* PasteFromFile1 = nullptr;
  QAction* CopyToClopboard1 = nullptr;
  QAction* PasteFromClipboard1 = nullptr;
  QAction* ContourMap1 = nullptr;
  std::unique_ptr<forms::CheckItem> ShowAllRoadConnections1;
  std::unique_ptr<forms::CheckItem> ShowRoadConnections1;
  std::unique_ptr<forms::CheckItem> ToggleRoadConnection1;
  std::unique_ptr<forms::CheckItem> ToggleRoad1;
  std::unique_ptr<forms::CheckItem> PavedRoad1;
  std::unique_ptr<forms::CheckItem> SecondaryRoad1;
  std::unique_ptr<forms::CheckItem> Railroad1;
  QAction* ConvertZKTtoQRL1 = nullptr;
  std::unique_ptr<forms::CheckItem> ZKTBuildings;
  QAction* KX3Map1 = nullptr;
  QAction* About1 = nullptr;

 private:
  void BuildControls();
  void BuildMenus();
  void ConnectHandlers();
  // After a load: the view back at the top-left corner, the scroll ranges of
  // the new map, one redraw.
  void ShowLoadedMap();
};

}  // namespace qrl::mapui
