// QrlMap's main window driven offscreen: the menus, the dialogs and boxes
// through their test seams, the mouse and scroll bars through Qt Test.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "forms/program.h"
#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "gamefile/mapsections.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/mapimage.h"
#include "mapeditor/ui/qrlmapforms.h"
#include "tests/support/accessible.h"
#include "tests/support/gamefilebuilder.h"
#include "tests/support/namedpipe.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/sampletiles.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::mapui {
namespace {

using forms::BoxKind;
using test::Bytes;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A program folder as QrlMap finds beside itself: the sample terrain graphics
// in Shp/ and the sample map in samples/.
const std::string& SampleProgramFolder() {
  static const std::string folder = [] {
    const std::string dir = test::MakeTempFolder("mapui-program");
    std::filesystem::create_directories(dir + "Shp");
    std::filesystem::create_directories(dir + "samples");
    for (int file : sample::SampleShpFileNumbers())
      test::WriteFile(dir + "Shp/" + map::ShpFileName(file), sample::SampleShpFile(file));
    test::WriteFile(dir + "samples/sample.dat", map::BuildMapFile(sample::BuildSampleMap()));
    return dir;
  }();
  return folder;
}

// A map whose base layer names its hexes: hex (c, r) holds file c, image r,
// so the status line over it reads "c,r  fc ir".
map::MapDocument LabelledMap(int width, int height) {
  map::MapDocument doc = sample::MakeBlankMap(width, height);
  for (int col = 0; col < width; ++col)
    for (int row = 0; row < height; ++row) doc.SetTileWordAt(map::BaseLayerSection, col, row, map::MakeTileWord(col, row));
  return doc;
}

// A terrain graphics file of 60 x 60 tiles of one colour each, drawn from the
// hex cell's reference point, so that they cover the whole view.
Bytes SolidShpFile(std::initializer_list<int16_t> colours) {
  std::vector<sample::ShpFileImage> images;
  for (int16_t colour : colours) images.push_back(sample::MakeShpImage(sample::ShpPicture(60, 60, colour)));
  return sample::BuildShpFile(images);
}

constexpr int16_t Green = 13;   // 2BCF33
constexpr int16_t Yellow = 14;  // FFFF57
constexpr int16_t Red = 15;     // E30000

// The terrain graphics file the tests' own tiles go into.
constexpr int ShpFile = 40;
const std::string ShpName = "Ter40z4.shp";

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = std::make_unique<TMainForm>(Doc, Tiles, Q(SampleProgramFolder()));
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  }

  std::string WriteMap(const std::string& name, const map::MapDocument& doc) {
    test::WriteFile(Folder + name, map::BuildMapFile(doc));
    return Folder + name;
  }

  void Load(const std::string& path) {
    forms::DialogScript script;
    script.Choose(Q(path));
    Form->LoadQRLMap1->trigger();
  }

  void Save(const std::string& path) {
    forms::DialogScript script;
    script.Choose(Q(path));
    Form->SaveMapFile1->trigger();
  }

  // A folder of the test holding terrain graphics file ShpFile; ends in "/".
  std::string WriteShpFolder(const std::string& name, std::initializer_list<int16_t> colours) {
    const std::string folder = Folder + name + "/";
    std::filesystem::create_directories(folder);
    test::WriteFile(folder + ShpName, SolidShpFile(colours));
    return folder;
  }

  void ChooseShpFile(const std::string& path) {
    forms::DialogScript script;
    script.Choose(Q(path));
    Form->SetShpDirectory1->trigger();
  }

  QString MoveTo(int x, int y) {
    QTest::mouseMove(Form->MapImg, QPoint(x, y));
    return Form->WhereLbl->text();
  }
  // Far from every point the tests look at, so that the next move is taken.
  void MoveAway() { MoveTo(350, 250); }

  QRgb PictureAt(int x, int y) const { return Form->MapImg->Picture().pixel(x, y); }

  forms::MessageLog Boxes;
  forms::DialogScript Unanswered;  // a dialog no test answers is cancelled
  std::string Folder = test::MakeTempFolder("mapui");
  map::MapDocument Doc;
  map::TileCache Tiles;
  std::unique_ptr<TMainForm> Form;
};

