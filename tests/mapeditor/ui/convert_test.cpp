// The Convert menu of QrlMap's main window, driven offscreen: menu states,
// the shared open dialog, the boxes and a conversion saved as a map.
#include <gtest/gtest.h>

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/mapimage.h"
#include "tests/support/gamefilebuilder.h"
#include "tests/support/oldmapbuilder.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::mapui {
namespace {

using forms::BoxKind;
using test::Bytes;
using test::OldGeneration;
using test::OldMapBuilder;

QString Q(const std::string& text) { return QString::fromStdString(text); }

class ConvertMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // File 60 holds the KXZKT wood buildings: six solid red tiles.
    std::filesystem::create_directories(Folder + "Shp");
    std::vector<sample::ShpFileImage> images;
    for (int i = 0; i < 6; ++i) images.push_back(sample::MakeShpImage(sample::ShpPicture(60, 60, 15)));
    test::WriteFile(Folder + "Shp/" + map::ShpFileName(60), sample::BuildShpFile(images));
    Form = std::make_unique<TMainForm>(Doc, Tiles, Q(Folder));
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  }

  std::string Write(const std::string& name, const Bytes& bytes) {
    test::WriteFile(Folder + name, bytes);
    return Folder + name;
  }
  std::string WriteMap(const std::string& name, int width, int height) {
    return Write(name, map::BuildMapFile(sample::MakeBlankMap(width, height)));
  }

  // Runs the item with the dialog answering `path`; returns the dialog's calls.
  std::vector<forms::DialogCall> Pick(QAction* item, const std::string& path) {
    forms::DialogScript script;
    script.Choose(Q(path));
    item->trigger();
    return script.Calls();
  }
  void Load(const std::string& path) { Pick(Form->LoadQRLMap1, path); }

  forms::MessageLog Boxes;
  forms::DialogScript Unanswered;  // a dialog no test answers is cancelled
  std::string Folder = test::MakeTempFolder("mapui-convert");
  map::MapDocument Doc;
  map::TileCache Tiles;
  std::unique_ptr<TMainForm> Form;
};

TEST_F(ConvertMenuTest, TheConversionsOpenUpWithTheFirstGoodLoadForTheRestOfTheRun) {
  EXPECT_EQ(Form->ConvertZKTtoQRL1->objectName(), "ConvertZKTtoQRL1");
  EXPECT_EQ(Form->ZKTBuildings->Action()->objectName(), "ZKTBuildings");
  EXPECT_EQ(Form->KX3Map1->objectName(), "KX3Map1");
  EXPECT_EQ(Form->ConvertZKTtoQRL1->text(), "ZKT 2.x Map");
  EXPECT_EQ(Form->ZKTBuildings->Action()->text(), "Use KXZKT Buildings");
  EXPECT_EQ(Form->KX3Map1->text(), "KX3 Map To QRL 1.0");

  struct Step {
    const char* Name;
    std::string Path;
    bool Enabled;
  };
  const Step steps[] = {
      {"at start", "", false},
      {"wrong magic", Write("kx2.dat", OldMapBuilder(OldGeneration::Kx2).Build()), false},
      {"missing file", Folder + "nosuch.dat", false},
      {"good load", WriteMap("good.dat", 100, 80), true},
      {"later wrong magic", Folder + "kx2.dat", true},
      {"later missing file", Folder + "nosuch.dat", true},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.Name);
    if (!s.Path.empty()) Load(s.Path);
    EXPECT_EQ(Form->ConvertZKTtoQRL1->isEnabled(), s.Enabled);
    EXPECT_EQ(Form->KX3Map1->isEnabled(), s.Enabled);
    EXPECT_TRUE(Form->ZKTBuildings->Action()->isEnabled());
    EXPECT_FALSE(Form->ZKTBuildings->Checked());
  }

  Form->ZKTBuildings->Action()->trigger();
  EXPECT_TRUE(Form->ZKTBuildings->Checked());
  EXPECT_TRUE(Form->ZKTBuildings->Action()->isChecked());
  Form->ZKTBuildings->Action()->trigger();
  EXPECT_FALSE(Form->ZKTBuildings->Checked());
  EXPECT_FALSE(Form->ZKTBuildings->Action()->isChecked());
}

TEST_F(ConvertMenuTest, TheDialogGetsOnlyItsTitleAndDefaultExtension) {
  Load(WriteMap("good.dat", 100, 80));
  const QString filter = Form->OpenDialog1.Filter();
  const QString startFolder = Form->OpenDialog1.InitialDir();
  struct Case {
    QAction* Item;
    const char* Title;
  };
  for (const Case& c : {Case{Form->ConvertZKTtoQRL1, "Pick KXZKT Map to Convert"},
                        Case{Form->KX3Map1, "Pick KX3 Map to Convert"}}) {
    SCOPED_TRACE(c.Title);
    const map::MapDocument before = Doc;
    forms::DialogScript script;
    script.Cancel();
    c.Item->trigger();
    ASSERT_EQ(script.Calls().size(), 1u);
    EXPECT_EQ(script.Calls()[0].Kind, forms::DialogKind::Open);
    EXPECT_EQ(script.Calls()[0].Title, c.Title);
    EXPECT_EQ(script.Calls()[0].DefaultExt, "dat");
    EXPECT_EQ(script.Calls()[0].Filter, filter);
    EXPECT_EQ(script.Calls()[0].InitialDir, startFolder);
    EXPECT_TRUE(Boxes.Entries().empty());
    EXPECT_TRUE(Doc.MapFileBuf == before.MapFileBuf);
  }
}

