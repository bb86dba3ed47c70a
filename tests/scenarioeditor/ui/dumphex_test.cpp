#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <filesystem>

#include "scenarioeditor/ui/dumpform.h"
#include "scenarioeditor/ui/hexform.h"
#include "tests/scenarioeditor/dumpfixture.h"
#include "tests/scenarioeditor/ui/qrledrig.h"

namespace qrl::scenui::test {
namespace {

constexpr size_t Slot3Start = 0x1E;

class DumpHexTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(Folder); }

  // The program started on `file`, with the chosen window shown.
  void Start(const Bytes& file) {
    PutOobFiles(Folder);  // so that the load shows no weapon-name warnings
    Rig = std::make_unique<QrlEdRig>(StartUpIn(Folder, Put(Folder, "SCEN007.DAT", file)));
    Image = Rig->Doc().Slots.GameFileBuf;
  }
  TDumpForm& ShowDump() {
    Rig->Form1().findChild<QAction*>("DumpFile1")->trigger();
    Rig->Windows.DumpForm->FormActivate();
    return *Rig->Windows.DumpForm;
  }
  THexForm& ShowHex() {
    Rig->Form1().findChild<QAction*>("HexEditor1")->trigger();
    return *Rig->Windows.HexForm;
  }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
  const std::vector<uint8_t>& Buf() { return Rig->Doc().Slots.GameFileBuf; }
  QString Path(const std::string& name) const { return QString::fromStdString(Folder + name); }

  std::string Folder = qrl::test::MakeTempFolder("dumphex");
  std::unique_ptr<QrlEdRig> Rig;
  std::vector<uint8_t> Image;  // the buffer as loaded
};

TEST_F(DumpHexTest, EveryControlCarriesItsNameAndCaption) {
  Start(qrl::test::DumpGameFile());
  TDumpForm& dump = ShowDump();
  THexForm& hex = ShowHex();
  EXPECT_TRUE(dump.isVisible());
  EXPECT_TRUE(hex.isVisible());
  EXPECT_EQ(dump.windowTitle(), "Dump");
  EXPECT_EQ(hex.windowTitle(), "Hex");
  const std::vector<std::pair<QWidget*, const char*>> named = {
      {&dump, "DumpGrid:DumpGrid"},   {&dump, "AllBtn:All"},          {&dump, "SectionBtn:Section"},
      {&dump, "StatsBtn:Stats"},      {&dump, "LoadBtn:Load All"},    {&dump, "LoadSectionBtn:Ld Sec"},
      {&hex, "HexGrid:HexGrid"},      {&hex, "SectionUD:SectionUD"},  {&hex, "SectionEdit:SectionEdit"},
      {&hex, "SizeEdit:SizeEdit"},    {&hex, "DisplayRG:Display"},    {&hex, "DisplayRG0:Combo"},
      {&hex, "DisplayRG1:Hex"},       {&hex, "DisplayRG2:Dec."},      {&hex, "RetainBtn:Retain"},
      {&hex, "PgUpBtn:Page Up"},      {&hex, "LnUpBtn:Line Up"},      {&hex, "LnDnBtn:Line Down"},
      {&hex, "PgDnBtn:Page Down"},
  };
  for (const auto& [window, spec] : named) {
    const QStringList parts = QString(spec).split(':');
    QWidget* control = window->findChild<QWidget*>(parts[0]);
    ASSERT_NE(control, nullptr) << spec;
    EXPECT_EQ(control->accessibleName(), parts[1]) << spec;
  }
  EXPECT_NE(dump.findChild<QLabel*>("DumpLbl"), nullptr);
  EXPECT_EQ(hex.PgDnBtn->toolTip(), "Page Down");
  EXPECT_EQ(hex.SizeEdit->text(), "16");
  EXPECT_EQ(hex.SectionUD->minimum(), 0);
  EXPECT_EQ(hex.SectionUD->maximum(), 60);
  EXPECT_EQ(hex.HexGrid->ColWidth(0), 60);
  EXPECT_EQ(hex.HexGrid->ColWidth(1), 30);
  EXPECT_EQ(hex.HexGrid->RowCount(), 11);
  EXPECT_EQ(dump.DumpGrid->ColWidth(2), 107);
}