TEST_F(MainFormTest, StartsWithTheViewEmptyAndTheControlsSetUp) {
  EXPECT_EQ(Form->windowTitle(), "Ostin's Morvain Qarlmoor Map Editor");
  EXPECT_EQ(Form->size(), QSize(775, 600));
  EXPECT_EQ(Form->MapImg->size(), QSize(702, 517));
  EXPECT_TRUE(Form->MapImg->hasMouseTracking());
  EXPECT_TRUE(Form->MapImg->Picture().isNull());
  EXPECT_EQ(Form->WhereLbl->text(), "0,0");
  EXPECT_EQ(Form->ImgNumLbl->text(), "0");
  EXPECT_EQ(Form->SizeLbl->text(), "0");
  int layer = 3;
  for (QCheckBox* box : {Form->CB3, Form->CB4, Form->CB5, Form->CB6, Form->CB7}) {
    EXPECT_EQ(box->text(), QString::number(layer++));
    EXPECT_TRUE(box->isChecked());
  }

  // The ranges of the initial 100 x 80 map.
  EXPECT_EQ(Form->HMapSB->minimum(), 0);
  EXPECT_EQ(Form->HMapSB->maximum(), 86);
  EXPECT_EQ(Form->HMapSB->singleStep(), 1);
  EXPECT_EQ(Form->HMapSB->pageStep(), 13);
  EXPECT_EQ(Form->VMapSB->minimum(), 0);
  EXPECT_EQ(Form->VMapSB->maximum(), 68);
  EXPECT_EQ(Form->VMapSB->singleStep(), 2);
  EXPECT_EQ(Form->VMapSB->pageStep(), 10);
  EXPECT_EQ(Form->HMapSB->value(), 0);
  EXPECT_EQ(Form->VMapSB->value(), 0);

  EXPECT_EQ(Form->RedrawBtn->toolTip(), "Redraw the map");
  EXPECT_EQ(Form->SpeedButton1->toolTip(), "Transfer Tiles");
  EXPECT_EQ(Form->ShowHexesBtn->toolTip(), "Show hexes");
  EXPECT_EQ(Form->UndoBtn->toolTip(), "Undo last change");
  EXPECT_TRUE(Form->RedrawBtn->isEnabled());
  EXPECT_TRUE(Form->ShowHexesBtn->isEnabled());
  EXPECT_FALSE(Form->UndoBtn->isEnabled());
  EXPECT_TRUE(Form->SpeedButton1->isEnabled());

  EXPECT_EQ(Form->ProgramDir, SampleProgramFolder());
  EXPECT_EQ(Form->OpenDialog1.InitialDir(), Q(SampleProgramFolder()));
  EXPECT_EQ(Tiles.ShpDir, SampleProgramFolder() + "Shp/");
  for (int id = 0; id < map::SectionWantedSize; ++id) {
    const bool mapSection = std::find(MapSectionIds.begin(), MapSectionIds.end(), id) != MapSectionIds.end();
    EXPECT_EQ(Doc.SectionWanted[size_t(id)], mapSection ? 1 : 0) << id;
  }
}

TEST_F(MainFormTest, TheMenusHoldEveryItemInOrderWithOnlyTheBuiltCommandsEnabled) {
  // "menu | caption", then " | off" for a disabled item and " | check" for a check item.
  const std::vector<QString> expected = {
      "Files | Load QRL Map",
      "Files | Save QRL Map",
      "Files | -",
      "Files | Set Shp Directory",
      "Files | -",
      "Files | Save Map Image",
      "Files | Image Quality",
      "Files | -",
      "Files | Exit",
      "Options | Show Hexes | check",
      "Options | Inspection Mode | check",
      "Options | Strat Map | check",
      "Options | Tile Transfer | check",
      "Tools | Import from Bitmap",
      "Tools | Import SDTS DEM",
      "Tools | -",
      "Tools | Copy To File",
      "Tools | Paste From File",
      "Tools | -",
      "Tools | Copy To Clipboard",
      "Tools | Paste From Clipboard",
      "Tools | -",
      "Tools | Contour Map",
      "Roads | Show All Road Connections | check",
      "Roads | -",
      "Roads | Show Road Connections | check",
      "Roads | Toggle Road Connection | check",
      "Roads | Toggle Road | check",
      "Roads | -",
      "Roads | Paved Road | check",
      "Roads | Secondary Road | check",
      "Roads | Railroad | check",
      "Convert | ZKT 2.x Map | off",
      "Convert | Use KXZKT Buildings | check",
      "Convert | -",
      "Convert | KX3 Map To QRL 1.0 | off",
      "Help | About",
  };
  std::vector<QString> shown;
  for (QAction* menuAction : Form->menuBar()->actions()) {
    for (QAction* item : menuAction->menu()->actions()) {
      QString row = menuAction->text() + " | " + (item->isSeparator() ? QString("-") : item->text());
      if (!item->isSeparator() && !item->isEnabled()) row += " | off";
      if (item->isCheckable()) row += " | check";
      EXPECT_FALSE(item->isChecked()) << row.toStdString();
      shown.push_back(row);
    }
  }
  EXPECT_EQ(shown, expected);
}

