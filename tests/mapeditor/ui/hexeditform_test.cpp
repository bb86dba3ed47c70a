// The inspection window driven offscreen through the main window: what it
// shows, Retain and the buttons that retain, the terrain-bit toggle, copy and
// paste of the hex record, the section dump, and when it reloads.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "gamefile/fileio.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/ui/hexeditform.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/transferform.h"
#include "tests/mapeditor/ui/mapeditrig.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::mapui {
namespace {

using forms::BoxKind;

constexpr map::HexPos Hex{5, 4};
constexpr map::HexPos OtherHex{6, 4};

// A 30 x 20 map whose hex (5,4) holds a value in every record the window shows.
map::MapDocument InspectedMap() {
  map::MapDocument doc = sample::MakeBlankMap(30, 20);
  doc.SetTileWordAt(3, Hex.Col, Hex.Row, 6001);   // File 24, Icon 1
  doc.SetTileWordAt(4, Hex.Col, Hex.Row, 25000);  // File 100: no overlay shown
  doc.SetHexByteAt(Hex.Col, Hex.Row, 7);
  doc.TileStackAt(Hex.Col, Hex.Row)[0] = 3;
  map::PutTileWord(&doc.TileStackAt(Hex.Col, Hex.Row)[2], 501);
  map::PutTileWord(&doc.TileStackAt(Hex.Col, Hex.Row)[4], map::EmptyTileWord);
  for (int i = 0; i < map::HexRecordRows; ++i) doc.MapHexRecordAt(Hex.Col, Hex.Row)[size_t(i)] = uint8_t(10 + i);
  doc.MapHexRecordAt(Hex.Col, Hex.Row)[2] = 1;
  for (int i = 0; i < map::HexRecordRows; ++i) doc.MapHexRecordAt(OtherHex.Col, OtherHex.Row)[size_t(i)] = 200;
  return doc;
}

class HexEditFormTest : public MapEditRig {
 protected:
  HexEditFormTest() : MapEditRig("hexedit") {}

  void Load(const map::MapDocument& doc) {
    MapEditRig::Load(doc);
    ASSERT_EQ(Doc.MapKind, map::CurrentMapKind);
  }

  // Inspection Mode on with the mouse over `hex`: the window shows and loads.
  void Inspect(map::HexPos hex) {
    Main->Mouse.HexCol = hex.Col;
    Main->Mouse.HexRow = hex.Row;
    Main->InspectionMode1->Action()->trigger();
    ASSERT_TRUE(HexEdit->isVisible());
    Activate(*HexEdit);
  }

  // To the main window and back into the inspection window.
  void VisitMainWindow() {
    Activate(*Main);
    Activate(*HexEdit);
  }