TEST_F(DumpHexTest, TheDumpCommandsWriteTheHeaderUntilARowIsChosenThenThatRowsSlot) {
  Start(qrl::test::DumpGameFile());
  TDumpForm& dump = ShowDump();
  EXPECT_EQ(dump.DumpLbl->text(), "3 Sections");
  EXPECT_EQ(dump.DumpGrid->RowCount(), 4);
  EXPECT_EQ(dump.DumpGrid->Cell(0, 3), "  3");
  EXPECT_EQ(dump.DumpGrid->Cell(2, 3), " 00001E");

  forms::DialogScript script;
  script.Choose(Path("head.s0")).Choose(Path("three.s3")).Choose(Path("game.all")).Choose(Path("stats.txt"));
  Click(dump.SectionBtn);
  ASSERT_TRUE(dump.DumpGrid->SetCurrentCell(1, 3));
  Click(dump.SectionBtn);
  Click(dump.AllBtn);
  Click(dump.StatsBtn);
  EXPECT_TRUE(Rig->Log.Entries().empty());
  EXPECT_EQ(ReadBytes(Folder + "head.s0"), qrl::test::DumpHeader());
  EXPECT_EQ(ReadBytes(Folder + "three.s3"), qrl::test::DumpRecord3());
  EXPECT_EQ(ReadBytes(Folder + "game.all"),
            qrl::test::Concat({qrl::test::DumpHeader(), qrl::test::DumpRecord1(), qrl::test::DumpRecord3()}));
  const std::string stats = "330 bytes in " + Rig->Doc().CurrentFile +
                            "\r\nSect  Size(d)  Address(h)\r\n  0       20        0\r\n  1       10       14\r\n"
                            "  3      300       1E\r\n";
  EXPECT_EQ(ReadBytes(Folder + "stats.txt"), Bytes(stats.begin(), stats.end()));

  ASSERT_EQ(script.Calls().size(), 4u);
  for (const forms::DialogCall& call : script.Calls()) {
    EXPECT_EQ(call.Kind, forms::DialogKind::Save);
    EXPECT_EQ(call.InitialDir, QString::fromStdString(Folder));
    EXPECT_EQ(call.Title, "");
  }
  EXPECT_EQ(script.Calls()[0].Filter, "Sections (*.s*)|*.s*|All Files(*.*)|*.*");
  EXPECT_EQ(script.Calls()[2].Filter, "All Sections (*.all)|*.all|All Files(*.*)|*.*");
  EXPECT_EQ(script.Calls()[3].Filter, "All Sections (*.all)|*.all|All Files(*.*)|*.*");  // Stats sets none

  // Another file lists other slots: the chosen row no longer stands for slot 3.
  Put(Folder, "B.DAT", qrl::test::GameFileBuilder().Section(1, {1, 2, 3}).Build());
  Rig->LoadByWindow(Folder, "B.DAT");
  dump.FormActivate();
  EXPECT_EQ(dump.DumpLbl->text(), "2 Sections");
  EXPECT_EQ(dump.Selection().Tag(), 0);
}

TEST_F(DumpHexTest, ASaveThatFailsKeepsWhatWasThereAndTheDialogAsksBeforeReplacing) {
  Start(qrl::test::DumpGameFile());
  TDumpForm& dump = ShowDump();
  Put(Folder, "old.all", Bytes{9});
  forms::DialogScript script;
  script.Choose(Path("gone/new.all")).Choose(Path("old.all"));
  Click(dump.AllBtn);
  EXPECT_EQ(Rig->Log.Entries(), Boxes({{"Could not open output file", "Error"}}));
  EXPECT_FALSE(std::filesystem::exists(Folder + "gone"));
  Click(dump.AllBtn);
  ASSERT_EQ(script.Calls().size(), 2u);
  EXPECT_FALSE(script.Calls()[0].AskedOverwrite);
  EXPECT_TRUE(script.Calls()[1].AskedOverwrite);
  EXPECT_EQ(ReadBytes(Folder + "old.all").size(), 330u);
}