TEST_F(ConvertMenuTest, EveryRefusalShowsItsBoxAndLeavesTheMap) {
  Load(WriteMap("good.dat", 100, 80));
  const std::string kx2 = Write("kx2.dat", OldMapBuilder(OldGeneration::Kx2).Build());
  const std::string kx3 = Write("kx3.dat", OldMapBuilder(OldGeneration::Kx3).Build());
  const std::string tooBig =
      Write("big.dat", OldMapBuilder(OldGeneration::Kx3).Set(5, Bytes(16'100, 0xFF)).Build());
  const std::string missing = Folder + "nosuch.dat";
  struct Case {
    QAction* Item;
    std::string Path;
    QString Text;
    QString Caption;
  };
  const Case cases[] = {
      {Form->ConvertZKTtoQRL1, missing, "Could not open KXZKT map file " + Q(missing) + ".", "File Error"},
      {Form->KX3Map1, missing, "Could not open KX3 map file " + Q(missing) + ".", "File Error"},
      {Form->ConvertZKTtoQRL1, kx3, "This is not a KX2 version 1.1 or KXZKT file!", "Fatal Error"},
      {Form->KX3Map1, kx2, "This is not a KX3 file!", "Fatal Error"},
      {Form->KX3Map1, tooBig, "The map in " + Q(tooBig) + " does not fit the loaded map.", "Fatal Error"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text.toStdString());
    const Bytes before = map::BuildMapFile(Doc);
    Boxes.Clear();
    Pick(c.Item, c.Path);
    ASSERT_EQ(Boxes.Entries().size(), 1u);
    EXPECT_EQ(Boxes.Entries()[0].Kind, BoxKind::Message);
    EXPECT_EQ(Boxes.Entries()[0].Text, c.Text);
    EXPECT_EQ(Boxes.Entries()[0].Caption, c.Caption);
    EXPECT_EQ(map::BuildMapFile(Doc), before);
  }
}

TEST_F(ConvertMenuTest, AConversionRedrawsAndIsSavedWithTheLoadedSizeAndCaption) {
  Load(WriteMap("good.dat", 100, 80));
  Form->HMapSB->setSliderPosition(5);
  const QString caption = Form->windowTitle();
  const QImage picture = Form->MapImg->Picture();

  OldMapBuilder old(OldGeneration::Kx2, 100, 100, 60);
  old.Tile(5, 7, 8, 6052).Tile(6, 7, 9, 6505).Set(20, {1, 2, 3});
  Form->ZKTBuildings->Action()->trigger();
  Pick(Form->ConvertZKTtoQRL1, Write("kxzkt.dat", old.Build()));
  EXPECT_TRUE(Boxes.Entries().empty());
  EXPECT_EQ(Form->windowTitle(), caption);
  EXPECT_EQ(Form->HMapSB->value(), 5);
  EXPECT_EQ(Form->HMapSB->maximum(), 86);
  EXPECT_EQ(Form->VMapSB->maximum(), 68);
  EXPECT_EQ(Doc.MapHeight, 80);
  // Redrawn: the red KXZKT building now shows.
  EXPECT_NE(Form->MapImg->Picture(), picture);
  map::TileCache freshTiles;
  freshTiles.ShpDir = Tiles.ShpDir;
  map::MapViewOptions options = Form->ViewOptions();
  EXPECT_EQ(Form->MapImg->Picture(), map::RedrawMap(Doc, freshTiles, options).Picture);

  forms::DialogScript script;
  script.Choose(Q(Folder + "converted.dat"));
  Form->SaveMapFile1->trigger();
  const std::optional<Bytes> saved = ReadWholeFile(Folder + "converted.dat");
  ASSERT_TRUE(saved);
  map::MapDocument reloaded;
  reloaded.MarkWantedSections();
  ASSERT_EQ(map::LoadMapFromGameFile(*saved, reloaded).Status, map::MapLoadStatus::Loaded);
  EXPECT_EQ(reloaded.MapHeight, 60);
  EXPECT_EQ(reloaded.MapHexRecordAt(7, 8)[0], 0x80);
  EXPECT_EQ(reloaded.MapHexRecordAt(7, 8)[13], 9);
  EXPECT_EQ(reloaded.TileWordAt(5, 7, 8), map::EmptyTileWord);
  EXPECT_EQ(reloaded.TileWordAt(6, 7, 9), 15005);
  auto twenty = reloaded.Section(20);
  EXPECT_EQ(Bytes(twenty.begin(), twenty.end()), Bytes({1, 2, 3}));
}

}  // namespace
}  // namespace qrl::mapui