// An assistive client finds every control by its accessible name: its
// caption, or its own name where it shows none; labels keep their texts.
TEST_F(MainFormTest, EveryControlAndMenuItemCarriesItsName) {
  const std::pair<const char*, const char*> controls[] = {
      {"MapImg", "MapImg"},       {"HMapSB", "HMapSB"},       {"VMapSB", "VMapSB"},
      {"CB3", "3"},               {"CB4", "4"},               {"CB5", "5"},
      {"CB6", "6"},               {"CB7", "7"},               {"RedrawBtn", "RedrawBtn"},
      {"SpeedButton1", "SpeedButton1"}, {"ShowHexesBtn", "ShowHexesBtn"}, {"UndoBtn", "UndoBtn"},
      {"MainMenu1", "MainMenu1"}, {"WhereLbl", "0,0"},        {"ImgNumLbl", "0"},
      {"SizeLbl", "0"},
  };
  for (const auto& [name, accessible] : controls) {
    QWidget* control = Form->findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(test::AccessibleName(control), accessible) << name;
  }
  EXPECT_EQ(Form->objectName(), "MainForm");
  EXPECT_EQ(test::AccessibleName(Form.get()), "Ostin's Morvain Qarlmoor Map Editor");
  Load(WriteMap("named.dat", LabelledMap(30, 20)));
  EXPECT_EQ(test::AccessibleName(Form.get()), "QRL : " + Q(Folder + "named.dat"));

  std::vector<QString> items;
  for (QAction* menuAction : Form->menuBar()->actions())
    for (QAction* item : menuAction->menu()->actions())
      if (!item->isSeparator()) items.push_back(item->objectName());
  EXPECT_EQ(items, std::vector<QString>({"LoadQRLMap1", "SaveMapFile1", "SetShpDirectory1", "SaveMapImage1",
                                         "ImageQuality1", "Exit1", "ShowHexes1", "InspectionMode1", "StratMap1",
                                         "TileTransfer1", "Tools1", "ImportSDTSDEM1", "CopyToFile1",
                                         "PasteFromFile1", "CopyToClopboard1", "PasteFromClipboard1", "ContourMap1",
                                         "ShowAllRoadConnections1", "ShowRoadConnections1", "ToggleRoadConnection1",
                                         "ToggleRoad1", "PavedRoad1", "SecondaryRoad1", "Railroad1",
                                         "ConvertZKTtoQRL1", "ZKTBuildings", "KX3Map1", "About1"}));
}

TEST(QrlMapStartUpTest, CreatesTheWindowsWithTheMainWindowFirstAndFindsTheShpFolderInAnyCase) {
  forms::MessageLog boxes;
  const QString savedName = QCoreApplication::applicationName();
  const std::string dir = test::MakeTempFolder("mapui-start");
  std::filesystem::create_directories(dir + "shp");
  map::MapDocument doc;
  map::TileCache tiles;
  RandomSource random;
  bool mainShown = false, loadShpShown = true;
  forms::RunProgram([&](forms::Program& program) {
    QrlMapForms forms = CreateQrlMapForms(program, doc, tiles, random, Q(dir));
    EXPECT_EQ(program.MainForm(), &forms.MainForm);
    EXPECT_TRUE(forms.MainForm.IsMainForm());
    EXPECT_FALSE(forms.CopyForm.IsMainForm());
    QTimer::singleShot(0, &forms.MainForm, [&, main = &forms.MainForm, loadShp = &forms.LoadShp] {
      mainShown = main->isVisible();
      loadShpShown = loadShp->isVisible();
      main->close();
    });
  });
  EXPECT_TRUE(mainShown);
  EXPECT_FALSE(loadShpShown);
  EXPECT_EQ(QCoreApplication::applicationName(), "QrlMap");
  EXPECT_EQ(tiles.ShpDir, dir + "shp/");
  EXPECT_TRUE(boxes.Entries().empty());
  QCoreApplication::setApplicationName(savedName);
}