TEST_F(DumpHexTest, DumpsLoadedBackChangeTheImageAndTheUnitGridOrAreRefusedWhole) {
  Start(TwoSides().Build());
  TDumpForm& dump = ShowDump();
  ASSERT_EQ(Rig->ShownCell(2, 1), "Pz IV 1");
  ASSERT_TRUE(dump.DumpGrid->SetCurrentCell(0, 2));  // slot 1: the units
  {
    forms::DialogScript script;
    script.Choose(Path("units.s1")).Choose(Path("game.all"));
    Click(dump.SectionBtn);
    Click(dump.AllBtn);
  }
  Bytes units = ReadBytes(Folder + "units.s1");
  ASSERT_EQ(units.size(), 2u * 400 * 258);
  std::copy_n("Tiger 1", 8, units.begin());
  Put(Folder, "tiger.s1", units);
  Put(Folder, "long.s1", Bytes(units.size() + 1, 0));
  Put(Folder, "long.all", Bytes(ReadBytes(Folder + "game.all").size() + 1, 0));

  forms::DialogScript script;
  script.Choose(Path("tiger.s1"));
  Click(dump.LoadSectionBtn);
  EXPECT_EQ(Rig->ShownCell(2, 1), "Tiger 1");
  script.Choose(Path("game.all"));
  Click(dump.LoadBtn);
  EXPECT_EQ(Rig->ShownCell(2, 1), "Pz IV 1");
  EXPECT_EQ(Buf(), Image);
  EXPECT_TRUE(Rig->Log.Entries().empty());

  script.Choose(Path("long.s1")).Choose(Path("long.all")).Choose(Path("missing.all"));
  Click(dump.LoadSectionBtn);
  Click(dump.LoadBtn);
  Click(dump.LoadBtn);
  const char* const tooLarge = "The file is larger than the data it would replace; nothing was read.";
  EXPECT_EQ(Rig->Log.Entries(), Boxes({{tooLarge, "Error"}, {tooLarge, "Error"}, {"Could not open file", "Error"}}));
  EXPECT_EQ(Buf(), Image);
  EXPECT_EQ(Rig->ShownCell(2, 1), "Pz IV 1");

  ASSERT_EQ(script.Calls().size(), 5u);
  EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
  EXPECT_EQ(script.Calls()[0].Title, "Load a Section Dump File");
  EXPECT_EQ(script.Calls()[1].Title, "Load a Dump File");
  EXPECT_EQ(script.Calls()[1].InitialDir, QString::fromStdString(Folder));
  EXPECT_EQ(script.Calls()[1].Filter, "");
}

TEST_F(DumpHexTest, TheHexViewScrollsAndTakesOnlyUsableLineWidths) {
  Start(qrl::test::DumpGameFile());
  THexForm& hex = ShowHex();
  hex.SectionUD->setValue(3);
  EXPECT_EQ(hex.HexGrid->Cell(0, 1), "0000");
  EXPECT_EQ(hex.HexGrid->Cell(6, 1), "0D");
  EXPECT_EQ(hex.HexGrid->Cell(7, 1), "A");
  Click(hex.PgDnBtn);
  EXPECT_EQ(hex.HexGrid->Cell(0, 1), "000A");
  EXPECT_EQ(hex.HexGrid->Cell(0, 10), "0013");
  Click(hex.LnUpBtn);
  EXPECT_EQ(hex.HexGrid->Cell(0, 1), "0009");
  Click(hex.PgUpBtn);
  EXPECT_EQ(hex.HexGrid->Cell(0, 1), "0000");

  for (const char* text : {"", "0", "-3", "257", "100000", "x"}) {
    hex.SizeEdit->setText(text);
    EXPECT_EQ(hex.View().BytesPerLine, 16) << text;
    EXPECT_EQ(hex.HexGrid->ColCount(), 17) << text;
  }
  EXPECT_TRUE(Rig->Log.Entries().empty());
  hex.SizeEdit->setText("32");
  EXPECT_EQ(hex.HexGrid->ColCount(), 33);
  EXPECT_EQ(hex.HexGrid->Cell(32, 0), "1F");
  hex.SizeEdit->setText("8");
  EXPECT_EQ(hex.HexGrid->ColCount(), 17);
  EXPECT_EQ(hex.HexGrid->Cell(8, 1), "07");
  EXPECT_EQ(hex.HexGrid->Cell(9, 1), "");
  EXPECT_EQ(hex.HexGrid->Cell(16, 10), "");

  hex.SizeEdit->setText("16");
  for (int i = 0; i < 5; ++i) Click(hex.PgDnBtn);
  for (int i = 0; i < 20; ++i) Click(hex.LnDnBtn);
  EXPECT_EQ(hex.View().HexOffset, 288);
  EXPECT_EQ(hex.HexGrid->Cell(12, 1), "+");  // byte 299 of the slot, the image's last
  EXPECT_EQ(hex.HexGrid->Cell(13, 1), "");

  Click(hex.DisplayButtons[2]);
  EXPECT_EQ(hex.View().Mode, scen::HexMode::Dec);
  EXPECT_EQ(hex.HexGrid->Cell(12, 1), "43");
  EXPECT_EQ(hex.HexGrid->font().pointSize(), 9);
  EXPECT_EQ(Buf(), Image);
}