  QString Cell(forms::StringGrid* grid, int col, int row) { return grid->Cell(col, row); }
  void ClickS8Row(int row) {
    QTest::mouseClick(HexEdit->S8Grid->viewport(), Qt::LeftButton, {}, HexEdit->S8Grid->CellRect(1, row).center());
    ASSERT_EQ(HexEdit->S8Grid->Row(), row);
  }

};

TEST_F(HexEditFormTest, TheWindowCarriesItsNamesHeadingsAndDesignTexts) {
  EXPECT_EQ(HexEdit->windowTitle(), "Inspection Window");
  struct Named {
    QWidget* Control;
    const char* Name;
    const char* Accessible;
  };
  const Named named[] = {
      {HexEdit.get(), "HexEditForm", "Inspection Window"},
      {HexEdit->HexGrid, "HexGrid", "HexGrid"},
      {HexEdit->CancelBtns[0], "CancelS3Btn", "CancelS3Btn"},
      {HexEdit->CancelBtns[4], "CancelS7Btn", "CancelS7Btn"},
      {HexEdit->S29Edit, "S29Edit", "S29Edit"},
      {HexEdit->S28Edit, "S28Edit", "S28Edit"},
      {HexEdit->S28Grid, "S28Grid", "S28Grid"},
      {HexEdit->S8Grid, "S8Grid", "S8Grid"},
      {HexEdit->TerrainCB, "TerrainCB", "TerrainCB"},
      {HexEdit->ToggleBtn, "ToggleBtn", "ToggleBtn"},
      {HexEdit->CopyS8Btn, "CopyS8Btn", "CopyS8Btn"},
      {HexEdit->PasteS8Btn, "PasteS8Btn", "PasteS8Btn"},
      {HexEdit->WidthEdit, "WidthEdit", "WidthEdit"},
      {HexEdit->HeightEdit, "HeightEdit", "HeightEdit"},
      {HexEdit->RetainBtn, "RetainBtn", "Retain"},
      {HexEdit->DumpBtn, "DumpBtn", "Dump"},
      {HexEdit->DumpEdit, "DumpEdit", "DumpEdit"},
  };
  for (const Named& n : named) {
    EXPECT_EQ(n.Control->objectName(), n.Name);
    EXPECT_EQ(n.Control->accessibleName(), n.Accessible);
  }
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(HexEdit->findChild<QToolButton*>(QString("CancelS%1Btn").arg(i + 3)), HexEdit->CancelBtns[size_t(i)]);
  EXPECT_EQ(HexEdit->findChild<QLabel*>("XYLbl"), HexEdit->XYLbl);

  const QStringList hexHeadings = {"Sec.", "File", "Icon"};
  for (int col = 0; col < 3; ++col) EXPECT_EQ(HexEdit->HexGrid->Cell(col, 0), hexHeadings[col]);
  const QStringList rows = {"Main", "Sec3", "Sec4", "Sec5", "Sec6", "Sec7"};
  for (int row = 1; row <= 6; ++row) EXPECT_EQ(HexEdit->HexGrid->Cell(0, row), rows[row - 1]);
  EXPECT_EQ(HexEdit->S28Grid->Cell(0, 0), "File");
  EXPECT_EQ(HexEdit->S28Grid->Cell(1, 0), "Icon");
  EXPECT_EQ(HexEdit->S28Grid->RowCount(), 7);
  EXPECT_EQ(HexEdit->S8Grid->Cell(0, 0), "Byte");
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 0), "Val.");
  EXPECT_EQ(HexEdit->S8Grid->RowCount(), 21);
  EXPECT_EQ(HexEdit->RetainBtn->text(), "Retain");
  EXPECT_EQ(HexEdit->DumpBtn->text(), "Dump");
  EXPECT_EQ(HexEdit->DumpEdit->text(), "2");
  for (QLineEdit* edit : {HexEdit->S29Edit, HexEdit->S28Edit, HexEdit->WidthEdit, HexEdit->HeightEdit})
    EXPECT_EQ(edit->text(), "0");

  // The terrain list shows its prompt with no item chosen until a row 1..4 is picked.
  EXPECT_EQ(HexEdit->TerrainCB->currentIndex(), -1);
  EXPECT_EQ(HexEdit->TerrainCB->placeholderText(), "S8 Terrain");
  const QStringList first = {"0 Bit 0", "0 Bit 1", "0 Bit 2", "0 Bit 3", "0 Stone Bldg", "0 Wood Bldg", "0 Bit 6", "0 Bit 7"};
  ASSERT_EQ(HexEdit->TerrainCB->count(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(HexEdit->TerrainCB->itemText(i), first[i]);
}

TEST_F(HexEditFormTest, ShowingLoadsTheHexUnderTheMouseAndRetainWritesEveryFieldUndoably) {
  Load(InspectedMap());
  Inspect(Hex);
  EXPECT_EQ(HexEdit->XYLbl->text(), "5,4   ");
  const QStringList shown[] = {{"262", "35"}, {"24", "1"}, {" -", " -"}, {" -", " -"}, {" -", " -"}, {" -", " -"}};
  for (int row = 1; row <= 6; ++row) {
    EXPECT_EQ(HexEdit->HexGrid->Cell(1, row), shown[row - 1][0]) << row;
    EXPECT_EQ(HexEdit->HexGrid->Cell(2, row), shown[row - 1][1]) << row;
  }
  EXPECT_EQ(HexEdit->WidthEdit->text(), "30");
  EXPECT_EQ(HexEdit->HeightEdit->text(), "20");
  EXPECT_EQ(HexEdit->S29Edit->text(), "7");
  EXPECT_EQ(HexEdit->S28Edit->text(), "3");
  EXPECT_EQ(HexEdit->S28Grid->Cell(0, 1), "2");
  EXPECT_EQ(HexEdit->S28Grid->Cell(1, 1), "1");
  EXPECT_EQ(HexEdit->S28Grid->Cell(0, 2), "262");  // an empty stack word shows as numbers
  EXPECT_EQ(HexEdit->S28Grid->Cell(1, 2), "35");
  EXPECT_EQ(HexEdit->S8Grid->Cell(0, 20), "19");
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 20), "29");
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 3), "1");

  // Retain of the unchanged hex: only the overlay word past file 99 becomes
  // empty, and Undo is offered.
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  map::MapDocument expected = InspectedMap();
  expected.SetTileWordAt(4, Hex.Col, Hex.Row, map::EmptyTileWord);
  QTest::mouseClick(HexEdit->RetainBtn, Qt::LeftButton);
  EXPECT_TRUE(Main->UndoBtn->isEnabled());
  EXPECT_EQ(map::BuildMapFile(Doc), map::BuildMapFile(expected));
  QTest::mouseClick(Main->UndoBtn, Qt::LeftButton);
  EXPECT_EQ(Doc.TileWordAt(4, Hex.Col, Hex.Row), 25000);

  // A bad field ends the write with the conversion box; the fields before it
  // stay stored, and nothing reloads the window.
  HexEdit->HexGrid->SetCell(1, 1, "1");
  HexEdit->HexGrid->SetCell(2, 1, "2");
  HexEdit->HexGrid->SetCell(1, 6, "3");
  HexEdit->HexGrid->SetCell(2, 6, "-1");
  HexEdit->WidthEdit->setText("300");
  HexEdit->S29Edit->setText("abc");
  HexEdit->S28Edit->setText("9");
  HexEdit->S8Grid->SetCell(1, 1, "99");
  QTest::mouseClick(HexEdit->RetainBtn, Qt::LeftButton);
  ASSERT_EQ(Boxes.Entries().size(), 1u);
  EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Exception);
  EXPECT_EQ(Boxes.Entries()[0].Text, "'abc' is not a valid integer value");
  EXPECT_EQ(Doc.TileWordAt(2, Hex.Col, Hex.Row), 252);
  EXPECT_EQ(Doc.TileWordAt(7, Hex.Col, Hex.Row), 0x02ED);
  EXPECT_EQ(Doc.Section(map::MapWidthSection)[0], 44);
  EXPECT_EQ(Doc.MapWidth, 30);
  EXPECT_EQ(*Doc.HexByteAt(Hex.Col, Hex.Row), 7);
  EXPECT_EQ(Doc.TileStackAt(Hex.Col, Hex.Row)[0], 3);
  EXPECT_EQ(Doc.MapHexRecordAt(Hex.Col, Hex.Row)[0], 10);
  EXPECT_TRUE(Main->UndoBtn->isEnabled());
  VisitMainWindow();
  EXPECT_EQ(HexEdit->WidthEdit->text(), "300");
  EXPECT_EQ(HexEdit->S29Edit->text(), "abc");

  // The undo record holds the hex as it was, not sections 38 and 39.
  QTest::mouseClick(Main->UndoBtn, Qt::LeftButton);
  EXPECT_EQ(Doc.TileWordAt(2, Hex.Col, Hex.Row), map::EmptyTileWord);
  EXPECT_EQ(Doc.TileWordAt(7, Hex.Col, Hex.Row), map::EmptyTileWord);
  EXPECT_EQ(Doc.Section(map::MapWidthSection)[0], 44);
}

