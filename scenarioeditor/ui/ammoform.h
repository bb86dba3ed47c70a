#pragma once
// "Unit Data": one unit of the shown side field by field (ammunition,
// armour, weapons, characteristics, its leader's rank and kills), written
// back by Retain, and carried to another unit by Copy and Paste. The unit is
// the one of the main grid's selected row. The window's values and state
// live in core (unitdata.h); its controls only show them.
#include <QWidget>
#include <array>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/core/texttables.h"
#include "scenarioeditor/core/unitdata.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qrl::scenui {

class TForm1;
class TWeaponsForm;

class TAmmoForm : public QWidget, public forms::FormBase {
 public:
  // session, form1 and weaponsForm outlive the window.
  TAmmoForm(scen::EditorSession& session, TForm1& form1, TWeaponsForm& weaponsForm);

  // What the controls show, and showing values (grid cells, edits, rank).
  scen::UnitDataValues ReadValues() const;
  void ShowValues(const scen::UnitDataValues& values);

  // Reads the selected unit again when a unit row is selected.
  void Reload();

  void FormShow() override;
  // Also called by the main window when a grid selection reaches the visible window.
  void FormActivate() override;
  void RetainBtnClick();
  // Appends the detail table of the shown texts to a file the user picks.
  void PrintBtnClick();
  scen::DetailTableTexts DetailTexts() const;
  void CopyBtnClick();
  void PasteBtnClick();
  void WeaponsGridSelectCell(int col, int row, bool& canSelect);

  forms::StringGrid* WeaponsGrid;
  forms::StringGrid* ArmorGrid;
  QLineEdit* NameEdit;
  QLabel* UnitLbl;
  QLabel* ULbl;
  std::array<QLineEdit*, scen::UnitEditCount> Edits;  // by scen::UnitEdit, named by UnitEditSpecs
  QLineEdit* LeaderEdit;
  QComboBox* RankCB;
  QPushButton* CopyBtn;
  QPushButton* RetainBtn;
  QPushButton* PasteBtn;
  QPushButton* PrintBtn;
  forms::SaveDialog SaveDialog1{this};

  QLineEdit* Edit(scen::UnitEdit edit) const { return Edits[size_t(edit)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildTopLine();
  void BuildGrids();
  void BuildButtons();
  void BuildEdits();
  void BuildLeaderLine();
  QLineEdit* AddEdit(scen::UnitEdit edit, int left, int top);

  scen::EditorSession& Session;
  TForm1& Form1;
  TWeaponsForm& WeaponsForm;
};

}  // namespace qrl::scenui
