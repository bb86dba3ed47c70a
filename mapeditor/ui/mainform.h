#pragma once
// QrlMap's main window: the map view with its scroll bars, layer check boxes
// and status line, the speed buttons, the two file dialogs that the commands
// share, and the main menu through which every other window is reached.
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "forms/checkitem.h"
#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "mapeditor/core/clickmarker.h"
#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/mapview.h"
#include "mapeditor/core/oldmapconvert.h"
#include "mapeditor/core/regiontext.h"
#include "mapeditor/core/roadedit.h"
#include "mapeditor/core/quadrantexport.h"
#include "mapeditor/core/tilecache.h"
#include "mapeditor/core/undohex.h"

class QAction;
class QCheckBox;
class QLabel;
class QScrollBar;
class QToolButton;

namespace qrl::mapui {

class MapImage;
struct OldMapCommand;
class TCopyForm;
class THexEditForm;
class TTransferForm;
class TContourForm;
class TQualityForm;
class TStratForm;

// The windows the main window shows. They are created after it, so they are
// handed over once they are; null until then.
struct MainFormPeers {
  TStratForm* StratForm = nullptr;
  TContourForm* ContourForm = nullptr;
  TQualityForm* QualityForm = nullptr;
};

class TMainForm : public QMainWindow, public forms::FormBase {
 public:
  // `doc` and `tiles` are the program's document and tile cache; the caller
  // owns them and keeps them alive longer than the window. `programDir` is
  // the program's folder (a trailing "/" is added when missing).
  TMainForm(map::MapDocument& doc, map::TileCache& tiles, const QString& programDir);
  ~TMainForm() override;

  void SetPeers(const MainFormPeers& peers) { Peers = peers; }

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
  void ConvertZKTtoQRL1xClick();
  void KX3Map1Click();
  void ZKTBuildingsClick();

  // Map editing with the mouse, the tile transfer and the one-hex undo.
  void MapImgClick();                          // left click on the view
  void MapImgMouseDown(Qt::MouseButton button);  // a right or middle press stamps
  void UndoBtnClick();
  void InspectionMode1Click();
  void ShowAllRoadConnections1Click();
  void ShowRoadConnections1Click();
  void ToggleRoadConnection1Click();
  void ToggleRoad1Click();
  void PavedRoad1Click();
  void SecondaryRoad1Click();
  void Railroad1Click();
  void TileTransfer1Click();
  void SpeedButton1Click();

  // Region copy and paste (mainformregion.cpp).
  void CopyToFile1Click();
  void CopyToClipboard1Click();
  void PasteFromFile1Click();
  void PasteFromClipboard1Click();

  // Copies the hex's records into UndoHex and enables UndoBtn: every edit
  // that Undo may revert calls it before it changes the hex.
  void SaveUndoHex(int col, int row);
  // Writes UndoHex back into its hex and disables UndoBtn; no redraw.
  void RestoreUndoHex();
  // An edit that takes no undo record has stored something in the map: Undo
  // would now write its older hex over that change, so it is no longer
  // offered. Every such edit calls this after it stored.
  void StoredWithoutUndo();
  // ImgNumLbl and SizeLbl from the tile statistics, which every own bitmap
  // read adds to (the redraw's and the tile strip's).
  void ShowImageCounts();
  void SaveMapImage1Click();
  void ImageQuality1Click();
  void StratMap1Click();
  void ContourMap1Click();

  // Writes the picture of the 50 x 40 hexes from the view origin as a JPEG
  // file of quality JpegQuality, under a name the save dialog asks for.
  void SaveQuadrantJpeg();

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
  // The first hex of a road connection, while RoadClickState is 2.
  int RoadFirstCol = 0;
  int RoadFirstRow = 0;
  map::UndoHex UndoHex;  // good to write back while UndoBtn is enabled
  map::ClickMarker Marker;  // on the view picture until the next redraw
  // The tile transfer window was shown by the menu command; changes together
  // with TileTransfer1's mark.
  bool TransferShown = false;
  // The windows the editing shows and reads; set once they exist.
  THexEditForm* HexEditForm = nullptr;
  TCopyForm* CopyForm = nullptr;
  TTransferForm* TransferForm = nullptr;
  // The strategic map is rebuilt on its next activation: set at start and by
  // each load, cleared by the rebuild.
  bool StratMapStale = true;
  int JpegQuality = map::DefaultJpegQuality;  // the map image export's quality

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
  // The steps both conversions share: the dialog, the file, the boxes of a
  // refusal and the redraw after `convert` changed the map.
  void ConvertOldMap(const OldMapCommand& command,
                     const std::function<map::OldMapStatus(std::span<const uint8_t>)>& convert);
  void ConnectMapEditing();
  void RoadsMenuItemClick(map::RoadsMenuItem item);
  map::RoadKinds CheckedRoadKinds() const;
  void ShowHexEditForm();
  // The region dialog's corners or target hex; nullopt when it was cancelled.
  // Throws ConversionError for an edit that is no integer.
  std::optional<map::RegionRect> AskRegionToCopy();
  std::optional<map::HexPos> AskPasteTarget();
  // Shows the refusal box of a region that cannot be copied (none for an empty one).
  bool RegionCanBeCopied(const map::RegionRect& rect);
  void RegionPasted(const map::RegionPasteResult& result);
  // After a map load: nothing of the old map's edits may land in the new one.
  void ForgetEditsOfOldMap();

  MainFormPeers Peers;
};

}  // namespace qrl::mapui
