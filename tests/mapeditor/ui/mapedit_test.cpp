// Map editing in QrlMap's real windows, driven offscreen: road and connection
// clicks, the click marker, the tile transfer window with its strip, the
// terrain index, stamping by a right press on the view, and Undo.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <filesystem>

#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/transferstrip.h"
#include "mapeditor/ui/hexeditform.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/mapimage.h"
#include "mapeditor/ui/transferform.h"
#include "tests/mapeditor/ui/mapeditrig.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::mapui {
namespace {

using forms::BoxKind;
using test::Bytes;

constexpr int16_t Green = 13;

// A terrain graphics file of images of the given widths, 50 pixels high; a
// width of 0 stands for an image that cannot be read.
Bytes StripFile(std::initializer_list<int> widths) {
  std::vector<sample::ShpFileImage> images;
  for (int width : widths) {
    images.push_back(sample::MakeShpImage(sample::ShpPicture(std::max(width, 1), 50, Green)));
    if (width == 0) images.back().FirstWord = 0;
  }
  return sample::BuildShpFile(images);
}

Bytes CountOnly(int32_t count) {
  Bytes file(8, 0);
  WriteLe32(file.data() + map::ShpCountOffset, uint32_t(count));
  return file;
}

// The centre of hex (col, row) in the view's pixels with the view at (0, 0).
QPoint HexCentre(int col, int row) {
  return {map::TileOriginX + col * map::HexPitchX + map::HexPitchX / 2 + ((row & 1) ? map::OddRowShift : 0),
          map::TileOriginY + row * map::HexPitchY + map::HexPitchY / 2};
}

class MapEditTest : public MapEditRig {
 protected:
  MapEditTest() : MapEditRig("mapedit") {}

  void WriteShp(int file, const Bytes& bytes) { test::WriteFile(Folder + map::ShpFileName(file), bytes); }

  void LoadStrip(int file) {
    Transfer->FileNumberEdit->setValue(file);
    QTest::mouseClick(Transfer->LoadBtn, Qt::LeftButton);
  }

  void PressStrip(int x, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(Transfer->TransferImg, button, {}, QPoint(x, 50));
    QTest::mouseRelease(Transfer->TransferImg, button, {}, QPoint(x, 50));
  }

  // Moves the mouse over the view so that the move is taken.
  void MoveTo(QPoint at) {
    QTest::mouseMove(Main->MapImg, at.x() > 350 ? QPoint(10, 10) : QPoint(690, 500));
    QTest::mouseMove(Main->MapImg, at);
  }
  void ClickHex(int col, int row) {
    MoveTo(HexCentre(col, row));
    QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, HexCentre(col, row));
  }
  void RightPressHex(int col, int row, Qt::MouseButton button = Qt::RightButton) {
    MoveTo(HexCentre(col, row));
    QTest::mousePress(Main->MapImg, button, {}, HexCentre(col, row));
    QTest::mouseRelease(Main->MapImg, button, {}, HexCentre(col, row));
  }

};

