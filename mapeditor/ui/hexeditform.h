#pragma once
// "Inspection Window": every per-hex record of one hex as decimal text, with
// Retain writing them all back after the main window took its undo record,
// the clear buttons of the overlay layers, the terrain-bit toggle, copy and
// paste of the 20-byte hex record, and the dump of a whole section.
//
// The window reloads from the map when it is shown, and on activation only
// when the hex under the mouse is another one than it shows, or the map
// changed since its last reload by anything but this window: values typed
// and not retained survive a visit to another window.
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "mapeditor/core/hexedittexts.h"
#include "mapeditor/core/mapdocument.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace qrl::mapui {

// What the window needs of the main window.
struct HexEditHost {
  std::function<map::HexPos()> MouseHex;            // the hex last under the mouse (HexCol, HexRow)
  std::function<void(map::HexPos)> TakeUndoRecord;  // SaveUndoHex and enable Undo
  std::function<void()> StoredWithoutUndo;          // an edit that took no undo record: disable Undo
  forms::SaveDialog* SaveDialog = nullptr;          // the main window's, for the dump
};

class THexEditForm : public QWidget, public forms::FormBase {
 public:
  // doc outlives the window.
  explicit THexEditForm(map::MapDocument& doc);
  void SetHost(HexEditHost host) { Host = std::move(host); }

  void FormShow() override;
  void FormActivate() override;
  // Takes the hex under the mouse and fills every control from the map.
  void LoadHex();

  void RetainBtnClick();
  void CopyS8BtnClick();
  void PasteS8BtnClick();
  // layer 3..7: clears that overlay row and retains.
  void CancelS3BtnClick(int layer);
  void S8GridSelectCell(int col, int row, bool& canSelect);
  void ToggleBtnClick();
  void DumpBtnClick();

  map::HexPos Inspected() const { return {InspectCol, InspectRow}; }

  QLabel* XYLbl;
  forms::StringGrid* HexGrid;
  std::array<QToolButton*, 5> CancelBtns;  // CancelS3Btn..CancelS7Btn
  QLineEdit* S29Edit;
  QLineEdit* S28Edit;
  forms::StringGrid* S28Grid;
  forms::StringGrid* S8Grid;
  QComboBox* TerrainCB;
  QToolButton* ToggleBtn;
  QToolButton* CopyS8Btn;
  QToolButton* PasteS8Btn;
  QLineEdit* WidthEdit;
  QLineEdit* HeightEdit;
  QPushButton* RetainBtn;
  QPushButton* DumpBtn;
  QLineEdit* DumpEdit;

 private:
  void ShowTexts(const map::HexEditTexts& texts);
  map::HexEditTexts ReadTexts() const;
  void ShowHexRecord();
  void SetTerrainItems(int byte);

  map::MapDocument& Doc;
  HexEditHost Host;
  int InspectCol = 0;
  int InspectRow = 0;
  uint64_t ShownRevision = 0;
  map::MapHexRecordClipboard RecordClipboard;
};

}  // namespace qrl::mapui
