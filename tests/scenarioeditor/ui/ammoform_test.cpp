#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "scenarioeditor/ui/ammoform.h"
#include "scenarioeditor/ui/weaponsform.h"
#include "tests/scenarioeditor/ui/qrledrig.h"

namespace qrl::scenui::test {
namespace {

// TwoSides with weapons and fire control values that tell the units apart.
ScenarioFixture Armed() {
  ScenarioFixture f = TwoSides();
  const uint8_t weapons[] = {12, 40, 0, 7};
  std::memcpy(f.Unit(0, 1) + 219, weapons, 4);
  f.Unit(0, 0)[219] = 3;
  f.Unit(0, 0)[134] = 22;
  f.Unit(0, 1)[134] = 11;
  f.Unit(1, 1)[134] = 33;
  return f;
}

class AmmoFormTest : public ::testing::Test {
 protected:
  TAmmoForm& Ammo() { return *Rig.Windows.AmmoForm; }
  TWeaponsForm& Weapons() { return *Rig.Windows.WeaponsForm; }
  QString Fc() { return Ammo().Edit(scen::UnitEdit::FC)->text(); }
  void SelectRow(int row, int col = 2) { ASSERT_TRUE(Rig.Form1().InfoStringGrid->SetCurrentCell(col, row)); }
  void Activate(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void OpenUnitData() {
    QTest::mouseClick(Rig.Form1().AmmoBtn, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Ammo()));
  }
  void ClickWeaponCell(int row) {
    forms::StringGrid& grid = *Ammo().WeaponsGrid;
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(0, row).center());
  }
  const uint8_t* Unit(int side, int k) { return scen::UnitRecordAt(Rig.Session.Document.Slots, side, k).data(); }

  std::string Folder = qrl::test::MakeTempFolder("ammoform");
  bool OobFilesPut = PutOobFiles(Folder);
  std::string Path = Put(Folder, "SCEN001.DAT", Armed().Build());
  QrlEdRig Rig{StartUpIn(Folder, Path)};
};

TEST_F(AmmoFormTest, TheWindowsCarryTheirNamesCaptionsAndStartValues) {
  TAmmoForm& a = Ammo();
  EXPECT_EQ(a.windowTitle(), "Unit Data");
  EXPECT_EQ(a.objectName(), "AmmoForm");
  EXPECT_EQ(a.size(), QSize(434, 592));
  EXPECT_EQ(Weapons().windowTitle(), "Weapons");
  EXPECT_EQ(Weapons().size(), QSize(249, 602));
  for (auto [name, caption] : {std::pair{"CopyBtn", "Copy"}, {"RetainBtn", "Retain"}, {"PasteBtn", "Paste"},
                               {"PrintBtn", "Print"}}) {
    auto* button = a.findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->text(), caption);
    EXPECT_EQ(button->accessibleName(), caption);
  }
  EXPECT_FALSE(a.PasteBtn->isEnabled());
  EXPECT_TRUE(a.PrintBtn->isEnabled());
  auto* set = Weapons().findChild<QPushButton*>("SetBtn");
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(set->accessibleName(), "Set");
  EXPECT_EQ(Weapons().findChild<QWidget*>("WeaponsLB")->accessibleName(), "WeaponsLB");
  const char* const edits[] = {"UnitNumberEdit", "UnitTypeEdit", "MOBEdit",   "CountryNumberEdit", "ImageNumberEdit",
                               "FCEdit",         "RoFEdit",      "SpeedEdit", "SwimEdit",          "SmokeEdit",
                               "SizeEdit",       "VisionEdit",   "StabEdit",  "SmkdEdit",          "RngfEdit",
                               "RadioEdit",      "CostEdit",     "LiftEdit",  "LiftCostEdit",      "MenEdit",
                               "SurvEdit",       "SupressEdit",  "DamageEdit", "KillsEdit"};
  for (const char* name : edits) {
    auto* edit = a.findChild<QLineEdit*>(name);
    ASSERT_NE(edit, nullptr) << name;
    EXPECT_EQ(edit->accessibleName(), name);
    EXPECT_EQ(edit->text(), "0") << name;
  }
  EXPECT_EQ(a.findChild<QLineEdit*>("NameEdit")->text(), "Unit Name");
  EXPECT_TRUE(a.findChild<QLineEdit*>("LeaderEdit")->isReadOnly());
  EXPECT_EQ(a.findChild<QLabel*>("ULbl")->text(), "XX");
  EXPECT_EQ(a.findChild<QLabel*>("UnitLbl")->text(), "Unit: ");
  auto* rank = a.findChild<QComboBox*>("RankCB");
  ASSERT_NE(rank, nullptr);
  ASSERT_EQ(rank->count(), 10);
  EXPECT_EQ(rank->itemText(0), "1-Pvt");
  EXPECT_EQ(rank->itemText(9), "10-Gen");
  for (const char* name : {"WeaponsGrid", "ArmorGrid"})
    EXPECT_EQ(a.findChild<QWidget*>(name)->accessibleName(), name);
}

