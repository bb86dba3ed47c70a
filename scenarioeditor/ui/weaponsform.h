#pragma once
// "Weapons": the 250 weapons of the unit data window's side, one of which
// "Set" puts into the weapon slot the user clicked there. Opened only by the
// unit data window; the unit changes only when that window retains.
#include <QWidget>

#include "forms/formbase.h"
#include "scenarioeditor/core/editorsession.h"

class QListWidget;
class QPushButton;

namespace qrl::scenui {

class TAmmoForm;

class TWeaponsForm : public QWidget, public forms::FormBase {
 public:
  // session outlives the window.
  explicit TWeaponsForm(scen::EditorSession& session);

  // The unit data window is created after this one; handed over once it is.
  void SetAmmoForm(TAmmoForm* ammoForm) { AmmoForm = ammoForm; }

  // Every activation refills the list and clears its selection.
  void FormActivate() override;
  void SetBtnClick();

  QPushButton* SetBtn;
  QListWidget* WeaponsLB;

 private:
  scen::EditorSession& Session;
  TAmmoForm* AmmoForm = nullptr;
};

}  // namespace qrl::scenui