TEST_F(DumpHexTest, RetainStoresTheSelectedCellsByteOrSaysWhyNot) {
  Start(qrl::test::DumpGameFile());
  THexForm& hex = ShowHex();
  hex.SectionUD->setValue(3);
  ASSERT_TRUE(hex.HexGrid->SetCurrentCell(3, 2));  // byte 18 of slot 3
  hex.HexGrid->SetCell(3, 2, "41");
  Click(hex.RetainBtn);
  EXPECT_EQ(Buf()[Slot3Start + 18], 0x41);
  EXPECT_EQ(hex.HexGrid->Cell(3, 2), "41");  // not refilled

  Click(hex.DisplayButtons[1]);
  hex.HexGrid->SetCell(3, 2, "ZZ");
  Click(hex.RetainBtn);
  EXPECT_EQ(Buf()[Slot3Start + 18], 0x41);
  hex.SizeEdit->setText("2");
  ASSERT_TRUE(hex.HexGrid->SetCurrentCell(3, 2));  // beyond a line of two bytes
  hex.HexGrid->SetCell(3, 2, "7");
  Click(hex.RetainBtn);
  EXPECT_EQ(Rig->Log.Entries(),
            (std::vector<forms::ShownBox>{
                {forms::BoxKind::Exception, "'0xZZ' is not a valid integer value", "QrlEd"},
                {forms::BoxKind::Message, "This cell holds no loaded byte; nothing was stored.", "Error"}}));
  Bytes expected = Image;
  expected[Slot3Start + 18] = 0x41;
  EXPECT_EQ(Buf(), expected);
}

TEST_F(DumpHexTest, TheHexViewReloadsOnActivationOnlyWhenTheImageChanged) {
  Start(qrl::test::DumpGameFile());
  THexForm& hex = ShowHex();
  TDumpForm& dump = ShowDump();
  hex.SectionUD->setValue(3);
  hex.HexGrid->SetCell(2, 1, "typed");
  ASSERT_TRUE(hex.HexGrid->SetCurrentCell(3, 1));
  hex.HexGrid->SetCell(3, 1, "7E");
  Click(hex.RetainBtn);  // its own store keeps the other typed cell
  hex.FormActivate();
  EXPECT_EQ(hex.HexGrid->Cell(2, 1), "typed");

  {
    forms::DialogScript script;
    script.Choose(Path("game.all"));
    Click(dump.AllBtn);
  }
  hex.FormActivate();  // writing a dump changes nothing in the image
  EXPECT_EQ(hex.HexGrid->Cell(2, 1), "typed");

  forms::DialogScript script;
  script.Choose(Path("game.all"));
  Click(dump.LoadBtn);
  hex.FormActivate();
  EXPECT_EQ(hex.HexGrid->Cell(2, 1), "01");
  EXPECT_EQ(hex.HexGrid->Cell(3, 1), "~");

  hex.HexGrid->SetCell(2, 1, "typed");
  Rig->ClickSide(1);  // the main window stores its rows into the records
  hex.FormActivate();
  EXPECT_EQ(hex.HexGrid->Cell(2, 1), "01");

  hex.HexGrid->SetCell(2, 1, "typed");
  hex.hide();
  ShowHex();
  EXPECT_EQ(hex.HexGrid->Cell(2, 1), "01");
}

}  // namespace
}  // namespace qrl::scenui::test