TEST_F(AmmoFormTest, ShownFromTheButtonAndTheMenuItWithTheSelectedUnit) {
  SelectRow(2);
  OpenUnitData();
  EXPECT_EQ(Fc(), "11");
  EXPECT_EQ(Ammo().NameEdit->text(), "Pz IV 2");
  EXPECT_EQ(Ammo().ULbl->text(), "A2 ");
  EXPECT_EQ(Ammo().LeaderEdit->text(), "Lt/Brandt");
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 0), "Weapon");
  EXPECT_EQ(Ammo().ArmorGrid->Cell(0, 4), "Turret Slope");
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 1), "W12");
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 3), "None");
  EXPECT_EQ(Ammo().WeaponsGrid->Col(), 1);

  Ammo().hide();
  QAction* item = Rig.Form1().MainMenu1->findChild<QAction*>("EditUnitData1");
  ASSERT_NE(item, nullptr);
  item->trigger();
  EXPECT_TRUE(Ammo().isVisible());
  Ammo().hide();
  Rig.Form1().MainMenu1->findChild<QAction*>("PrintAmmo1")->trigger();
  EXPECT_TRUE(Ammo().isVisible());
}

TEST_F(AmmoFormTest, TypedValuesSurviveVisitsToTheMainWindowAndTheWeaponList) {
  SelectRow(2);
  OpenUnitData();
  Ammo().Edit(scen::UnitEdit::FC)->setText("99");
  Activate(Rig.Form1());
  SelectRow(2, 5);  // another cell of the row shown
  Activate(Ammo());
  EXPECT_EQ(Fc(), "99");

  ClickWeaponCell(3);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Weapons()));
  ASSERT_EQ(Weapons().WeaponsLB->count(), 250);
  EXPECT_EQ(Weapons().WeaponsLB->item(0)->text(), "0) None");
  EXPECT_EQ(Weapons().WeaponsLB->item(17)->text(), "17) W17");
  Weapons().WeaponsLB->setCurrentRow(17);
  QTest::mouseClick(Weapons().SetBtn, Qt::LeftButton);
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 3), "W17");
  EXPECT_EQ(Rig.Session.Grid.CurrentWeapons, (std::array<int16_t, 4>{12, 40, 17, 7}));
  EXPECT_EQ(Unit(0, 1)[221], 0);  // only Retain stores it

  Activate(Rig.Form1());
  SelectRow(2, 4);
  Activate(Ammo());
  EXPECT_EQ(Fc(), "99");
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 3), "W17");
  QTest::mouseClick(Ammo().RetainBtn, Qt::LeftButton);
  EXPECT_EQ(Unit(0, 1)[134], 99);
  EXPECT_EQ(Unit(0, 1)[221], 17);
  EXPECT_EQ(Unit(0, 1)[218], 70);  // the side's OOB number goes with the weapon
  EXPECT_TRUE(Rig.Log.Entries().empty());
}