TEST(QrlMapStartUpTest, TheToolsItemsShowTheImportWindowsOverTheProgramsDocument) {
  forms::MessageLog boxes;
  const QString savedName = QCoreApplication::applicationName();
  const std::string dir = test::MakeTempFolder("mapui-tools");
  map::MapDocument doc;
  map::TileCache tiles;
  RandomSource random;
  {
    forms::Program program;
    QrlMapForms forms = CreateQrlMapForms(program, doc, tiles, random, Q(dir));
    EXPECT_EQ(forms.MainForm.Tools1->objectName(), "Tools1");
    EXPECT_EQ(forms.MainForm.ImportSDTSDEM1->objectName(), "ImportSDTSDEM1");
    EXPECT_FALSE(forms.ImportForm.isVisible());
    EXPECT_FALSE(forms.SDTS.isVisible());
    forms.MainForm.Tools1->trigger();
    EXPECT_TRUE(forms.ImportForm.isVisible());
    forms.MainForm.ImportSDTSDEM1->trigger();
    EXPECT_TRUE(forms.SDTS.isVisible());
    EXPECT_EQ(&forms.ImportForm.Doc, &doc);
    EXPECT_EQ(&forms.ImportForm.Random, &random);
    EXPECT_EQ(forms.SDTS.DemLastDir, Q(dir));
  }
  EXPECT_TRUE(boxes.Entries().empty());
  QCoreApplication::setApplicationName(savedName);
}

// The other program's map-only save leaves out empty map sections.
TEST_F(MainFormTest, AMapWithoutItsOverlayTerrainAndStackSectionsLoadsAndDraws) {
  const map::MapDocument sample = sample::BuildSampleMap();
  test::GameFileBuilder partial;
  for (int32_t id : {2, 16, 17, 20, 29, 38, 39, 47, 48}) {
    auto bytes = sample.Section(id);
    partial.Section(id, Bytes(bytes.begin(), bytes.end()));
  }
  test::WriteFile(Folder + "pzmap00.dat", partial.Build());
  Load(Folder + "pzmap00.dat");
  EXPECT_TRUE(Boxes.Entries().empty());
  EXPECT_EQ(Form->windowTitle(), "QRL : " + Q(Folder + "pzmap00.dat"));
  EXPECT_EQ(Doc.MapWidth, sample.MapWidth);
  for (int32_t id : {3, 4, 5, 6, 7, 8, 28}) EXPECT_EQ(Doc.SectionSize[size_t(id)], 0) << id;
  map::TileCache freshTiles;
  freshTiles.ShpDir = Tiles.ShpDir;
  map::MapViewOptions origin;
  EXPECT_EQ(Form->MapImg->Picture(), map::RedrawMap(Doc, freshTiles, origin).Picture);
}

TEST_F(MainFormTest, LoadingShowsTheNewMapFromTheTopLeftCorner) {
  Load(WriteMap("labelled.dat", LabelledMap(30, 20)));
  Form->HMapSB->setSliderPosition(5);
  Form->VMapSB->setSliderPosition(4);
  ASSERT_EQ(Form->ViewCol, 5);

  const std::string path = SampleProgramFolder() + "samples/sample.dat";
  forms::DialogScript script;
  script.Choose(Q(path));
  Form->LoadQRLMap1->trigger();

  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
  EXPECT_EQ(script.Calls()[0].Filter, "Maps (*.dat)|*.dat|All Files (*.*)| *.*");
  EXPECT_EQ(script.Calls()[0].Title, "");  // not the load's to set
  EXPECT_EQ(Form->OpenDialog1.InitialDir(), Q(SampleProgramFolder() + "samples/"));
  EXPECT_EQ(Form->windowTitle(), "QRL : " + Q(path));
  EXPECT_TRUE(Boxes.Entries().empty());

  EXPECT_EQ(Doc.MapKind, map::CurrentMapKind);
  EXPECT_EQ(Form->ViewCol, 0);
  EXPECT_EQ(Form->ViewRow, 0);
  EXPECT_EQ(Form->HMapSB->value(), 0);
  EXPECT_EQ(Form->VMapSB->value(), 0);
  EXPECT_EQ(Form->HMapSB->maximum(), 86);
  EXPECT_EQ(Form->VMapSB->maximum(), 68);

  // The view shows the sample map from (0, 0): what the drawing makes of it
  // with a cache of its own.
  map::TileCache freshTiles;
  freshTiles.ShpDir = Tiles.ShpDir;
  map::MapViewOptions origin;
  const map::RedrawOutcome expected = map::RedrawMap(Doc, freshTiles, origin);
  EXPECT_EQ(Form->MapImg->Picture(), expected.Picture);
  EXPECT_EQ(Form->MapBitmap, expected.MapBitmap);
  EXPECT_EQ(Form->ImgNumLbl->text(), QString::number(freshTiles.Images.BigBitmapCount));
}