TEST_F(HexEditFormTest, EachClearButtonEmptiesItsLayerAndRetainsTheWholeWindow) {
  map::MapDocument doc = InspectedMap();
  for (int layer = 3; layer <= 7; ++layer) doc.SetTileWordAt(layer, Hex.Col, Hex.Row, 6001);
  Load(doc);
  Inspect(Hex);
  for (int layer = 3; layer <= 7; ++layer) {
    SCOPED_TRACE(layer);
    for (int other = 3; other <= 7; ++other) Doc.SetTileWordAt(other, Hex.Col, Hex.Row, 6001);
    for (int row = 2; row <= 6; ++row) {
      HexEdit->HexGrid->SetCell(1, row, "24");
      HexEdit->HexGrid->SetCell(2, row, "1");
    }
    HexEdit->S29Edit->setText(QString::number(layer));  // typed, not retained
    Main->UndoBtn->setEnabled(false);
    QTest::mouseClick(HexEdit->CancelBtns[size_t(layer - 3)], Qt::LeftButton);
    EXPECT_EQ(HexEdit->HexGrid->Cell(1, layer - 1), " -");
    EXPECT_EQ(HexEdit->HexGrid->Cell(2, layer - 1), " -");
    for (int other = 3; other <= 7; ++other)
      EXPECT_EQ(Doc.TileWordAt(other, Hex.Col, Hex.Row), other == layer ? map::EmptyTileWord : 6001) << other;
    EXPECT_EQ(Doc.HexByteAt(Hex.Col, Hex.Row), layer);
    EXPECT_TRUE(Main->UndoBtn->isEnabled());
  }
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(HexEditFormTest, TheToggleFlipsTheBitNamedInTheListOfTheSelectedByte) {
  Load(InspectedMap());
  Inspect(Hex);
  const std::vector<uint8_t> before = Doc.MapFileBuf;

  // Before a terrain byte was picked no bit is chosen: nothing happens.
  QTest::mouseClick(HexEdit->ToggleBtn, Qt::LeftButton);
  EXPECT_TRUE(Doc.MapFileBuf == before);
  EXPECT_FALSE(Main->UndoBtn->isEnabled());

  struct Names {
    int Row;
    int Item;
    const char* Name;
  };
  const Names names[] = {{1, 0, "Field"},       {1, 6, "2nd Road"},   {2, 0, "Wood Bridge"}, {2, 5, "32 Bit 5"},
                         {3, 5, "Deep Water"}, {3, 7, "Orch/Vinyard"}, {4, 3, "4 Bit 3"},    {4, 4, "8 Bit 4"}};
  for (const Names& n : names) {
    ClickS8Row(n.Row);
    EXPECT_TRUE(HexEdit->TerrainCB->isEnabled());
    ASSERT_EQ(HexEdit->TerrainCB->count(), 8);
    EXPECT_EQ(HexEdit->TerrainCB->currentIndex(), 0);
    EXPECT_EQ(HexEdit->TerrainCB->itemText(n.Item), n.Name) << n.Row;
  }

  // "Deep Water" on byte 2 = 1 gives 33, stored undoably with the rest of the window.
  ClickS8Row(3);
  HexEdit->TerrainCB->setCurrentIndex(5);
  HexEdit->S29Edit->setText("8");
  QTest::mouseClick(HexEdit->ToggleBtn, Qt::LeftButton);
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 3), "33");
  EXPECT_EQ(Doc.MapHexRecordAt(Hex.Col, Hex.Row)[2], 33);
  EXPECT_EQ(Doc.HexByteAt(Hex.Col, Hex.Row), 8);
  EXPECT_TRUE(Main->UndoBtn->isEnabled());
  QTest::mouseClick(HexEdit->ToggleBtn, Qt::LeftButton);
  EXPECT_EQ(Doc.MapHexRecordAt(Hex.Col, Hex.Row)[2], 1);

  // A cell that is no number: the conversion box and nothing written.
  Main->UndoBtn->setEnabled(false);
  HexEdit->S8Grid->SetCell(1, 3, "x");
  const std::vector<uint8_t> kept = Doc.MapFileBuf;
  QTest::mouseClick(HexEdit->ToggleBtn, Qt::LeftButton);
  ASSERT_EQ(Boxes.Entries().size(), 1u);
  EXPECT_EQ(Boxes.Entries()[0].Text, "'x' is not a valid integer value");
  EXPECT_TRUE(Doc.MapFileBuf == kept);
  EXPECT_FALSE(Main->UndoBtn->isEnabled());

  // Rows past the terrain bytes disable the list and toggle nothing.
  HexEdit->S8Grid->SetCell(1, 5, "14");
  ClickS8Row(5);
  EXPECT_FALSE(HexEdit->TerrainCB->isEnabled());
  QTest::mouseClick(HexEdit->ToggleBtn, Qt::LeftButton);
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 5), "14");
  EXPECT_TRUE(Doc.MapFileBuf == kept);
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
}