TEST_F(AmmoFormTest, ANameCellOpensTheListAlsoWhenItIsTheCurrentCellAndSetNeedsAnItem) {
  SelectRow(2);
  OpenUnitData();
  ClickWeaponCell(2);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Weapons()));
  Weapons().hide();
  Activate(Ammo());
  ASSERT_EQ(Ammo().WeaponsGrid->Col(), 0);
  ClickWeaponCell(2);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Weapons()));
  EXPECT_EQ(Rig.Session.UnitData.WeaponSlot, 1);

  QTest::mouseClick(Weapons().SetBtn, Qt::LeftButton);  // nothing chosen
  EXPECT_EQ(Rig.Session.Grid.CurrentWeapons, (std::array<int16_t, 4>{12, 40, 0, 7}));
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 2), "W40");
  Weapons().WeaponsLB->setCurrentRow(5);
  Activate(Ammo());
  Activate(Weapons());  // every activation clears the choice
  EXPECT_EQ(Weapons().WeaponsLB->currentRow(), -1);
  QTest::mouseClick(Weapons().SetBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Session.Grid.CurrentWeapons[1], 40);
}

TEST_F(AmmoFormTest, ASelectionOfAnotherRowReloadsTheVisibleWindow) {
  SelectRow(2);
  OpenUnitData();
  Ammo().Edit(scen::UnitEdit::FC)->setText("99");
  SelectRow(1);
  EXPECT_EQ(Fc(), "22");
  EXPECT_EQ(Ammo().NameEdit->text(), "Pz IV 1");
  EXPECT_EQ(Rig.Session.Grid.CurrentWeapons, (std::array<int16_t, 4>{3, 0, 0, 0}));
  SelectRow(0);  // the heading row: the controls stay
  EXPECT_EQ(Ammo().NameEdit->text(), "Pz IV 1");
  // While hidden, a selection only names the row; the next show reads it.
  Ammo().hide();
  SelectRow(2);
  EXPECT_EQ(Fc(), "22");
  OpenUnitData();
  EXPECT_EQ(Fc(), "11");
}

TEST_F(AmmoFormTest, AfterASideSwitchRetainLeavesTheOtherSidesUnitAlone) {
  SelectRow(2);
  OpenUnitData();
  Ammo().Edit(scen::UnitEdit::FC)->setText("99");
  Activate(Rig.Form1());
  Rig.ClickSide(1);
  const std::vector<uint8_t> side1Unit(Unit(1, 1), Unit(1, 1) + 258);
  Ammo().RetainBtnClick();  // the window still shows side 0's unit, and stores there
  EXPECT_EQ(Unit(0, 1)[134], 99);
  EXPECT_EQ(std::vector<uint8_t>(Unit(1, 1), Unit(1, 1) + 258), side1Unit);

  Activate(Ammo());  // the grid was filled since: the window reads the new side's unit
  EXPECT_EQ(Fc(), "33");
  EXPECT_EQ(Ammo().NameEdit->text(), "Strelki 1");
  EXPECT_EQ(Rig.Session.Grid.CurrentWeapons, (std::array<int16_t, 4>{0, 0, 0, 0}));
  QTest::mouseClick(Ammo().RetainBtn, Qt::LeftButton);
  EXPECT_EQ(Unit(1, 1)[134], 33);
  EXPECT_EQ(Unit(1, 1)[219], 0);  // not side 0's weapons
}

TEST_F(AmmoFormTest, AFailedCopyKeepsThePreviousCopyAndPaste) {
  SelectRow(2);
  OpenUnitData();
  QLineEdit* lcost = Ammo().Edit(scen::UnitEdit::LCost);
  lcost->setText("x");
  QTest::mouseClick(Ammo().CopyBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Log.Entries(), Boxes({{"'x' is not a valid integer value", "QrlEd"}}, forms::BoxKind::Exception));
  EXPECT_FALSE(Ammo().PasteBtn->isEnabled());
  EXPECT_FALSE(Rig.Session.UnitData.CopiedUnit.has_value());

  lcost->setText("4");
  QTest::mouseClick(Ammo().CopyBtn, Qt::LeftButton);
  ASSERT_TRUE(Ammo().PasteBtn->isEnabled());
  lcost->setText("y");
  Ammo().NameEdit->setText("Renamed");
  QTest::mouseClick(Ammo().CopyBtn, Qt::LeftButton);
  EXPECT_EQ(Rig.Session.UnitData.CopiedUnit->Name, "Pz IV 2");

  SelectRow(1);
  QTest::mouseClick(Ammo().PasteBtn, Qt::LeftButton);
  EXPECT_EQ(Ammo().NameEdit->text(), "Pz IV 2");
  EXPECT_EQ(Fc(), "11");
  EXPECT_EQ(lcost->text(), "4");
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 2), "W40");
}