TEST_F(MainFormTest, OwnBitmapTilesAreCountedAfterTheRedraw) {
  std::filesystem::create_directories(Folder + "shp");
  // Image 1 is 61 x 20 pixels: too wide for the image list.
  std::vector<sample::ShpFileImage> images = {sample::MakeShpImage(sample::ShpPicture(60, 60, Green)),
                                              sample::MakeShpImage(sample::ShpPicture(61, 20, Red))};
  test::WriteFile(Folder + "shp/" + ShpName, sample::BuildShpFile(images));
  ChooseShpFile(Folder + "shp/" + ShpName);

  map::MapDocument doc = sample::MakeBlankMap(20, 16);
  doc.SetTileWordAt(map::BaseLayerSection, 0, 0, map::MakeTileWord(ShpFile, 0));
  doc.SetTileWordAt(map::FirstOverlaySection, 1, 0, map::MakeTileWord(ShpFile, 1));
  Load(WriteMap("counted.dat", doc));
  EXPECT_EQ(Form->ImgNumLbl->text(), "1");
  EXPECT_EQ(Form->SizeLbl->text(), "1");  // 1220 pixels / 1024
}

TEST_F(MainFormTest, AMapSmallerThanTheViewHasNoScrollRangeAndTheMouseStaysOnTheMap) {
  Load(WriteMap("small.dat", LabelledMap(10, 8)));
  EXPECT_EQ(Form->HMapSB->maximum(), 0);
  EXPECT_EQ(Form->VMapSB->maximum(), 0);
  EXPECT_EQ(MoveTo(701, 516), " 9, 7  f 9 i 7");
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(MainFormTest, TheStatusLineNamesTheHexUnderTheMouse) {
  Load(WriteMap("labelled.dat", LabelledMap(30, 20)));
  struct Case {
    int X, Y;
    const char* Where;
  };
  const Case cases[] = {
      {24, 31, " 0, 0  f 0 i 0"},   {25, 31, " 1, 0  f 1 i 0"},  // even rows start at x = -27
      {50, 32, " 0, 1  f 0 i 1"},   {51, 32, " 1, 1  f 1 i 1"},  // odd rows at x = -1
      {24, 516, " 0,12  f 0 i12"},                               // the bottom pixel row: row ViewRow + 12
      {701, 100, "14, 2  f14 i 2"},                              // the last pixel column of an even row
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << "," << c.Y);
    MoveAway();
    EXPECT_EQ(MoveTo(c.X, c.Y), c.Where);
  }
}

TEST_F(MainFormTest, MovesWithinFivePixelsOfTheLastTakenPositionAreIgnored) {
  Load(WriteMap("labelled.dat", LabelledMap(30, 20)));
  EXPECT_EQ(MoveTo(5, 5), "0,0");  // the last taken position starts at (0, 0)

  EXPECT_EQ(MoveTo(20, 10), " 0, 0  f 0 i 0");
  EXPECT_EQ(MoveTo(25, 15), " 0, 0  f 0 i 0");  // would be hex (1, 0)
  EXPECT_EQ(Form->Mouse.HexCol, 0);
  EXPECT_EQ(MoveTo(26, 10), " 1, 0  f 1 i 0");  // 6 pixels from (20, 10), 1 from (25, 15)

  EXPECT_EQ(MoveTo(10, 27), " 0, 0  f 0 i 0");
  EXPECT_EQ(MoveTo(10, 32), " 0, 0  f 0 i 0");  // would be hex (0, 1)
  EXPECT_EQ(Form->Mouse.HexRow, 0);
  EXPECT_EQ(MoveTo(10, 33), " 0, 1  f 0 i 1");
}

TEST_F(MainFormTest, TheViewStartsOnAnEvenRow) {
  Load(WriteMap("labelled.dat", LabelledMap(30, 20)));
  Form->VMapSB->setSliderPosition(3);
  EXPECT_EQ(Form->ViewRow, 4);
  EXPECT_EQ(Form->VMapSB->value(), 4);
  Form->HMapSB->setSliderPosition(3);
  EXPECT_EQ(Form->ViewCol, 3);
  MoveAway();
  EXPECT_EQ(MoveTo(24, 31), " 3, 4  f 3 i 4");
  EXPECT_EQ(MoveTo(24, 500), " 3,15  f 3 i15");  // rows 4 to 15 in view

  // An odd maximum: the view starts one row past it, the bar stays at it.
  Load(WriteMap("odd.dat", LabelledMap(30, 21)));
  ASSERT_EQ(Form->VMapSB->maximum(), 9);
  Form->VMapSB->setSliderPosition(9);
  EXPECT_EQ(Form->ViewRow, 10);
  EXPECT_EQ(Form->VMapSB->value(), 9);
  MoveAway();
  EXPECT_EQ(MoveTo(24, 31), " 0,10  f 0 i10");
  EXPECT_EQ(MoveTo(24, 500), " 0,20  f 0 i20");  // the view's last row, 21, lies past the map
}