TEST_F(HexEditFormTest, CopyS8TakesTheRecordFromTheMapAndPasteS8StoresItWithoutUndo) {
  Load(InspectedMap());
  Inspect(OtherHex);
  // Before any copy the paste writes twenty zeros and shows them.
  QTest::mouseClick(HexEdit->PasteS8Btn, Qt::LeftButton);
  for (int i = 0; i < map::HexRecordRows; ++i) {
    EXPECT_EQ(Doc.MapHexRecordAt(OtherHex.Col, OtherHex.Row)[size_t(i)], 0);
    EXPECT_EQ(HexEdit->S8Grid->Cell(1, i + 1), "0");
  }

  Main->Mouse.HexCol = Hex.Col;
  VisitMainWindow();
  ASSERT_EQ(HexEdit->XYLbl->text(), "5,4   ");
  HexEdit->S8Grid->SetCell(1, 1, "99");  // typed, not retained: not copied
  QTest::mouseClick(HexEdit->CopyS8Btn, Qt::LeftButton);

  Main->Mouse.HexCol = OtherHex.Col;
  VisitMainWindow();
  HexEdit->S29Edit->setText("123");  // only the record is pasted
  QTest::mouseClick(HexEdit->RetainBtn, Qt::LeftButton);
  HexEdit->S29Edit->setText("124");
  ASSERT_TRUE(Main->UndoBtn->isEnabled());
  QTest::mouseClick(HexEdit->PasteS8Btn, Qt::LeftButton);
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  const auto from = Doc.MapHexRecordAt(Hex.Col, Hex.Row);
  const auto to = Doc.MapHexRecordAt(OtherHex.Col, OtherHex.Row);
  EXPECT_TRUE(std::equal(from.begin(), from.end(), to.begin()));
  EXPECT_EQ(to[0], 10);
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 1), "10");
  EXPECT_EQ(HexEdit->S8Grid->Cell(0, 1), "0");
  EXPECT_EQ(Doc.HexByteAt(OtherHex.Col, OtherHex.Row), 123);
  EXPECT_EQ(HexEdit->S29Edit->text(), "124");
  VisitMainWindow();  // its own paste makes the window reload nothing
  EXPECT_EQ(HexEdit->S29Edit->text(), "124");
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(HexEditFormTest, TheDumpWritesTheDecodedSectionThroughTheMainSaveDialog) {
  Load(sample::MakeBlankMap(100, 80));
  Inspect(Hex);
  Main->SaveDialog1.SetDefaultExt("map");
  Main->SaveDialog1.SetInitialDir(Q(Folder));
  {
    forms::DialogScript script;
    script.Choose(Q(Folder + "eight.s08"));
    HexEdit->DumpEdit->setText("8");
    QTest::mouseClick(HexEdit->DumpBtn, Qt::LeftButton);
    ASSERT_EQ(script.Calls().size(), 1u);
    const forms::DialogCall& call = script.Calls()[0];
    EXPECT_EQ(call.Kind, forms::DialogKind::Save);
    EXPECT_EQ(call.Title, "Dump Section 8");
    EXPECT_EQ(call.Filter, "Section Dump (*.s*)|*.s*|All Files (*.*)|*.*");
    EXPECT_EQ(call.DefaultExt, "map");
    EXPECT_EQ(call.InitialDir, Q(Folder));
  }
  const auto dumped = ReadWholeFile(Folder + "eight.s08");
  ASSERT_TRUE(dumped);
  ASSERT_EQ(dumped->size(), 160000u);
  EXPECT_TRUE(std::equal(dumped->begin(), dumped->end(), Doc.Section(8).begin()));

  // Ids without a section ask nothing and say nothing; a cancel writes nothing.
  {
    forms::DialogScript script;
    for (const char* id : {"0", "1", "9", "50", "-1"}) {
      HexEdit->DumpEdit->setText(id);
      QTest::mouseClick(HexEdit->DumpBtn, Qt::LeftButton);
    }
    EXPECT_TRUE(script.Calls().empty());
    script.Cancel();
    HexEdit->DumpEdit->setText("2");
    QTest::mouseClick(HexEdit->DumpBtn, Qt::LeftButton);
    ASSERT_EQ(script.Calls().size(), 1u);
    EXPECT_EQ(script.Calls()[0].Title, "Dump Section 2");
  }
  EXPECT_TRUE(Boxes.Entries().empty());

  // A file that cannot be written, and an id that is no number.
  {
    forms::DialogScript script;
    script.Choose(Q(Folder + "no such folder/eight.s08"));
    HexEdit->DumpEdit->setText("8");
    QTest::mouseClick(HexEdit->DumpBtn, Qt::LeftButton);
    HexEdit->DumpEdit->setText("eight");
    QTest::mouseClick(HexEdit->DumpBtn, Qt::LeftButton);
    EXPECT_EQ(script.Calls().size(), 1u);
  }
  ASSERT_EQ(Boxes.Entries().size(), 2u);
  EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Message);
  EXPECT_EQ(Boxes.Entries()[0].Text, "Could not open dump file");
  EXPECT_EQ(Boxes.Entries()[0].Caption, "Error");
  EXPECT_EQ(Boxes.Entries()[1].Kind, BoxKind::Exception);
  EXPECT_EQ(Boxes.Entries()[1].Text, "'eight' is not a valid integer value");
}

