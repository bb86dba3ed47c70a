#pragma once
// "Hex": ten lines of one slot's bytes in hexadecimal, decimal or mixed
// character form, with scrolling, and "Retain", which stores the byte typed
// into the selected cell. The view reloads when the window is shown, after
// each control action but Retain, and on activation only when the image
// changed since its last reload, so that bytes typed but not yet retained
// survive a visit to another window. The state below the controls is the
// core's HexViewState.
#include <QWidget>
#include <array>

#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/hexview.h"
#include "scenarioeditor/core/recordchanges.h"
#include "scenarioeditor/core/scenariodocument.h"

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace qrl::scenui {

class THexForm : public QWidget, public forms::FormBase {
 public:
  // doc outlives the window.
  explicit THexForm(scen::ScenarioDocument& doc);

  void FormCreate();
  void FormShow() override;
  void FormActivate() override;
  // Fills the grid from the image and marks the view current.
  void RefreshHexGrid();

  void SectionUDClick();
  void SizeEditChange();
  void DisplayRGClick();
  void RetainBtnClick();
  void PgUpBtnClick();
  void LnUpBtnClick();
  void LnDnBtnClick();
  void PgDnBtnClick();

  const scen::HexViewState& View() const { return State; }

  forms::StringGrid* HexGrid;
  QSpinBox* SectionUD;   // its edit is SectionEdit
  QLineEdit* SectionEdit;
  QLineEdit* SizeEdit;
  QGroupBox* DisplayRG;
  std::array<QRadioButton*, 3> DisplayButtons;
  QPushButton* RetainBtn;
  QToolButton* PgUpBtn;
  QToolButton* LnUpBtn;
  QToolButton* LnDnBtn;
  QToolButton* PgDnBtn;

 private:
  void BuildControls();
  void FillHexGrid();

  scen::ScenarioDocument& Doc;
  scen::HexViewState State;
  scen::ReloadMark Shown;
  QButtonGroup* DisplayGroup;
};

}  // namespace qrl::scenui