TEST_F(MapEditTest, TheTransferAndIndexWindowsCarryTheirNamesAndDesignValues) {
  EXPECT_EQ(Transfer->windowTitle(), "Tile Transfer");
  EXPECT_EQ(Transfer->size(), QSize(771, 160));
  EXPECT_FALSE(Transfer->isVisible());
  struct Named {
    QWidget* Control;
    const char* Name;
    const char* Accessible;
  };
  const Named named[] = {
      {Transfer.get(), "TransferForm", "Tile Transfer"},
      {Transfer->LoadBtn, "LoadBtn", "Load"},
      {Transfer->FileNumberEdit, "FileNumberEdit", "FileNumberEdit"},
      {Transfer->IndexBtn, "IndexBtn", "Index"},
      {Transfer->SectionNumberEdit, "SectionNumberEdit", "SectionNumberEdit"},
      {Transfer->TransferSB, "TransferSB", "TransferSB"},
      {Transfer->TransferImg, "TransferImg", "TransferImg"},
      {Index.get(), "IndexForm", "Terrain Index"},
      {Index->TerrainLB, "TerrainLB", "TerrainLB"},
  };
  for (const Named& n : named) {
    EXPECT_EQ(n.Control->objectName(), n.Name);
    EXPECT_EQ(n.Control->accessibleName(), n.Accessible);
  }
  EXPECT_EQ(Transfer->findChild<QLabel*>("IconNumberLbl"), Transfer->IconNumberLbl);
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "?");
  EXPECT_EQ(Transfer->FileNumberEdit->minimum(), 0);
  EXPECT_EQ(Transfer->FileNumberEdit->maximum(), 99);
  EXPECT_EQ(Transfer->FileNumberEdit->value(), 0);
  EXPECT_FALSE(Transfer->FileNumberEdit->wrapping());
  EXPECT_EQ(Transfer->SectionNumberEdit->minimum(), 2);
  EXPECT_EQ(Transfer->SectionNumberEdit->maximum(), 6);
  EXPECT_EQ(Transfer->SectionNumberEdit->value(), 2);
  EXPECT_EQ(Transfer->TransferSB->size(), QSize(657, 121));
  EXPECT_EQ(Transfer->TransferSB->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(Transfer->TransferImg->size(), QSize(105, 105));

  EXPECT_EQ(Index->windowTitle(), "Terrain Index");
  EXPECT_EQ(Index->size(), QSize(226, 480));
  EXPECT_EQ(Index->TerrainLB->size(), QSize(201, 433));
  EXPECT_FALSE(Index->TerrainLB->isSortingEnabled());
  ASSERT_EQ(Index->TerrainLB->count(), 53);
  EXPECT_EQ(Index->TerrainLB->item(0)->text(), "Boccage  45");
  EXPECT_EQ(Index->TerrainLB->item(52)->text(), "52");
}

TEST_F(MapEditTest, TileTransferNeedsALoadedMapAndItsCloseBoxUnchecksTheItem) {
  Main->TileTransfer1->Action()->trigger();
  QTest::mouseClick(Main->SpeedButton1, Qt::LeftButton);
  EXPECT_FALSE(Transfer->isVisible());
  EXPECT_FALSE(Main->TileTransfer1->Checked());
  Main->InspectionMode1Click();
  EXPECT_FALSE(HexEdit->isVisible());
  EXPECT_FALSE(Main->InspectionMode1->Checked());

  Load(sample::MakeBlankMap(30, 20));
  Main->TileTransfer1->Action()->trigger();
  EXPECT_TRUE(Transfer->isVisible());
  EXPECT_TRUE(Main->TileTransfer1->Checked());
  EXPECT_TRUE(Main->TileTransfer1->Action()->isChecked());
  EXPECT_TRUE(Main->TransferShown);
  QTest::mouseClick(Main->SpeedButton1, Qt::LeftButton);
  EXPECT_FALSE(Transfer->isVisible());
  EXPECT_FALSE(Main->TileTransfer1->Checked());
  EXPECT_FALSE(Main->TransferShown);

  QTest::mouseClick(Main->SpeedButton1, Qt::LeftButton);
  ASSERT_TRUE(Transfer->isVisible());
  Transfer->close();  // the close box
  EXPECT_FALSE(Transfer->isVisible());
  EXPECT_FALSE(Main->TileTransfer1->Checked());
  EXPECT_FALSE(Main->TileTransfer1->Action()->isChecked());
  EXPECT_FALSE(Main->TransferShown);
  Main->TileTransfer1->Action()->trigger();  // shows the window again
  EXPECT_TRUE(Transfer->isVisible());
  EXPECT_TRUE(Main->TileTransfer1->Checked());

  // The inspection item's handler shows and hides the inspection window.
  Main->InspectionMode1Click();
  EXPECT_TRUE(HexEdit->isVisible());
  EXPECT_TRUE(Main->InspectionMode1->Checked());
  Main->InspectionMode1Click();
  EXPECT_FALSE(HexEdit->isVisible());
  EXPECT_FALSE(Main->InspectionMode1->Checked());
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(MapEditTest, TheStripShowsTheFileAndAPressPicksAndMarksAnImage) {
  PressStrip(50);  // no strip yet
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "?");

  WriteShp(5, StripFile({60, 40, 58}));
  LoadStrip(5);
  ASSERT_TRUE(Boxes.Entries().empty());
  EXPECT_EQ(Transfer->TransferImg->size(), QSize(170, 100));
  const QImage strip = Transfer->TransferImg->Picture();
  ASSERT_EQ(strip.size(), QSize(170, 100));
  EXPECT_EQ(strip.pixel(3, 3), map::ShpColour(Green));
  EXPECT_EQ(strip.pixel(64, 3), map::StripBackground);
  // The strip's own bitmaps count at once.
  EXPECT_EQ(Main->ImgNumLbl->text(), "3");
  EXPECT_EQ(Main->SizeLbl->text(), QString::number((60 + 40 + 58) * 50 / 1024));

  PressStrip(3);
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "?");
  EXPECT_EQ(Transfer->TransferImg->Picture(), strip);

  PressStrip(67, Qt::RightButton);  // any button picks
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "#1   ");
  QImage shown = Transfer->TransferImg->Picture();
  EXPECT_EQ(shown.pixel(65, 0), map::StripMarkColour);
  EXPECT_EQ(shown.pixel(107, 99), map::StripMarkColour);

  PressStrip(1000);
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "#2   ");
  shown = Transfer->TransferImg->Picture();
  EXPECT_EQ(shown.pixel(65, 0), map::StripBackground);
  EXPECT_EQ(shown.pixel(108, 50), map::StripMarkColour);

  PressStrip(0);  // left of the first image: the pick stays
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "#2   ");
  EXPECT_EQ(Transfer->Strip.TransferSelected, 2);
}

