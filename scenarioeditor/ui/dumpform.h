#pragma once
// "Dump": the non-empty slots of the image, with commands that write the
// whole image, the selected slot or a text listing to a file, and read such
// dumps back into the image. The list is rebuilt at every activation. The
// window's state below its controls is the core's DumpSelection.
#include <QWidget>

#include "forms/filedialogs.h"
#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "scenarioeditor/core/sectiondump.h"

class QLabel;
class QPushButton;

namespace qrl::scenui {

class TForm1;

class TDumpForm : public QWidget, public forms::FormBase {
 public:
  // doc and form1 outlive the window; the dialogs start in doc's ProgramDir.
  TDumpForm(scen::ScenarioDocument& doc, TForm1& form1);

  void FormCreate();
  void FormActivate() override;
  void DumpGridSelectCell(int col, int row, bool& canSelect);
  void AllBtnClick();
  void SectionBtnClick();
  void StatsBtnClick();
  void LoadBtnClick();
  void LoadSectionBtnClick();

  const scen::DumpSelection& Selection() const { return Selected; }

  QLabel* DumpLbl;
  forms::StringGrid* DumpGrid;
  QPushButton* AllBtn;
  QPushButton* SectionBtn;
  QPushButton* StatsBtn;
  QPushButton* LoadBtn;
  QPushButton* LoadSectionBtn;
  forms::SaveDialog SaveDialog1{this};
  forms::OpenDialog OpenDialog1{this};

 private:
  // Runs the save dialog and writes the bytes to the chosen file.
  void SaveWithDialog(std::span<const uint8_t> bytes);
  // The load's box, or on success the main window's grid refilled.
  void AfterLoad(const std::optional<scen::BoxMessage>& box);
  void ShowBox(const scen::BoxMessage& box);

  scen::ScenarioDocument& Doc;
  TForm1& Form1;
  scen::DumpSelection Selected;
};

}  // namespace qrl::scenui