TEST_F(AmmoFormTest, WithoutTheSidesOobFileTheSlotsAreNumberedAndTheListStaysShut) {
  std::filesystem::remove(Folder + "OOB70");
  Rig.Log.Clear();
  Rig.LoadByWindow(Folder, "SCEN001.DAT -> ");
  EXPECT_EQ(Rig.Log.Entries(), OobWarnings(Folder, {"OOB70"}));
  SelectRow(2);
  OpenUnitData();
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 1), "Weapon #1");
  EXPECT_EQ(Ammo().WeaponsGrid->Cell(0, 4), "Weapon #4");
  ClickWeaponCell(1);
  EXPECT_FALSE(Weapons().isVisible());
}

TEST_F(AmmoFormTest, LocateOobFilesChoosesTheFolderOfTheNextLoad) {
  const std::string other = qrl::test::MakeTempFolder("ammoform-oob");
  Bytes names(3750, 0);
  names[15 * 3] = 'X';
  Put(other, "OOB70", names);
  QAction* item = Rig.Form1().MainMenu1->findChild<QAction*>("LocateMOBFiles1");
  ASSERT_NE(item, nullptr);
  Rig.Form1().OpenDialog1.SetFilter("Scenarios (*.dat)|*.dat");  // left by another command

  forms::DialogScript script;
  script.Cancel().Choose(QString::fromStdString(other + "OOB70"));
  item->trigger();
  EXPECT_EQ(Rig.Doc().OobDir, Folder);
  item->trigger();
  ASSERT_EQ(script.Calls().size(), 2u);
  EXPECT_EQ(script.Calls()[1].Title, "Open Any MOB File");
  EXPECT_EQ(script.Calls()[1].Filter, "All Files (*.*)|*.*");
  EXPECT_EQ(script.Calls()[1].InitialDir, QString::fromStdString(Folder));
  EXPECT_EQ(Rig.Doc().OobDir, other);
  EXPECT_EQ(Rig.Session.WeaponNames.Names[0][3], "W3");  // read again only by a load

  Rig.Log.Clear();
  Rig.LoadByWindow(Folder, "SCEN001.DAT -> ");
  EXPECT_EQ(Rig.Log.Entries(), OobWarnings(other, {"OOB81"}));
  EXPECT_EQ(Rig.Session.WeaponNames.Names[0][3], "X");
}

TEST_F(AmmoFormTest, ALoadsOobWarningsFollowItsOwnBoxesAndComeBeforeAProtectedFileCloses) {
  ScenarioFixture f = Armed();
  f.Sections[33] = Bytes{0, 0, 0, 0, 1, 0, 0, 0};
  f.Unit(0, 0)[167] = 55;  // no OOB55
  Put(Folder, "SCEN002.DAT", f.Build());
  SelectRow(1);
  OpenUnitData();
  Rig.Log.Clear();
  Rig.LoadByWindow(Folder, "SCEN002.DAT -> ");
  EXPECT_EQ(Rig.Log.Entries(),
            Boxes({{"This scenario is protected and cannot be edited.", "Security Violation"},
                   {qPrintable("Could not open " + QString::fromStdString(Folder) +
                               "OOB55. Weapons names not available"),
                    "Warning"}}));
  EXPECT_TRUE(Rig.Form1().isHidden());
  EXPECT_FALSE(Ammo().isVisible());  // a load from the menu closes the unit data window
}

}  // namespace
}  // namespace qrl::scenui::test