TEST_F(MapEditTest, AFileThatCannotBeLoadedKeepsTheStripAndTheLabel) {
  WriteShp(5, StripFile({60, 40, 58}));
  LoadStrip(5);
  PressStrip(67);
  const QImage strip = Transfer->TransferImg->Picture();

  LoadStrip(7);  // no such file
  WriteShp(8, CountOnly(251));
  LoadStrip(8);
  WriteShp(9, Bytes(7, 0));
  LoadStrip(9);
  ASSERT_EQ(Boxes.Entries().size(), 3u);
  EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Message);
  EXPECT_EQ(Boxes.Entries()[0].Text, "Could not open Ter07z4.shp.");
  EXPECT_EQ(Boxes.Entries()[0].Caption, "File Error");
  EXPECT_EQ(Boxes.Entries()[1].Text, "Could not read Ter08z4.shp.");
  EXPECT_EQ(Boxes.Entries()[1].Caption, "File Error");
  EXPECT_EQ(Boxes.Entries()[2].Text, "Could not read Ter09z4.shp.");
  EXPECT_EQ(Transfer->TransferImg->Picture(), strip);
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "#1   ");
  EXPECT_EQ(Transfer->Strip.TransferSelected, 1);

  // A good load keeps the label; the pick stays only while it names a readable image.
  WriteShp(10, StripFile({10, 0, 10}));
  LoadStrip(10);
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "#1   ");
  EXPECT_EQ(Transfer->Strip.TransferSelected, std::nullopt);
  QTest::mouseClick(Transfer->TransferImg, Qt::LeftButton, {}, QPoint(1, 50));
  EXPECT_EQ(Transfer->IconNumberLbl->text(), "#1   ");
}

