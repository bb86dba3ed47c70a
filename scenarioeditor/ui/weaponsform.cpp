#include "scenarioeditor/ui/weaponsform.h"

#include <QListWidget>
#include <QPushButton>

#include "forms/handlers.h"
#include "forms/naming.h"
#include "scenarioeditor/core/oobnames.h"
#include "scenarioeditor/core/unitdata.h"
#include "scenarioeditor/ui/ammoform.h"

namespace qrl::scenui {

namespace {

constexpr const char* Caption = "Weapons";
constexpr int WindowWidth = 249, WindowHeight = 602;
constexpr int Margin = 8;
constexpr QRect SetBtnRect{Margin, Margin, 80, 26};
constexpr QRect WeaponsLBRect{Margin, 42, WindowWidth - 2 * Margin, WindowHeight - 42 - Margin};

}  // namespace

TWeaponsForm::TWeaponsForm(scen::EditorSession& session) : QWidget(nullptr), FormBase(this), Session(session) {
  forms::NameControl(this, "WeaponsForm", Caption);
  setWindowTitle(Caption);
  resize(WindowWidth, WindowHeight);
  SetBtn = new QPushButton("Set", this);
  forms::NameControl(SetBtn, "SetBtn", "Set");
  SetBtn->setGeometry(SetBtnRect);
  WeaponsLB = new QListWidget(this);
  forms::NameControl(WeaponsLB, "WeaponsLB");
  WeaponsLB->setGeometry(WeaponsLBRect);
  forms::Connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
}

void TWeaponsForm::FormActivate() {
  WeaponsLB->clear();
  WeaponsLB->addItems(scen::WeaponListItems(Session.WeaponNames, Session.UnitData.UnitDataSide));
  WeaponsLB->setCurrentRow(-1);
}

void TWeaponsForm::SetBtnClick() {
  const int item = WeaponsLB->selectedItems().isEmpty() ? -1 : WeaponsLB->currentRow();
  const std::optional<QString> cellText = scen::SetChosenWeapon(Session, item);
  if (!cellText || !AmmoForm) return;
  AmmoForm->WeaponsGrid->SetCell(0, Session.UnitData.WeaponSlot + 1, *cellText);
}

}  // namespace qrl::scenui
