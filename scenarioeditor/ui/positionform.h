#pragma once
// "Position/Property Editor": the units of the side shown in the main window
// with their positions and one property, an overview map with a rubber box,
// and the drop, selection and property commands. The list on screen is the
// view of the core's PositionList (scen::PositionList); handlers copy the
// cells into it, call the core and show the outcome.
#include <QWidget>

#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/core/overviewmap.h"
#include "scenarioeditor/core/positionlist.h"
#include "scenarioeditor/core/recordchanges.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace qrl::scenui {

class TForm1;
class OverviewImage;

class TPositionForm : public QWidget, public forms::FormBase {
 public:
  // session and form1 outlive the window.
  TPositionForm(scen::EditorSession& session, TForm1& form1);

  // Shown: the list is rebuilt and the overview drawn. Activated: the same,
  // but only when a load, a side switch or another window's store came since.
  void FormShow() override;
  void FormActivate() override;
  void Reload();

  void PositionGridSelectCell(int col, int row, bool& canSelect);
  void PositionGridDrawCell(int col, int row, QPainter& painter, const QRect& rect);
  void PositionGridMouseUp(int col);  // a release over the heading of column col
  void PositionImageMouseDown(int px, int py);
  void PositionImageMouseMove(int px, int py);
  void PositionImageMouseUp(int px, int py);
  void SelectBtnClick();
  void UnselectBtnClick();
  void DropBtnClick();
  void ResetBtnClick();
  void RetainBtnClick();
  void PropertyCBChange();
  void SetBtnClick();

  const scen::PositionList& List() const { return Positions; }
  const scen::OverviewMap& Overview() const { return Map; }

  forms::StringGrid* PositionGrid;
  QScrollArea* MapSB;
  OverviewImage* PositionImage;
  QLabel* XYLbl;
  QLineEdit* XDropEdit;
  QLineEdit* YDropEdit;
  QLineEdit* XRangeEdit;
  QLineEdit* YRangeEdit;
  QLineEdit* DensityEdit;  // the text field of DensityUpDown
  QSpinBox* DensityUpDown;
  QPushButton* DropBtn;
  QPushButton* ResetBtn;
  QPushButton* RetainBtn;
  QPushButton* SelectBtn;
  QPushButton* UnselectBtn;
  QComboBox* PropertyCB;
  QLineEdit* MaxEdit;
  QLineEdit* MinEdit;
  QPushButton* SetBtn;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildList();
  void BuildMap();
  void BuildControls();
  scen::PositionSource Source();
  // Runs a core call on the list's cells: what the screen shows first goes
  // into the list, and the list is shown again afterwards, also when the call
  // throws (rows it changed before stay changed).
  template <class CoreCall>
  void WithListCells(CoreCall call);
  void ShowList();
  void DrawOverview();
  void Warn(const scen::BoxMessage& box);

  scen::EditorSession& Session;
  TForm1& Form1;
  scen::PositionList Positions;
  scen::OverviewMap Map;
  scen::ReloadMark Shown;
};

}  // namespace qrl::scenui