TEST_F(MapEditTest, TheIndexSetsTheFileNumberAndLoadsNothing) {
  WriteShp(5, StripFile({60}));
  LoadStrip(5);
  const QImage strip = Transfer->TransferImg->Picture();
  QTest::mouseClick(Transfer->IndexBtn, Qt::LeftButton);
  EXPECT_TRUE(Index->isVisible());

  struct Case {
    const char* Name;
    int File;
  };
  for (const Case c : {Case{"Grass, Hills   01", 1}, Case{"48", 48}, Case{"Boccage  45", 45}}) {
    const QList<QListWidgetItem*> found = Index->TerrainLB->findItems(c.Name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    Index->TerrainLB->scrollToItem(found[0]);
    QTest::mouseClick(Index->TerrainLB->viewport(), Qt::LeftButton, {},
                      Index->TerrainLB->visualItemRect(found[0]).center());
    EXPECT_EQ(Transfer->FileNumberEdit->value(), c.File) << c.Name;
    EXPECT_EQ(Transfer->FileNumberEdit->text(), QString::number(c.File));
  }
  EXPECT_EQ(Transfer->TransferImg->Picture(), strip);
  EXPECT_EQ(Transfer->Strip.TransferTileCount, 1);
}

TEST_F(MapEditTest, ARightPressStampsThePickedImageAndUndoPutsTheHexBack) {
  Load(sample::MakeBlankMap(30, 20));
  std::vector<sample::ShpFileImage> images;
  for (int i = 0; i < 20; ++i) images.push_back(sample::MakeShpImage(sample::ShpPicture(8, 8, Green)));
  WriteShp(5, sample::BuildShpFile(images));
  LoadStrip(5);
  PressStrip(3 + 17 * 11 + 1);  // image 17
  ASSERT_EQ(Transfer->IconNumberLbl->text(), "#17   ");
  Transfer->FileNumberEdit->setValue(2);  // read at the stamp, not at the load
  Transfer->SectionNumberEdit->setValue(3);

  const std::vector<uint8_t> before = Doc.MapFileBuf;
  RightPressHex(4, 3);  // stamping is off
  EXPECT_TRUE(Doc.MapFileBuf == before);
  EXPECT_FALSE(Main->UndoBtn->isEnabled());

  Main->TileTransfer1->Action()->trigger();
  RightPressHex(4, 3, Qt::LeftButton);  // a left press stamps nothing
  EXPECT_TRUE(Doc.MapFileBuf == before);

  RightPressHex(4, 3);
  EXPECT_EQ(Doc.TileWordAt(3, 4, 3), 517);
  EXPECT_EQ(Doc.Section(3)[size_t(Doc.TileWordOffset(4, 3))], 0x05);
  EXPECT_EQ(Doc.Section(3)[size_t(Doc.TileWordOffset(4, 3)) + 1], 0x02);
  EXPECT_TRUE(Main->UndoBtn->isEnabled());
  const QImage stamped = Main->MapImg->Picture();

  QTest::mouseClick(Main->UndoBtn, Qt::LeftButton);
  EXPECT_TRUE(Doc.MapFileBuf == before);
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  EXPECT_EQ(Main->MapImg->Picture(), stamped);  // undo does not redraw

  // Before any pick the label "?" stamps image 0; a middle press stamps too.
  Transfer->IconNumberLbl->setText("?");
  Transfer->FileNumberEdit->setValue(3);
  Transfer->SectionNumberEdit->setValue(6);
  RightPressHex(5, 4, Qt::MiddleButton);
  EXPECT_EQ(Doc.TileWordAt(6, 5, 4), 750);

  // A stamp with inspection mode on brings the inspection window forward.
  Main->InspectionMode1Click();
  HexEdit->hide();
  RightPressHex(6, 4);
  EXPECT_TRUE(HexEdit->isVisible());
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(MapEditTest, RoadAndConnectionClicksAreSavedAndTakeUndoAway) {
  const map::MapDocument blank = sample::MakeBlankMap(30, 20);
  Load(blank);
  map::MapDocument expected = Doc;

  // A stamp first, so that Undo is offered.
  Main->TileTransfer1->Action()->trigger();
  RightPressHex(2, 2);
  expected.SetTileWordAt(2, 2, 2, 0);
  ASSERT_TRUE(Main->UndoBtn->isEnabled());

  Main->ToggleRoad1->Action()->trigger();
  EXPECT_EQ(Main->RoadClickState, 1);
  EXPECT_TRUE(Main->ShowRoadConnections1->Checked());
  EXPECT_TRUE(Main->SecondaryRoad1->Checked());  // the drawing chose a road kind
  // With connections hidden the drawing chooses none: no road kind is on.
  Main->ShowRoadConnections1->Action()->trigger();
  Main->SecondaryRoad1->Action()->trigger();
  ASSERT_FALSE(Main->SecondaryRoad1->Checked());
  ClickHex(3, 3);  // stores nothing
  EXPECT_TRUE(Main->UndoBtn->isEnabled());

  Main->PavedRoad1->Action()->trigger();
  ClickHex(3, 3);
  expected.MapHexRecordAt(3, 3)[0] ^= 0x80;
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  ClickHex(4, 3);
  expected.MapHexRecordAt(4, 3)[0] ^= 0x80;
  ClickHex(4, 3);
  expected.MapHexRecordAt(4, 3)[0] ^= 0x80;

  Main->ToggleRoadConnection1->Action()->trigger();
  EXPECT_FALSE(Main->ToggleRoad1->Checked());
  ClickHex(10, 4);
  EXPECT_EQ(Main->RoadClickState, 2);
  ClickHex(10, 5);
  expected.MapHexRecordAt(10, 4)[13] ^= 0x02;
  ClickHex(10, 5);
  ClickHex(11, 6);
  expected.MapHexRecordAt(10, 5)[13] ^= 0x02;
  Main->Railroad1->Action()->trigger();
  ClickHex(7, 7);
  ClickHex(7, 6);  // odd row 7 to row 6: north-west is (7, 6)
  expected.MapHexRecordAt(7, 7)[14] ^= 0x10;
  ClickHex(1, 1);
  ClickHex(5, 5);  // no neighbour: nothing
  EXPECT_EQ(Main->RoadClickState, 1);

  forms::DialogScript script;
  script.Choose(Q(Folder + "saved.dat"));
  Main->SaveMapFile1->trigger();
  ASSERT_TRUE(Boxes.Entries().empty());
  map::MapDocument saved;
  saved.MarkWantedSections();
  ASSERT_EQ(map::LoadMapFromGameFile(*ReadWholeFile(Folder + "saved.dat"), saved).Status, map::MapLoadStatus::Loaded);
  for (int32_t id : MapSectionIds) {
    const auto want = expected.Section(id);
    const auto got = saved.Section(id);
    EXPECT_TRUE(std::equal(want.begin(), want.end(), got.begin(), got.end())) << "section " << id;
  }
}

TEST_F(MapEditTest, TheClickMarkerLastsUntilTheNextRedraw) {
  // No picture before the first redraw: no marker.
  ClickHex(3, 3);
  EXPECT_TRUE(Main->MapImg->Picture().isNull());
  EXPECT_FALSE(Main->Marker.HasMarker());

  Load(sample::MakeBlankMap(30, 20));
  const QImage drawn = Main->MapImg->Picture();
  MoveTo({100, 100});
  QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, QPoint(300, 300));  // the marker sits at the taken position
  QImage shown = Main->MapImg->Picture();
  EXPECT_EQ(shown.pixel(97, 97), map::MarkerColour);
  EXPECT_EQ(shown.pixel(103, 103), map::MarkerColour);
  EXPECT_EQ(shown.pixel(104, 100), drawn.pixel(104, 100));

  QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, QPoint(300, 300));  // the same point again
  EXPECT_EQ(Main->MapImg->Picture(), shown);
  MoveTo({2, 515});  // at the corner: clipped
  QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, QPoint(2, 515));
  shown = Main->MapImg->Picture();
  EXPECT_EQ(shown.pixel(100, 100), drawn.pixel(100, 100));
  EXPECT_EQ(shown.pixel(0, 516), map::MarkerColour);

  // A redraw forgets the marker: the next click writes nothing old back.
  Main->RedrawBtn->click();
  const QImage redrawn = Main->MapImg->Picture();
  MoveTo({200, 200});
  QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, QPoint(200, 200));
  QImage expected = redrawn;
  for (int x = 197; x <= 203; ++x)
    for (int y = 197; y <= 203; ++y) expected.setPixel(x, y, map::MarkerColour);
  EXPECT_EQ(Main->MapImg->Picture(), expected);

  // A click that redraws (a road toggle) leaves no marker.
  Main->ToggleRoad1->Action()->trigger();
  ClickHex(5, 5);
  EXPECT_FALSE(Main->Marker.HasMarker());
  EXPECT_NE(Main->MapImg->Picture().pixel(HexCentre(5, 5)), map::MarkerColour);
}

