#pragma once
// "Game Data": the game-wide values of the loaded file (turns, dates,
// countries, victories, battles, visibility, terrain, prestige, description
// and victory hexes) in edits and a grid; "Retain" stores them. Values typed
// and not retained survive a visit to another window; a load, a side switch
// or another window's store reloads them at the next activation.
#include <QWidget>
#include <array>

#include "forms/formbase.h"
#include "forms/stringgrid.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/core/gamedata.h"
#include "scenarioeditor/core/recordchanges.h"

class QLineEdit;
class QPushButton;

namespace qrl::scenui {

class TTurnsForm : public QWidget, public forms::FormBase {
 public:
  // session outlives the window.
  explicit TTurnsForm(scen::EditorSession& session);

  void FormCreate();
  void FormShow() override;
  void FormActivate() override;
  void Reload();
  void RetainButtonClick();

  // By scen::GameDataByteFields; each edit is named as its field's control.
  std::array<QLineEdit*, scen::GameDataByteFields.size()> ByteEdits{};
  QLineEdit* PrestigeEdit;
  QLineEdit* DescriptionEdit;
  forms::StringGrid* VictoryGrid;
  QPushButton* RetainButton;

 private:
  scen::GameDataTexts ReadControls() const;

  scen::EditorSession& Session;
  scen::ReloadMark Shown;
};

}  // namespace qrl::scenui