TEST_F(HexEditFormTest, TypedValuesSurviveAVisitElsewhereUntilAnotherHexOrAStoreElsewhere) {
  Load(InspectedMap());
  Inspect(Hex);
  HexEdit->S29Edit->setText("77");
  HexEdit->HexGrid->SetCell(1, 1, "3");
  VisitMainWindow();
  EXPECT_EQ(HexEdit->S29Edit->text(), "77");
  EXPECT_EQ(HexEdit->HexGrid->Cell(1, 1), "3");

  // The mouse moved over the map while the window was active: the window
  // keeps its hex until it is activated again.
  Main->Mouse.HexCol = OtherHex.Col;
  QTest::mouseClick(HexEdit->RetainBtn, Qt::LeftButton);
  EXPECT_EQ(Doc.HexByteAt(Hex.Col, Hex.Row), 77);
  EXPECT_EQ(Doc.HexByteAt(OtherHex.Col, OtherHex.Row), 0);
  HexEdit->S29Edit->setText("78");
  VisitMainWindow();
  EXPECT_EQ(HexEdit->XYLbl->text(), "6,4   ");
  EXPECT_EQ(HexEdit->S29Edit->text(), "0");
  EXPECT_EQ(HexEdit->HexGrid->Cell(1, 1), "262");
  EXPECT_EQ(HexEdit->S8Grid->Cell(1, 1), "200");

  // A store by the main window (Undo) reloads at the next activation.
  Main->Mouse.HexCol = Hex.Col;
  VisitMainWindow();
  ASSERT_EQ(HexEdit->S29Edit->text(), "77");
  HexEdit->S29Edit->setText("79");
  Activate(*Main);
  QTest::mouseClick(Main->UndoBtn, Qt::LeftButton);
  Activate(*HexEdit);
  EXPECT_EQ(HexEdit->S29Edit->text(), "7");

  // So does a load, and hiding and showing the window reloads.
  HexEdit->S29Edit->setText("80");
  Activate(*Main);
  Load(InspectedMap());
  Main->Mouse.HexCol = Hex.Col;  // the load takes the hex under the mouse anew
  Main->Mouse.HexRow = Hex.Row;
  Activate(*HexEdit);
  EXPECT_EQ(HexEdit->S29Edit->text(), "7");
  HexEdit->S29Edit->setText("81");
  Main->InspectionMode1->Action()->trigger();
  EXPECT_FALSE(HexEdit->isVisible());
  Main->InspectionMode1->Action()->trigger();
  EXPECT_EQ(HexEdit->S29Edit->text(), "7");
  EXPECT_TRUE(Boxes.Entries().empty());
}

}  // namespace
}  // namespace qrl::mapui