TEST_F(MapEditTest, ALoadForgetsThePendingHexAndTheUndoOfTheOldMap) {
  map::MapDocument large = sample::MakeBlankMap(100, 240);
  Load(large, "large.dat");
  ASSERT_EQ(Doc.MapStride, 240);
  Main->HMapSB->setValue(Main->HMapSB->maximum());
  Main->VMapSB->setValue(Main->VMapSB->maximum());
  Main->TileTransfer1->Action()->trigger();
  Main->ToggleRoadConnection1->Action()->trigger();
  MoveTo({650, 480});
  ASSERT_GT(Main->Mouse.HexCol, 90);
  ASSERT_GT(Main->Mouse.HexRow, 200);
  QTest::mousePress(Main->MapImg, Qt::RightButton, {}, QPoint(650, 480));
  QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, QPoint(650, 480));
  ASSERT_TRUE(Main->UndoBtn->isEnabled());
  ASSERT_EQ(Main->RoadClickState, 2);

  Load(sample::MakeBlankMap(20, 20), "small.dat");
  EXPECT_FALSE(Main->UndoBtn->isEnabled());
  EXPECT_EQ(Main->RoadClickState, 1);
  // The hex under the mouse in the new view at (0, 0): row (480 + 12) / 44,
  // odd, so column (650 + 27 - 26) / 52.
  EXPECT_EQ(Main->Mouse.HexCol, 12);
  EXPECT_EQ(Main->Mouse.HexRow, 11);

  // Clicks, presses and Undo without moving the mouse stay on the new map.
  const std::vector<uint8_t> before = Doc.MapFileBuf;
  QTest::mouseClick(Main->UndoBtn, Qt::LeftButton);
  EXPECT_TRUE(Doc.MapFileBuf == before);
  QTest::mouseClick(Main->MapImg, Qt::LeftButton, {}, QPoint(650, 480));
  EXPECT_EQ(Main->RoadClickState, 2);
  EXPECT_EQ(Main->RoadFirstCol, 12);
  QTest::mousePress(Main->MapImg, Qt::RightButton, {}, QPoint(650, 480));
  EXPECT_EQ(Doc.TileWordAt(2, 12, 11), 0);
  QTest::mouseClick(Main->UndoBtn, Qt::LeftButton);
  EXPECT_TRUE(Doc.MapFileBuf == before);
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(MapEditTest, ClicksOutsideTheViewAndStripsOfEveryCountStayInBounds) {
  Load(sample::MakeBlankMap(20, 16));
  Main->TileTransfer1->Action()->trigger();
  Main->ToggleRoad1->Action()->trigger();
  Main->PavedRoad1->Action()->trigger();
  // A drag that leaves the view reports positions outside it.
  Main->MapImgMouseMove(-400, 9000);
  Main->MapImgClick();
  Main->MapImgMouseDown(Qt::RightButton);
  Main->UndoBtnClick();
  Main->MapImgMouseMove(5000, -3);
  Main->MapImgClick();
  Main->MapImgMouseDown(Qt::MiddleButton);

  const std::pair<int, Bytes> strips[] = {
      {5, CountOnly(0)},    {5, CountOnly(-1)},     {5, CountOnly(250)},        {5, CountOnly(251)},
      {5, CountOnly(INT32_MAX)}, {5, Bytes(7, 9)},  {5, StripFile({20, 0, 20})}, {47, StripFile({5, 5, 5, 5, 5, 5, 5, 5, 5, 5})},
      {47, StripFile(std::initializer_list<int>{})},
  };
  for (const auto& [file, bytes] : strips) {
    PressStrip(0);
    PressStrip(100000);
    WriteShp(file, bytes);
    LoadStrip(file);
    PressStrip(0);
    PressStrip(4);
    PressStrip(100000);
    Main->MapImgMouseDown(Qt::RightButton);
  }
  std::vector<sample::ShpFileImage> forty(40, sample::MakeShpImage(sample::ShpPicture(5, 5, Green)));
  WriteShp(47, sample::BuildShpFile(forty));
  LoadStrip(47);
  EXPECT_EQ(Transfer->Strip.TransferTileCount, 30);
  EXPECT_EQ(Transfer->TransferImg->width(), 3 + 30 * 8);
}

}  // namespace
}  // namespace qrl::mapui
