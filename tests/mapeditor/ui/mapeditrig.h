#pragma once
// QrlMap's main window with the windows its map editing reaches (the
// inspection window, tile transfer and terrain index), built over one
// document for tests that drive them offscreen. Boxes are recorded
// (MessageLog) and file dialogs nobody answered are cancelled.
#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>
#include <memory>
#include <string>

#include "forms/filedialogs.h"
#include "forms/messages.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/ui/hexeditform.h"
#include "mapeditor/ui/indexform.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/qrlmapforms.h"
#include "mapeditor/ui/transferform.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::mapui {

inline QString Q(const std::string& text) { return QString::fromStdString(text); }

// Tells `window` that it became the program's active window, as the window
// system does.
inline void Activate(forms::FormBase& window) { window.WatchEvent(QEvent(QEvent::WindowActivate)); }

class MapEditRig : public ::testing::Test {
 protected:
  // `folder`: the name of the temporary folder that holds the test's files.
  explicit MapEditRig(const char* folder) : Folder(test::MakeTempFolder(folder)) {}

  void SetUp() override {
    Main = std::make_unique<TMainForm>(Doc, Tiles, Q(Folder));
    HexEdit = std::make_unique<THexEditForm>(Doc);
    Transfer = std::make_unique<TTransferForm>(*Main);
    Index = std::make_unique<TIndexForm>();
    ConnectMapEditingForms(*Main, *HexEdit, *Transfer, *Index);
    Tiles.ShpDir = Folder;
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main.get()));
  }

  // Loads `doc` through the main window's Load QRL Map, saved as `name`.
  void Load(const map::MapDocument& doc, const std::string& name = "map.dat") {
    test::WriteFile(Folder + name, map::BuildMapFile(doc));
    forms::DialogScript script;
    script.Choose(Q(Folder + name));
    Main->LoadQRLMap1->trigger();
  }

  forms::MessageLog Boxes;
  forms::DialogScript Unanswered;
  std::string Folder;
  map::MapDocument Doc;
  map::TileCache Tiles;
  std::unique_ptr<TMainForm> Main;
  std::unique_ptr<THexEditForm> HexEdit;
  std::unique_ptr<TTransferForm> Transfer;
  std::unique_ptr<TIndexForm> Index;
};

}  // namespace qrl::mapui
