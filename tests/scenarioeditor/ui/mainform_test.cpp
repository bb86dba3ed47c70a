#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <csignal>
#include <memory>
#include <sys/resource.h>

#include "gamefile/gamefileslots.h"
#include "tests/scenarioeditor/ui/qrledrig.h"
#include "tests/support/accessible.h"

namespace qrl::scenui::test {
namespace {

using Cells = std::vector<QString>;

const Cells Headings = {"Side", " Unit", " Unit Name", " Leaders", "Exp", "Mor", "Ral", "Inf", "Art", "Arm"};
const std::vector<Cells> Side0Rows = {
    {"0", "A1 ", "Pz IV 1", "Hptm/Weber", "61", "71", "50", "60", "50", "50"},
    {"0", "A2 ", "Pz IV 2", "Lt/Brandt", "62", "72", "40", "10", "20", "15"},
    {"0", "B12", "Gren 1", "Fw/Keller", "63", "73", "45", "30", "30", "30"},
};
const std::vector<Cells> Side1Rows = {
    {"1", "A1 ", "T-34 1", "Kpt/Orlov", "64", "74", "55", "40", "70", "70"},
    {"1", "B3 ", "Strelki 1", "Lt/Petrov", "65", "75", "35", "80", "20", "10"},
};

const char* const ProtectedText = "This scenario is protected and cannot be edited.";
const char* const ProtectedCaption = "Security Violation";

void ExpectGridShows(QrlEdRig& rig, const std::vector<Cells>& rows) {
  ASSERT_EQ(rig.Form1().InfoStringGrid->RowCount(), int(rows.size()) + 1);
  EXPECT_EQ(rig.ShownRow(0), Headings);
  for (size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rig.ShownRow(int(r) + 1), rows[r]) << "row " << r + 1;
}

std::vector<QString> SideCaptions(QrlEdRig& rig) {
  return {rig.Form1().SideButtons[0]->text(), rig.Form1().SideButtons[1]->text()};
}

// The decoded bytes of every record of a game file, by slot.
std::vector<Bytes> DecodedRecords(const Bytes& file) {
  auto fileSlots = std::make_unique<GameFileSlots>();
  ReadSaveFileRecords(file, *fileSlots);
  std::vector<Bytes> records;
  for (int slot = 1; slot <= fileSlots->RecordCount; ++slot) {
    auto first = fileSlots->GameFileBuf.begin() + fileSlots->SlotOffset[size_t(slot)];
    records.emplace_back(first, first + fileSlots->SlotSize[size_t(slot)]);
  }
  return records;
}

size_t DifferingBytes(const std::vector<Bytes>& a, const std::vector<Bytes>& b) {
  size_t count = 0;
  for (size_t slot = 0; slot < std::min(a.size(), b.size()); ++slot)
    for (size_t i = 0; i < std::min(a[slot].size(), b[slot].size()); ++i) count += a[slot][i] != b[slot][i];
  return count;
}

class MainFormTest : public ::testing::Test {
 protected:
  std::string Folder = qrl::test::MakeTempFolder("mainform");
  bool OobFilesPut = PutOobFiles(Folder);
  std::string LoadedPath = Put(Folder, "Scen012.DAT", TwoSides().Build("KXQRL_SAVE_V101"));
};

TEST_F(MainFormTest, ACurrentGameFileNamedOnTheCommandLineIsLoadedWhileTheWindowIsCreated) {
  QrlEdRig rig(StartUpIn(Folder, LoadedPath));
  EXPECT_EQ(rig.Answers.Showings(), 0);  // no open-file window
  EXPECT_TRUE(rig.Log.Entries().empty());
  EXPECT_EQ(rig.Form1().FileLbl->text(), "Edit(QRL): " + QString::fromStdString(LoadedPath).toLower());
  EXPECT_EQ(rig.Doc().SaveDir, Folder);
  EXPECT_EQ(rig.Doc().ProgramDir, Folder);
  EXPECT_FALSE(rig.Doc().OpenedFromCommandLine);
  EXPECT_EQ(rig.Form1().windowTitle(), "Morvain Qarlmoor Editor");
  EXPECT_EQ(QCoreApplication::applicationName(), "QrlEd");
  EXPECT_EQ(SideCaptions(rig), std::vector<QString>({"Germany", "Soviet Union"}));
  EXPECT_EQ(rig.Form1().SideIndex(), 0);
  ExpectGridShows(rig, Side0Rows);
  EXPECT_EQ(rig.Form1().InfoStringGrid->ColWidth(2), 130);
  EXPECT_EQ(rig.Form1().InfoStringGrid->ColWidth(4), 32);

  rig.ClickSide(1);
  EXPECT_EQ(rig.Form1().SideIndex(), 1);
  ExpectGridShows(rig, Side1Rows);
}

TEST_F(MainFormTest, AnyOtherArgumentStartsWithNothingLoaded) {
  const std::string older = Put(Folder, "old.dat", TwoSides().Build("BRUND2_SAVE_V100"));
  for (std::optional<std::string> argument : {std::optional<std::string>(older),
                                              std::optional<std::string>(Folder + "missing.dat"),
                                              std::optional<std::string>()}) {
    QrlEdRig rig(StartUpIn(Folder, argument));
    EXPECT_EQ(rig.Form1().FileLbl->text(), "File");
    EXPECT_EQ(rig.Doc().GameKind, 0);
    EXPECT_EQ(SideCaptions(rig), std::vector<QString>({"Side 0", "Side 1"}));
    EXPECT_EQ(rig.Form1().InfoStringGrid->RowCount(), 1);
    EXPECT_TRUE(rig.Log.Entries().empty());
  }
}

TEST_F(MainFormTest, EditsAreStoredIntoTheirOwnSideOnSwitchAndSaveAndOnlyTheyChange) {
  QrlEdRig rig(StartUpIn(Folder, LoadedPath));
  rig.Type(4, 1, "77");       // side 0, unit 0, experience
  rig.Type(2, 2, "Renamed");  // side 0, unit 1, name
  rig.ClickSide(1);
  rig.Type(5, 2, "300");  // side 1, unit 1, morale: stored as its low 8 bits
  rig.ClickSide(0);
  EXPECT_EQ(rig.ShownCell(4, 1), "77");
  rig.ClickSide(1);
  EXPECT_EQ(rig.ShownCell(5, 2), "44");

  rig.Type(4, 1, "12");  // side 1, unit 0: stored by the save itself
  forms::DialogScript script;
  const std::string saved = Folder + "Saved.DAT";
  script.Choose(QString::fromStdString(saved));
  rig.Form1().SaveQRLSaveScn1Click();
  EXPECT_TRUE(rig.Log.Entries().empty());

  ASSERT_EQ(script.Calls().size(), 1u);
  const forms::DialogCall& call = script.Calls()[0];
  EXPECT_EQ(call.Kind, forms::DialogKind::Save);
  EXPECT_EQ(call.Title, "Save KXQRL Version 1.0 Scenario");
  EXPECT_EQ(call.Filter, "Scenarios (*.dat)|*.dat|All files (*.*)| *.*");
  EXPECT_EQ(call.DefaultExt, "dat");
  EXPECT_EQ(call.InitialDir, QString::fromStdString(Folder));
  EXPECT_EQ(call.FileName, QString::fromStdString(LoadedPath));
  EXPECT_EQ(rig.Form1().FileLbl->text(), QString::fromStdString(saved).toLower());
  EXPECT_EQ(rig.Doc().CurrentFile, saved);

  ScenarioFixture expected = TwoSides();
  expected.Unit(0, 0)[119] = 77;
  std::fill_n(expected.Unit(0, 1), 15, uint8_t(0));
  std::memcpy(expected.Unit(0, 1), "Renamed", 7);
  expected.Unit(1, 1)[120] = 44;
  expected.Unit(1, 0)[119] = 12;
  const std::vector<Bytes> original = DecodedRecords(ReadBytes(LoadedPath));
  const std::vector<Bytes> want = DecodedRecords(expected.Build());
  const std::vector<Bytes> got = DecodedRecords(ReadBytes(saved));
  EXPECT_EQ(got, want);
  // "Pz IV 2" and "Renamed" share no byte in place; the three numbers changed.
  EXPECT_EQ(DifferingBytes(original, got), 7u + 3u);
}

TEST_F(MainFormTest, TheProtectionBoxesComeOnceForEachSetFlagByteAndTheProgramEndsBeforeItsLoop) {
  ScenarioFixture f = TwoSides();
  f.Sections[33] = Bytes{0, 0, 0, 0, 1, 0, 2, 0};
  const std::string path = Put(Folder, "SCEN099.DAT", f.Build());
  forms::MessageLog log;
  bool closedAtStartUp = false, loopRan = false;
  int windows = 0;
  scen::EditorSession session;
  scen::DiceTable dice;
  forms::RunProgram([&](forms::Program& program) {
    QrlEdWindows w = BuildQrlEd(program, session, dice, StartUpIn(Folder, path));
    closedAtStartUp = program.MainFormWasClosed();
    windows = int(w.Form1 != nullptr) + int(w.WeaponsForm != nullptr) + int(w.CommentForm != nullptr) +
              int(w.DiceStatForm != nullptr) + int(w.FileForm != nullptr) + int(w.PositionForm != nullptr) +
              int(w.SummaryForm != nullptr) + int(w.TurnsForm != nullptr) + int(w.AmmoForm != nullptr) +
              int(w.DumpForm != nullptr) + int(w.HexForm != nullptr);
    QTimer::singleShot(0, w.Form1, [&] {
      loopRan = true;
      QCoreApplication::quit();
    });
  });
  EXPECT_TRUE(closedAtStartUp);
  EXPECT_FALSE(loopRan);
  EXPECT_EQ(windows, 11);
  EXPECT_EQ(log.Entries(), Boxes({{ProtectedText, ProtectedCaption}, {ProtectedText, ProtectedCaption}}));
  EXPECT_EQ(session.Document.CurrentFile, path);  // the load finished before the window closed
  EXPECT_EQ(session.Grid.UnitCount[0], 3);
}

TEST_F(MainFormTest, AProtectedFileChosenFromTheMenuEndsTheRunningProgram) {
  ScenarioFixture f = TwoSides();
  f.Sections[33] = Bytes{0, 0, 0, 0, 0, 0, 0, 9};
  Put(Folder, "SCEN099.DAT", f.Build());
  forms::MessageLog log;
  forms::DialogScript noDialogs;
  scen::EditorSession session;
  scen::DiceTable dice;
  std::unique_ptr<FileFormAnswers> answers;
  bool closedByLoad = false;
  forms::RunProgram([&](forms::Program& program) {
    QrlEdWindows w = BuildQrlEd(program, session, dice, StartUpIn(Folder));
    answers = std::make_unique<FileFormAnswers>(*w.FileForm);
    answers->Then(FileFormAnswers::Choose("SCEN099.DAT -> "));
    QTimer::singleShot(0, w.Form1, [&program, &closedByLoad, form1 = w.Form1] {
      form1->LoadQRLSave1Click();
      closedByLoad = program.MainFormWasClosed() && form1->isHidden();
    });
    // Ends a run whose window did not close, so that the test fails instead of waiting.
    QTimer::singleShot(30000, w.Form1, [] { QCoreApplication::quit(); });
  });
  answers.reset();
  EXPECT_TRUE(closedByLoad);
  EXPECT_EQ(log.Entries(), Boxes({{ProtectedText, ProtectedCaption}}));
}

// The reading's boxes come while the grid still shows the earlier file; the
// new one's rows follow once they are closed.
TEST_F(MainFormTest, TheLoadsBoxesComeBeforeTheGridIsRefilled) {
  ScenarioFixture protectedFile = TwoSides();
  protectedFile.PutUnit(0, 0, "Later 1");
  protectedFile.Sections[33] = Bytes{0, 0, 0, 0, 1, 0, 0, 0};
  ScenarioFixture tooLarge = TwoSides();
  tooLarge.PutUnit(0, 0, "Later 1");
  tooLarge.Sections[47] = Bytes(5'000'000, 1);  // packs small, decodes past the buffer
  struct Case {
    const char* Name;
    Bytes File;
    std::vector<QString> Captions;
  };
  const Case cases[] = {
      {"SCEN050.DAT", protectedFile.Build(), {ProtectedCaption}},
      {"SCEN051.DAT", tooLarge.Build(), {"Error", "Warning"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Put(Folder, c.Name, c.File);
    QrlEdRig rig(StartUpIn(Folder, LoadedPath));
    std::vector<QString> behindBoxes, captions;
    rig.Log.WhenShown([&](const forms::ShownBox& box) {
      captions.push_back(box.Caption);
      behindBoxes.push_back(rig.ShownCell(2, 1));
    });
    rig.LoadByWindow(Folder, QString(c.Name) + " -> ");
    EXPECT_EQ(captions, c.Captions);
    EXPECT_EQ(behindBoxes, std::vector<QString>(c.Captions.size(), "Pz IV 1"));
    EXPECT_EQ(rig.ShownCell(2, 1), "Later 1");
  }
}

TEST_F(MainFormTest, SavesAreRefusedBeforeAnyLoadAndForAPartlyReadFile) {
  {
    QrlEdRig rig(StartUpIn(Folder));
    forms::DialogScript script;
    rig.Form1().SaveQRLSaveScn1Click();
    rig.Form1().SaveMapFile1Click();
    const char* const text = "You are not editing a KXQRL Version 1.0 file. Aborting";
    EXPECT_EQ(rig.Log.Entries(), Boxes({{text, "Error"}, {text, "Error"}}));
    EXPECT_TRUE(script.Calls().empty());
  }
  // 100 records: the last is not read, so the whole file must not be saved.
  qrl::test::GameFileBuilder builder;
  ScenarioFixture f = TwoSides();
  for (int id = 1; id <= 48; ++id) builder.Section(id, f.Sections[size_t(id)]);
  for (int id = 49; id <= 100; ++id) builder.Section(id, Bytes{uint8_t(id)});
  const std::string path = Put(Folder, "SCEN100.DAT", builder.Build());
  QrlEdRig rig(StartUpIn(Folder, path));
  ASSERT_EQ(rig.Log.Entries().size(), 1u);
  EXPECT_EQ(rig.Log.Entries()[0].Caption, "Warning");
  rig.Log.Clear();
  forms::DialogScript script;
  rig.Form1().SaveQRLSaveScn1Click();
  EXPECT_EQ(rig.Log.Entries(),
            Boxes({{"Only part of the loaded file was read, so saving it whole would lose the rest. Aborting",
                    "Aborting Save"}}));
  EXPECT_TRUE(script.Calls().empty());
}

TEST_F(MainFormTest, TheMapSaveOffersItsOwnNameAndStoresNoGridCells) {
  QrlEdRig rig(StartUpIn(Folder, LoadedPath));
  rig.Type(4, 1, "99");
  forms::DialogScript script;
  script.Choose("pzmap00.dat");
  rig.Form1().SaveMapFile1Click();
  EXPECT_TRUE(rig.Log.Entries().empty());
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_EQ(script.Calls()[0].Title, "Save KXQRL Version 1.0 Map");
  EXPECT_EQ(script.Calls()[0].FileName, "pzmap00.dat");
  EXPECT_EQ(script.Calls()[0].InitialDir, QString::fromStdString(Folder));
  const std::vector<Bytes> map = DecodedRecords(ReadBytes(Folder + "pzmap00.dat"));
  EXPECT_EQ(map.size(), 16u);  // the map sections only
  EXPECT_EQ(rig.Doc().CurrentFile, LoadedPath);
  EXPECT_EQ(rig.Doc().Slots.GameFileBuf[size_t(rig.Doc().Slots.SlotOffset[1]) + 119], 61);
  EXPECT_EQ(rig.ShownCell(4, 1), "99");  // still on screen, stored by a later switch or save
}

TEST_F(MainFormTest, ASaveThatCannotBeWrittenKeepsTheOldFileAndTheLabel) {
  QrlEdRig rig(StartUpIn(Folder, LoadedPath));
  const std::string target = Put(Folder, "keep.dat", Bytes{1, 2, 3});
  forms::DialogScript script;
  script.Choose(QString::fromStdString(target));
  // A file size limit makes the writes fail as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &small);
  rig.Form1().SaveQRLSaveScn1Click();
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(rig.Log.Entries(), Boxes({{"Could not open New save file!", "Aborting Save"}}));
  ASSERT_EQ(script.Calls().size(), 1u);
  EXPECT_TRUE(script.Calls()[0].AskedOverwrite);
  EXPECT_EQ(ReadBytes(target), Bytes({1, 2, 3}));
  EXPECT_EQ(rig.Form1().FileLbl->text(), "Edit(QRL): " + QString::fromStdString(LoadedPath).toLower());
  EXPECT_EQ(rig.Doc().CurrentFile, LoadedPath);
}

TEST_F(MainFormTest, TheMenuBarHoldsEveryCommandInOrderAndOnlyTheBuiltOnesAreEnabled) {
  QrlEdRig rig(StartUpIn(Folder));
  std::vector<std::string> items;
  for (QAction* menuAction : rig.Form1().MainMenu1->actions()) {
    items.push_back(("[" + menuAction->text() + "]").toStdString());
    for (QAction* item : menuAction->menu()->actions())
      items.push_back(item->isSeparator() ? "-" : item->text().toStdString() + (item->isEnabled() ? " +" : ""));
  }
  const std::vector<std::string> expected = {
      "[Files]",
      "Load QRL Scen/Save File +", "Save QRL Scen/Save File +", "-", "Save Map File +", "-",
      "Load Comment File +", "Save Comment File +", "-", "Locate OOB Files +", "-",
      "Paste CSV Unit File +", "Save CSV Unit File +", "-", "Exit QrlEd +",
      "[Tools]",
      "Edit Unit Data +", "Edit Game Data +", "Position/Property Editor +", "-",
      "Load Country Data +", "Select Country Data +", "-", "Edit Comment File +", "-",
      "View Battle Summary +", "-", "Dump File +", "Hex Editor +", "-", "Print Info +", "Print Ammo +",
      "[Help]",
      "About +", "Help +"};
  EXPECT_EQ(items, expected);
  EXPECT_TRUE(rig.Form1().AmmoBtn->isEnabled());
  EXPECT_EQ(rig.Form1().AmmoBtn->text(), "Unit Data");
}

// An assistive client finds every control of the three windows by its
// accessible name: its caption, or its own name where it shows none.
TEST_F(MainFormTest, EveryControlCarriesItsNameForAssistiveClients) {
  QrlEdRig rig(StartUpIn(Folder));
  std::vector<std::pair<QString, QString>> controls = {
      {"InfoStringGrid", "InfoStringGrid"}, {"OpenImage", "OpenImage"}, {"SideRG", "Side"},
      {"AmmoBtn", "Unit Data"},             {"ExpRollBtn", "Exp Roll"}, {"MorRollBtn", "Mor Roll"},
      {"RalRollBtn", "Rally Roll"},         {"Sk1RollBtn", "Sk1 Roll"}, {"Sk2RollBtn", "Sk2 Roll"},
      {"RollAllBtn", "Roll All"},           {"MainMenu1", "MainMenu1"}, {"FileLbl", "File"},
  };
  for (const char* roll : {"Exp", "Mor", "Ral", "Sk1", "Sk2"})
    for (const char* value : {"MEdit", "PDEdit", "PSEdit", "MDEdit", "MSEdit", "MinEdit", "MaxEdit"})
      controls.push_back({QString(roll) + value, QString(roll) + value});
  for (const auto& [name, accessible] : controls) {
    QWidget* control = rig.Form1().findChild<QWidget*>(name);
    ASSERT_NE(control, nullptr) << name.toStdString();
    EXPECT_EQ(qrl::test::AccessibleName(control), accessible) << name.toStdString();
  }
  EXPECT_EQ(rig.Form1().objectName(), "Form1");
  EXPECT_EQ(qrl::test::AccessibleName(&rig.Form1()), "Morvain Qarlmoor Editor");
  for (QAction* menuAction : rig.Form1().MainMenu1->actions())
    for (QAction* item : menuAction->menu()->actions())
      EXPECT_EQ(item->objectName().isEmpty(), item->isSeparator()) << item->text().toStdString();

  TDiceStatForm& stats = rig.DiceStatForm();
  EXPECT_EQ(stats.objectName(), "DiceStatForm");
  EXPECT_EQ(qrl::test::AccessibleName(&stats), "Country Stats");
  EXPECT_EQ(qrl::test::AccessibleName(stats.CountryLB), "CountryLB");
  EXPECT_EQ(qrl::test::AccessibleName(stats.DescriptionGrid), "DescriptionGrid");
  EXPECT_EQ(qrl::test::AccessibleName(stats.SetBtn), "Set");

  // Captions the program changes are read as they stand.
  std::vector<QString> shown;
  rig.Answers.Then([&](TFileForm& form) {
    shown = {form.objectName(),
             qrl::test::AccessibleName(&form),
             qrl::test::AccessibleName(form.MaskBtn),
             qrl::test::AccessibleName(form.OKBtn),
             qrl::test::AccessibleName(form.CancelBtn),
             qrl::test::AccessibleName(form.FileList),
             qrl::test::AccessibleName(form.Directory),
             // Qt on Linux reads a combo box's name as its current item; the
             // name set is there for clients that ask for the property.
             form.DriveLetter->accessibleName(),
             qrl::test::AccessibleName(form.FileNameEdit),
             form.DirectoryLbl->objectName()};
    FileFormAnswers::Choose("Scen012.DAT -> ")(form);
  });
  rig.Form1().LoadQRLSave1Click();
  EXPECT_EQ(shown, std::vector<QString>({"FileForm", "Open Version 1.1 file", "All (*.*)", "OK", "Cancel", "FileList",
                                         "Directory", "DriveLetter", "FileNameEdit", "DirectoryLbl"}));
  EXPECT_EQ(qrl::test::AccessibleName(rig.Form1().SideButtons[1]), "Soviet Union");
}

TEST_F(MainFormTest, TheSplashComesOnTheFirstActivationOnlyAndEachWayOfStartingWorkHidesIt) {
  struct Case {
    const char* Name;
    std::function<void(QrlEdRig&)> Dismiss;
  };
  const std::vector<Case> cases = {
      {"click on the picture", [](QrlEdRig& rig) { QTest::mouseClick(rig.Form1().OpenImage, Qt::LeftButton); }},
      {"click on the form",
       [](QrlEdRig& rig) { QTest::mouseClick(rig.Form1().centralWidget(), Qt::LeftButton, {}, QPoint(700, 300)); }},
      {"cancelled load", [](QrlEdRig& rig) { rig.Form1().LoadQRLSave1Click(); }},
      {"cancelled country data", [](QrlEdRig& rig) { rig.Form1().LoadCountryData1Click(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    QrlEdRig rig(StartUpIn(Folder));
    TForm1& form = rig.Form1();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.InfoStringGrid->isHidden());
    EXPECT_FALSE(form.OpenImage->isHidden());
    const QImage splash = form.OpenImage->pixmap().toImage();
    const QRect grid = form.InfoStringGrid->geometry();
    ASSERT_EQ(splash.size(), QSize(grid.width() - 12, grid.height() - 30));
    EXPECT_EQ(form.OpenImage->geometry().topLeft(), grid.topLeft() + QPoint(6, 24));
    EXPECT_EQ(splash.pixelColor(1, splash.height() / 2), QColor(Qt::blue));
    EXPECT_EQ(splash.pixelColor(splash.width() / 2, splash.height() - 20), QColor(Qt::black));
    auto redIn = [&](int top, int bottom) {
      int red = 0;
      for (int y = top; y < bottom; ++y)
        for (int x = 0; x < splash.width(); ++x) red += splash.pixelColor(x, y) == QColor(Qt::red);
      return red;
    };
    EXPECT_GT(redIn(40, 120), 0);    // "QRL Ed"
    EXPECT_GT(redIn(150, 230), 0);   // the two lines below it
    EXPECT_EQ(redIn(0, 40), 0);
    EXPECT_EQ(redIn(235, splash.height()), 0);

    c.Dismiss(rig);
    EXPECT_FALSE(form.InfoStringGrid->isHidden());
    EXPECT_TRUE(form.OpenImage->isHidden());
    // Another program window and back: an activation, but no splash.
    rig.DiceStatForm().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&rig.DiceStatForm()));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_FALSE(form.InfoStringGrid->isHidden());
    EXPECT_TRUE(form.OpenImage->isHidden());
  }
}

TEST_F(MainFormTest, SelectingACellNamesItsRowAndTheHeadingRowReadsNoRecord) {
  QrlEdRig rig(StartUpIn(Folder, Put(Folder, "SCEN002.DAT", TwoSides().Build())));
  ASSERT_TRUE(rig.Form1().InfoStringGrid->SetCurrentCell(2, 2));
  EXPECT_EQ(rig.Session.Grid.SelectedRow, 2);
  ASSERT_TRUE(rig.Form1().InfoStringGrid->SetCurrentCell(2, 0));
  EXPECT_EQ(rig.Session.Grid.SelectedRow, 0);
}

TEST_F(MainFormTest, AboutHelpAndExit) {
  QrlEdRig rig(StartUpIn(Folder));
  rig.Form1().findChild<QAction*>("About1")->trigger();
  ASSERT_EQ(rig.Log.Entries().size(), 1u);
  EXPECT_EQ(rig.Log.Entries()[0].Caption, "About QRL Ed");
  EXPECT_EQ(rig.Log.Entries()[0].Text.split(u'\n').front(), "This is Version 0.050b of QRL Ed");
  rig.Log.Clear();

  rig.Form1().findChild<QAction*>("Help1")->trigger();
  EXPECT_EQ(rig.Log.Entries(),
            Boxes({{qPrintable("Could not find the help file " + QString::fromStdString(Folder) + "QrlEd.html"),
                    "Error"}}));

  rig.Form1().show();
  rig.Form1().findChild<QAction*>("ExitQrlEd1")->trigger();
  EXPECT_TRUE(rig.Form1().isHidden());
}

}  // namespace
}  // namespace qrl::scenui::test
