// The strategic map, the contour map, the quality window and the map image
// export, driven offscreen through the main window's menu and the windows'
// own controls.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <unistd.h>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/ui/contourform.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/pictureimage.h"
#include "mapeditor/ui/qualityform.h"
#include "mapeditor/ui/stratform.h"
#include "tests/support/gamefilebuilder.h"
#include "tests/support/jpegmarkers.h"
#include "tools/sampledata/patternsheet.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::mapui {
namespace {

using forms::BoxKind;

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int ShpFile = 40;
constexpr int16_t Green = 13;

class PictureFormsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Folder + "Shp");
    // Image 0: a standard tile; image 1: too wide for the image list, so an own bitmap.
    const std::vector<sample::ShpFileImage> images = {sample::MakeShpImage(sample::ShpPicture(60, 60, Green)),
                                                      sample::MakeShpImage(sample::ShpPicture(61, 20, Green))};
    test::WriteFile(Folder + "Shp/" + map::ShpFileName(ShpFile), sample::BuildShpFile(images));
    // Named in another case than the program asks for.
    test::WriteFile(Folder + "GRID.BMP", map::EncodeBmp24(sample::BuildPatternSheet()));

    Main = std::make_unique<TMainForm>(Doc, Tiles, Q(Folder));
    Quality = std::make_unique<TQualityForm>(Main->JpegQuality);
    Strat = std::make_unique<TStratForm>(*Main);
    Contour = std::make_unique<TContourForm>(Doc, Main->ProgramDir);
    Main->SetPeers({Strat.get(), Contour.get(), Quality.get()});
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
  }

  void Load(const map::MapDocument& doc, const std::string& name = "map.dat") {
    test::WriteFile(Folder + name, map::BuildMapFile(doc));
    forms::DialogScript script;
    script.Choose(Q(Folder + name));
    Main->LoadQRLMap1->trigger();
    ASSERT_EQ(Doc.MapKind, map::CurrentMapKind);
  }

  // A map whose every hex carries the standard tile, with the own-bitmap
  // tile on hex (40, 30), outside the first view.
  map::MapDocument TiledMap(int width, int height) {
    map::MapDocument doc = sample::MakeBlankMap(width, height);
    for (int col = 0; col < width; ++col)
      for (int row = 0; row < height; ++row)
        doc.SetTileWordAt(map::BaseLayerSection, col, row, map::MakeTileWord(ShpFile, 0));
    doc.SetTileWordAt(map::FirstOverlaySection, 40, 30, map::MakeTileWord(ShpFile, 1));
    return doc;
  }

  // Runs `command` with the save dialog answering `path`; the dialog's call.
  forms::DialogCall SaveAs(const std::string& path, const std::function<void()>& command) {
    forms::DialogScript script;
    script.Choose(Q(path));
    command();
    EXPECT_EQ(script.Calls().size(), 1u);
    return script.Calls().empty() ? forms::DialogCall{} : script.Calls()[0];
  }

  void ExpectOneBox(const QString& text, const QString& caption) {
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Message);
    EXPECT_EQ(Boxes.Entries()[0].Text, text);
    EXPECT_EQ(Boxes.Entries()[0].Caption, caption);
    Boxes.Clear();
  }

  static test::JpegMarkers Markers(const std::string& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? test::ReadJpegMarkers(*bytes) : test::JpegMarkers{};
  }

  forms::MessageLog Boxes;
  forms::DialogScript Unanswered;
  std::string Folder = test::MakeTempFolder("pictureforms");
  map::MapDocument Doc;
  map::TileCache Tiles;
  std::unique_ptr<TMainForm> Main;
  std::unique_ptr<TQualityForm> Quality;
  std::unique_ptr<TStratForm> Strat;
  std::unique_ptr<TContourForm> Contour;
};