TEST_F(MainFormTest, SavingWritesTheLoadedMapAndAReloadSavesTheSameFile) {
  const Bytes original = *ReadWholeFile(SampleProgramFolder() + "samples/sample.dat");
  test::WriteFile(Folder + "sample.dat", original);
  Load(Folder + "sample.dat");
  const QString caption = Form->windowTitle();

  forms::DialogScript script;
  script.Choose("saved");  // typed in the start folder, without extension
  Form->SaveMapFile1->trigger();
  ASSERT_EQ(script.Calls().size(), 1u);
  const forms::DialogCall& call = script.Calls()[0];
  EXPECT_EQ(call.Kind, forms::DialogKind::Save);
  EXPECT_EQ(call.Title, "Save Map");
  EXPECT_EQ(call.DefaultExt, "dat");
  EXPECT_EQ(call.Filter, "Map Files (*.dat)|*.dat|All Files (*.*)|*.*");
  EXPECT_EQ(call.InitialDir, Form->OpenDialog1.InitialDir());
  EXPECT_EQ(call.InitialDir, Q(Folder));
  EXPECT_FALSE(call.AskedOverwrite);
  EXPECT_EQ(Form->windowTitle(), caption);
  ASSERT_EQ(ReadWholeFile(Folder + "saved.dat"), original);

  Load(Folder + "saved.dat");
  script.Choose("saved");
  Form->SaveMapFile1->trigger();
  ASSERT_EQ(script.Calls().size(), 2u);
  EXPECT_TRUE(script.Calls()[1].AskedOverwrite);
  EXPECT_EQ(ReadWholeFile(Folder + "saved.dat"), original);
  EXPECT_TRUE(Boxes.Entries().empty());
}

TEST_F(MainFormTest, AFailedLoadShowsItsBoxAndKeepsTheMapAndTheCaption) {
  const map::MapDocument good = LabelledMap(30, 20);
  test::GameFileBuilder withoutWidth;
  for (int32_t id : MapSectionIds)
    if (id != map::MapWidthSection) {
      auto bytes = good.Section(id);
      withoutWidth.Section(id, Bytes(bytes.begin(), bytes.end()));
    }
  std::filesystem::create_directories(Folder + "bad");
  test::WriteFile(Folder + "bad/brund.dat", test::GameFileBuilder("BRUND2_SAVE_V100").Build());
  test::WriteFile(Folder + "bad/nowidth.dat", withoutWidth.Build());
  test::WriteFile(Folder + "bad/huge.dat",
                  test::GameFileBuilder().Section(map::BaseLayerSection, Bytes(1'300'000, 0)).Build());
  const std::string missing = Folder + "bad/nosuch.dat";
  const test::NamedPipe pipe(Folder + "bad/pipe.dat");

  struct Case {
    std::string Path;
    BoxKind Kind;
    QString Text;
    QString Caption;
    bool StartFolderMoves;
  };
  const Case cases[] = {
      {missing, BoxKind::ErrorDialog, "Could not open " + Q(missing), "Error", false},
      {pipe.PathName(), BoxKind::ErrorDialog, "Could not open " + Q(pipe.PathName()), "Error", false},
      {Folder + "bad/brund.dat", BoxKind::Message, "This is not a KXQRL file!", "Fatal Error", true},
      {Folder + "bad/nowidth.dat", BoxKind::ErrorDialog, "Could not find section 38", "Error", true},
      {Folder + "bad/huge.dat", BoxKind::ErrorDialog, "The map in " + Q(Folder) + "bad/huge.dat is too large to load",
       "Error", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Path);
    Load(WriteMap("good.dat", good));
    Form->HMapSB->setSliderPosition(5);
    const QString caption = Form->windowTitle();
    const map::MapDocument before = Doc;
    const QImage picture = Form->MapImg->Picture();
    Boxes.Clear();

    Load(c.Path);
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Kind, c.Kind);
    EXPECT_EQ(Boxes.Entries()[0].Text, c.Text);
    EXPECT_EQ(Boxes.Entries()[0].Caption, c.Caption);
    EXPECT_EQ(Form->windowTitle(), caption);
    EXPECT_EQ(Form->OpenDialog1.InitialDir(), Q(c.StartFolderMoves ? Folder + "bad/" : Folder));
    EXPECT_TRUE(Doc.MapFileBuf == before.MapFileBuf);
    EXPECT_EQ(Doc.SectionOffset, before.SectionOffset);
    EXPECT_EQ(Doc.SectionSize, before.SectionSize);
    EXPECT_EQ(Doc.MapWidth, before.MapWidth);
    EXPECT_EQ(Doc.MapHeight, before.MapHeight);
    EXPECT_EQ(Form->ViewCol, 5);
    EXPECT_EQ(Form->HMapSB->maximum(), 16);
    EXPECT_EQ(Form->MapImg->Picture(), picture);
  }
  EXPECT_FALSE(pipe.HadToUnblock());
}