TEST_F(PictureFormsTest, EveryNewWindowAndControlCarriesItsNames) {
  struct Case {
    QWidget* Control;
    const char* Name;
    const char* Accessible;
  };
  const Case cases[] = {
      {Strat.get(), "StratForm", "Strat Map"},
      {Strat->StratImg, "StratImg", "StratImg"},
      {Contour.get(), "ContourForm", "Contour Map"},
      {Contour->ContourSB, "ContourSB", "ContourSB"},
      {Contour->ContourImg, "ContourImg", "ContourImg"},
      {Contour->ShowBtn, "ShowBtn", "Show"},
      {Contour->TerrainCB, "TerrainCB", "Terr."},
      {Contour->SaveBtn, "SaveBtn", "Save"},
      {Quality.get(), "QualityForm", "JPEG Quality"},
      {Quality->JpegEdit, "JpegEdit", "JpegEdit"},
      {Quality->JpegUD, "JpegUD", "JpegUD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Control->objectName(), c.Name);
    EXPECT_EQ(c.Control->accessibleName(), c.Accessible) << c.Name;
  }
  EXPECT_EQ(Quality->QualityLbl->objectName(), "QualityLbl");
  EXPECT_EQ(Quality->QualityLbl->text(), "Quality");
  EXPECT_EQ(Strat->windowTitle(), "Strat Map");
  EXPECT_EQ(Strat->size(), QSize(208, 187));
  EXPECT_EQ(Contour->windowTitle(), "Contour Map");
  EXPECT_EQ(Contour->size(), QSize(800, 600));
  EXPECT_EQ(Contour->ContourSB->size(), QSize(720, 570));
  EXPECT_EQ(Contour->ContourSB->widget(), Contour->ContourImg);
  EXPECT_FALSE(Contour->TerrainCB->isChecked());
  EXPECT_EQ(Quality->windowTitle(), "JPEG Quality");
}

TEST_F(PictureFormsTest, TheMenuItemsShowTheirWindowsAndStratMapTakesNoCheck) {
  Main->StratMap1->Action()->trigger();
  EXPECT_TRUE(Strat->isVisible());
  EXPECT_FALSE(Main->StratMap1->Checked());
  EXPECT_FALSE(Main->StratMap1->Action()->isChecked());
  Main->ContourMap1->trigger();
  EXPECT_TRUE(Contour->isVisible());
  Main->ImageQuality1->trigger();
  EXPECT_TRUE(Quality->isVisible());
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(PictureFormsTest, TheStrategicMapWaitsForALoadAndRebuildsOnlyAfterOne) {
  EXPECT_TRUE(Main->StratMapStale);
  Strat->FormActivate();
  EXPECT_TRUE(Strat->StratImg->Picture().isNull());
  QTest::mouseClick(Strat->StratImg, Qt::LeftButton, {}, QPoint(150, 100));
  EXPECT_EQ(Main->HMapSB->value(), 0);  // no map, no move

  map::MapDocument doc = sample::MakeBlankMap(100, 80);
  doc.MapHexRecordAt(0, 0)[0] = 0x0C;  // trees and stream: blue
  Load(doc);
  EXPECT_TRUE(Main->StratMapStale);
  Strat->FormActivate();
  EXPECT_FALSE(Main->StratMapStale);
  ASSERT_EQ(Strat->StratBitmap.size(), QSize(200, 160));
  EXPECT_EQ(Strat->StratImg->Picture(), Strat->StratBitmap);
  EXPECT_EQ(Strat->height(), 160);
  EXPECT_EQ(Strat->StratBitmap.pixel(1, 1), qRgb(0, 0, 255));

  // Edits show only after the next load.
  Doc.MapHexRecordAt(0, 0)[0] = 0;
  Strat->FormActivate();
  EXPECT_EQ(Strat->StratImg->Picture().pixel(1, 1), qRgb(0, 0, 255));
  Load(sample::MakeBlankMap(60, 30), "small.dat");
  Strat->FormActivate();
  EXPECT_EQ(Strat->StratBitmap.size(), QSize(200, 60));
  EXPECT_EQ(Strat->height(), 60);
  EXPECT_EQ(Strat->StratBitmap.pixel(1, 1), qRgb(0, 128, 0));
}

TEST_F(PictureFormsTest, AClickCentresTheMainViewThroughItsScrollBars) {
  Load(sample::MakeBlankMap(100, 80));
  Strat->show();
  Strat->FormActivate();
  QTest::mouseClick(Strat->StratImg, Qt::LeftButton, {}, QPoint(40, 41));
  EXPECT_EQ(Main->HMapSB->value(), 13);
  EXPECT_EQ(Main->VMapSB->value(), 14);
  EXPECT_EQ(Main->ViewCol, 13);
  EXPECT_EQ(Main->ViewRow, 14);

  // A press of another button keeps its position but is no click.
  QTest::mousePress(Strat->StratImg, Qt::RightButton, {}, QPoint(10, 14));
  QTest::mouseRelease(Strat->StratImg, Qt::RightButton, {}, QPoint(10, 14));
  EXPECT_EQ(Strat->StratClickX, 10);
  EXPECT_EQ(Strat->StratClickY, 14);
  EXPECT_EQ(Main->ViewCol, 13);
  Strat->StratImgClick();
  EXPECT_EQ(Main->ViewCol, 0);
  EXPECT_EQ(Main->ViewRow, 2);

  QTest::mouseClick(Strat->StratImg, Qt::LeftButton, {}, QPoint(199, 159));
  EXPECT_EQ(Main->ViewCol, Main->HMapSB->maximum());
  EXPECT_EQ(Main->ViewRow, Main->VMapSB->maximum());
}

TEST_F(PictureFormsTest, ShowBuildsTheContourPictureFromTheSheetReadAfresh) {
  Contour->show();
  Contour->ShowBtn->click();
  ExpectOneBox("No map is loaded.", "Error");
  EXPECT_TRUE(Contour->ContourImg->Picture().isNull());

  map::MapDocument doc = sample::MakeBlankMap(100, 80);
  doc.MapHexRecordAt(3, 2)[map::HexRecord::Elevation] = 20;
  doc.MapHexRecordAt(3, 2)[0] = 0x0C;
  Load(doc);
  Contour->ShowBtn->click();
  EXPECT_TRUE(Boxes.Entries().empty());
  const QImage plain = Contour->ContourImg->Picture();
  ASSERT_EQ(plain.size(), QSize(924, 740));
  EXPECT_EQ(Contour->ContourImg->size(), QSize(924, 740));
  EXPECT_EQ(plain.pixel(37 + 8, 28 + 8), sample::PatternSheetShade(20));

  Contour->TerrainCB->click();
  Contour->ShowBtn->click();
  EXPECT_NE(Contour->ContourImg->Picture(), plain);  // the markers of bits 2 and 3

  // A changed sheet shows on the next Show; a missing one keeps the picture.
  const QImage marked = Contour->ContourImg->Picture();
  std::filesystem::remove(Folder + "GRID.BMP");
  Contour->ShowBtn->click();
  ExpectOneBox("Could not load " + Q(Folder) + "grid.bmp", "Error");
  EXPECT_EQ(Contour->ContourImg->Picture(), marked);
  test::WriteFile(Folder + "grid.bmp", {'B', 'M', 0, 0});
  Contour->ShowBtn->click();
  ExpectOneBox("Could not load " + Q(Folder) + "grid.bmp", "Error");
  QImage red(200, 70, QImage::Format_RGB32);
  red.fill(qRgb(255, 0, 0));
  test::WriteFile(Folder + "grid.bmp", map::EncodeBmp24(red));
  Contour->ShowBtn->click();
  EXPECT_TRUE(Boxes.Entries().empty());
  EXPECT_EQ(Contour->ContourImg->Picture().pixel(37 + 8, 28 + 8), qRgb(255, 0, 0));
}

TEST_F(PictureFormsTest, SaveWritesABmpOnlyForDotBmpAndOtherwiseAJpegNamedJpg) {
  Contour->SaveBtn->click();  // before the first picture: nothing, no dialog
  EXPECT_TRUE(Unanswered.Calls().empty());

  Load(sample::MakeBlankMap(100, 80));
  Contour->ShowBtn->click();
  const forms::DialogCall call = SaveAs(Folder + "c.bmp", [&] { Contour->SaveBtn->click(); });
  EXPECT_EQ(call.Filter, "Windows Bitmap (*.bmp)|*.bmp|JPEG compressed (*.jpg)|*.jpg|All (*.*)|*.*");
  EXPECT_EQ(call.DefaultExt, "jpg");
  EXPECT_EQ(call.InitialDir, Q(Folder));
  ASSERT_TRUE(ReadWholeFile(Folder + "c.bmp"));
  EXPECT_EQ(ReadWholeFile(Folder + "c.bmp")->size(), 2'051'334u);

  for (const char* name : {"x", "x.BMP", "x.png"}) {
    SCOPED_TRACE(name);
    std::filesystem::remove(Folder + "x.jpg");
    SaveAs(Folder + name, [&] { Contour->SaveBtn->click(); });
    test::JpegMarkers markers = Markers(Folder + "x.jpg");
    EXPECT_TRUE(markers.Valid);
    EXPECT_EQ(markers.FrameMarker, 0xC0);
    EXPECT_EQ(markers.Width, 924);
    EXPECT_EQ(markers.Tables[0][0], 3);  // quality 90
    EXPECT_EQ(markers.LumaSampling, 0x22);
    EXPECT_FALSE(std::filesystem::exists(Folder + "x.BMP"));
    EXPECT_FALSE(std::filesystem::exists(Folder + "x.png"));
  }
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(PictureFormsTest, ARenamedSaveAsksBeforeReplacingAndFailuresKeepTheOldFile) {
  Load(sample::MakeBlankMap(20, 10));
  Contour->ShowBtn->click();
  test::WriteFile(Folder + "y.jpg", {'o', 'l', 'd'});

  Boxes.AnswerNext(false);
  SaveAs(Folder + "y.png", [&] { Contour->SaveBtn->click(); });
  ASSERT_EQ(Boxes.Entries().size(), 1u);
  EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Question);
  EXPECT_EQ(Boxes.Entries()[0].Text, "y.jpg already exists.\nDo you want to replace it?");
  EXPECT_EQ(Boxes.Entries()[0].Caption, "Confirm Save As");
  EXPECT_EQ(ReadWholeFile(Folder + "y.jpg"), (test::Bytes{'o', 'l', 'd'}));
  Boxes.Clear();

  Boxes.AnswerNext(true);
  SaveAs(Folder + "y.png", [&] { Contour->SaveBtn->click(); });
  EXPECT_EQ(Boxes.Entries().size(), 1u);
  EXPECT_TRUE(Markers(Folder + "y.jpg").Valid);
  Boxes.Clear();

  // The dialog itself asked about y.jpg: no second question.
  SaveAs(Folder + "y.jpg", [&] { Contour->SaveBtn->click(); });
  EXPECT_TRUE(Boxes.Entries().empty());

  SaveAs(Folder + "nosuch/z.bmp", [&] { Contour->SaveBtn->click(); });
  ExpectOneBox("Could not open output file", "Error");
  SaveAs(Folder + "nosuch/z.jpg", [&] { Contour->SaveBtn->click(); });
  ExpectOneBox("Could not open output file", "Error");
  EXPECT_FALSE(std::filesystem::exists(Folder + "nosuch"));
}

TEST_F(PictureFormsTest, TheQualityWindowStepsByFiveAndTheExportUsesTheShownValue) {
  EXPECT_EQ(Quality->JpegUD->minimum(), 5);
  EXPECT_EQ(Quality->JpegUD->maximum(), 100);
  EXPECT_EQ(Quality->JpegUD->singleStep(), 5);
  EXPECT_FALSE(Quality->JpegUD->wrapping());
  EXPECT_EQ(Quality->JpegUD->value(), 30);
  EXPECT_EQ(Quality->JpegEdit->text(), "30");
  EXPECT_TRUE(Quality->JpegEdit->isReadOnly());
  EXPECT_EQ(Main->JpegQuality, 30);

  Load(TiledMap(100, 80));
  const forms::DialogCall call = SaveAs(Folder + "q1", [&] { Main->SaveMapImage1->trigger(); });
  EXPECT_EQ(call.Title, "Save Map Quadrant As JPEG Image");
  EXPECT_EQ(call.DefaultExt, "jpg");
  EXPECT_EQ(call.Filter, "JPEG file (*.jpg)|*.jpg|All Files (*.*)|*.*");
  test::JpegMarkers first = Markers(Folder + "q1.jpg");
  ASSERT_TRUE(first.Valid);
  EXPECT_EQ(first.FrameMarker, 0xC0);
  EXPECT_EQ(first.Width, 2703);
  EXPECT_EQ(first.Height, 1804);
  EXPECT_EQ(first.Tables[0][0], 27);

  Quality->JpegUD->stepUp();
  EXPECT_EQ(Quality->JpegEdit->text(), "35");
  EXPECT_EQ(Main->JpegQuality, 35);
  SaveAs(Folder + "q2.jpg", [&] { Main->SaveMapImage1->trigger(); });
  EXPECT_EQ(Markers(Folder + "q2.jpg").Tables[0][0], 23);

  for (int i = 0; i < 10; ++i) Quality->JpegUD->stepDown();
  EXPECT_EQ(Main->JpegQuality, 5);  // no wrap
  SaveAs(Folder + "q3.jpg", [&] { Main->SaveMapImage1->trigger(); });
  test::JpegMarkers lowest = Markers(Folder + "q3.jpg");
  EXPECT_EQ(lowest.FrameMarker, 0xC0);
  EXPECT_EQ(lowest.TablePrecision[0], 0);
  EXPECT_EQ(lowest.Tables[0][0], 160);
  EXPECT_EQ(*std::max_element(lowest.Tables[0].begin(), lowest.Tables[0].end()), 255);
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(PictureFormsTest, TheExportCountsTheTilesItLoadedAndReportsAFailedWrite) {
  Load(TiledMap(100, 80));
  EXPECT_EQ(Main->ImgNumLbl->text(), "0");  // the own bitmap lies outside the view
  SaveAs(Folder + "quadrant.jpg", [&] { Main->SaveMapImage1->trigger(); });
  EXPECT_EQ(Main->ImgNumLbl->text(), "1");
  EXPECT_EQ(Main->SizeLbl->text(), "1");

  test::WriteFile(Folder + "keep.jpg", {'o', 'l', 'd'});
  std::filesystem::permissions(Folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  SaveAs(Folder + "keep.jpg", [&] { Main->SaveMapImage1->trigger(); });
  std::filesystem::permissions(Folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
  if (::geteuid() != 0) {  // root writes anyway
    ExpectOneBox("Could not open output file", "Error");
    EXPECT_EQ(ReadWholeFile(Folder + "keep.jpg"), (test::Bytes{'o', 'l', 'd'}));
  }
  Boxes.Clear();
  SaveAs(Folder + "nosuch/quadrant.jpg", [&] { Main->SaveMapImage1->trigger(); });
  ExpectOneBox("Could not open output file", "Error");
}

}  // namespace
}  // namespace qrl::mapui