TEST_F(MainFormTest, ASaveThatCannotBeWrittenLeavesTheOldFile) {
  Load(WriteMap("labelled.dat", LabelledMap(30, 20)));
  test::WriteFile(Folder + "old.dat", {1, 2, 3});
  // A file size limit makes the writes fail as a full disk would, for root too.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &small);
  Save(Folder + "old.dat");
  ::setrlimit(RLIMIT_FSIZE, &old);

  ASSERT_EQ(Boxes.Entries().size(), 1u);
  EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Message);
  EXPECT_EQ(Boxes.Entries()[0].Text, "Could not open output map file " + Q(Folder) + "old.dat.");
  EXPECT_EQ(Boxes.Entries()[0].Caption, "File Error");
  EXPECT_EQ(ReadWholeFile(Folder + "old.dat"), Bytes({1, 2, 3}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder), {}), 2);  // no temporary file left
}

TEST_F(MainFormTest, ShowHexesTogglesOncePerTriggerAndGridsOnlyTheView) {
  Load(WriteMap("labelled.dat", LabelledMap(30, 20)));
  // The left side of view cell (1, 0) runs from (25, 1) to (25, 30).
  const int gridX = 25, gridY = 15;
  ASSERT_NE(PictureAt(gridX, gridY), map::GridColour);

  Form->ShowHexes1->Action()->trigger();
  EXPECT_TRUE(Form->ShowHexes1->Checked());
  EXPECT_TRUE(Form->ShowHexes1->Action()->isChecked());
  EXPECT_EQ(PictureAt(gridX, gridY), map::GridColour);
  EXPECT_NE(Form->MapBitmap.pixel(gridX, gridY), map::GridColour);

  QTest::mouseClick(Form->RedrawBtn, Qt::LeftButton);  // the grid stays while the item is on
  EXPECT_EQ(PictureAt(gridX, gridY), map::GridColour);

  QTest::mouseClick(Form->ShowHexesBtn, Qt::LeftButton);
  EXPECT_FALSE(Form->ShowHexes1->Checked());
  EXPECT_FALSE(Form->ShowHexes1->Action()->isChecked());
  EXPECT_EQ(Form->MapImg->Picture(), Form->MapBitmap);

  Form->ShowHexes1->Action()->trigger();
  EXPECT_TRUE(Form->ShowHexes1->Checked());
  EXPECT_EQ(PictureAt(gridX, gridY), map::GridColour);
}

TEST_F(MainFormTest, SetShpDirectoryTakesEffectForTilesNotLoadedYet) {
  const std::string folderA = WriteShpFolder("shp-a", {Green, Green, Yellow});
  const std::string folderB = WriteShpFolder("shp-b", {Red, Red, Red});
  // Columns 0..13 show image 0, the columns right of them image 1; an
  // overlay of image 2 lies on hex (5, 4), around view pixel (260, 190).
  map::MapDocument doc = sample::MakeBlankMap(30, 20);
  for (int col = 0; col < 30; ++col)
    for (int row = 0; row < 20; ++row)
      doc.SetTileWordAt(map::BaseLayerSection, col, row, map::MakeTileWord(ShpFile, col < map::ViewCols ? 0 : 1));
  doc.SetTileWordAt(map::FirstOverlaySection, 5, 4, map::MakeTileWord(ShpFile, 2));

  forms::DialogScript script;
  script.Choose(Q(folderA + ShpName));
  Form->SetShpDirectory1->trigger();
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
  EXPECT_EQ(script.Calls()[0].Filter, "shp Files (*.shp)|*.shp|All files (*.*)|*.*");
  EXPECT_EQ(Tiles.ShpDir, folderA);

  Load(WriteMap("columns.dat", doc));
  EXPECT_EQ(PictureAt(300, 200), map::ShpColour(Green));
  EXPECT_EQ(PictureAt(260, 190), map::ShpColour(Yellow));

  // Neither the check box nor the new folder redraws: the overlay stays.
  Form->CB3->click();
  ChooseShpFile(folderB + ShpName);
  EXPECT_EQ(Tiles.ShpDir, folderB);
  EXPECT_EQ(PictureAt(260, 190), map::ShpColour(Yellow));

  QTest::mouseClick(Form->RedrawBtn, Qt::LeftButton);
  EXPECT_EQ(PictureAt(260, 190), map::ShpColour(Green));  // overlay off; base tile drawn before: kept in the cache

  Form->HMapSB->setSliderPosition(map::ViewCols);
  EXPECT_EQ(PictureAt(300, 200), map::ShpColour(Red));  // never drawn before: from the new folder

  Form->SetShpDirectory1->trigger();  // cancelled
  EXPECT_EQ(Tiles.ShpDir, folderB);
}

TEST_F(MainFormTest, EachLayerBoxHidesItsOverlayFromTheNextRedraw) {
  ChooseShpFile(WriteShpFolder("shp", {Green, Yellow}) + ShpName);
  // The overlay of section s lies on hex (2 * (s - 3) + 1, 2), whose tile
  // covers view pixel (X(s), 100) and no other overlay does.
  map::MapDocument doc = sample::MakeBlankMap(20, 16);
  for (int col = 0; col < 20; ++col)
    for (int row = 0; row < 16; ++row) doc.SetTileWordAt(map::BaseLayerSection, col, row, map::MakeTileWord(ShpFile, 0));
  auto pixelX = [](int section) { return (2 * (section - map::FirstOverlaySection) + 1) * map::HexPitchX; };
  for (int s = map::FirstOverlaySection; s <= map::LastOverlaySection; ++s)
    doc.SetTileWordAt(s, 2 * (s - map::FirstOverlaySection) + 1, 2, map::MakeTileWord(ShpFile, 1));
  Load(WriteMap("layers.dat", doc));

  QCheckBox* boxes[] = {Form->CB3, Form->CB4, Form->CB5, Form->CB6, Form->CB7};
  for (int s = map::FirstOverlaySection; s <= map::LastOverlaySection; ++s) {
    SCOPED_TRACE(s);
    for (QCheckBox* box : boxes) box->setChecked(true);
    QTest::mouseClick(Form->RedrawBtn, Qt::LeftButton);
    boxes[s - map::FirstOverlaySection]->setChecked(false);
    QTest::mouseClick(Form->RedrawBtn, Qt::LeftButton);
    for (int shown = map::FirstOverlaySection; shown <= map::LastOverlaySection; ++shown)
      EXPECT_EQ(PictureAt(pixelX(shown), 100), map::ShpColour(shown == s ? Green : Yellow)) << shown;
  }
}

TEST_F(MainFormTest, AboutShowsTheVersionAndExitClosesTheWindow) {
  Form->About1->trigger();
  ASSERT_EQ(Boxes.Entries().size(), 1u);
  EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Message);
  EXPECT_EQ(Boxes.Entries()[0].Text, "QRL Map Version 0.066\nNovember 2000");
  EXPECT_EQ(Boxes.Entries()[0].Caption, "About Ostin's Morvain Qarlmoor Map");

  Form->Exit1->trigger();
  EXPECT_FALSE(Form->isVisible());
  EXPECT_EQ(Boxes.Entries().size(), 1u);
}

// The view shows exactly the drawn picture. With QRL_SCREENSHOT set to a
// file name the whole window with the sample map is saved there as PNG.
TEST_F(MainFormTest, TheWindowShowsTheSampleMapWithTheGrid) {
  Load(SampleProgramFolder() + "samples/sample.dat");
  Form->ShowHexes1->Action()->trigger();
  const QImage view = Form->MapImg->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(view, Form->MapImg->Picture());
  if (const QByteArray target = qgetenv("QRL_SCREENSHOT"); !target.isEmpty()) {
    EXPECT_TRUE(Form->grab().save(QString::fromLocal8Bit(target), "PNG"));
  }
}

}  // namespace
}  // namespace qrl::mapui
