#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "gamefile/fileio.h"
#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::GameFileBuilder;
using test::ScenarioFixture;

std::string AsciiLower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return s;
}

Bytes ReadBack(const std::string& path) { return ReadWholeFile(path).value_or(Bytes()); }

std::vector<int32_t> RecordIds(const Bytes& file) {
  GameFileSlots s;
  ReadSaveFileRecords(file, s);
  return std::vector<int32_t>(s.SlotId.begin() + 1, s.SlotId.begin() + 1 + s.RecordCount);
}

class ScenarioDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { Folder = test::MakeTempFolder("scendoc"); }
  void TearDown() override { std::filesystem::remove_all(Folder); }

  std::string Put(const std::string& name, const Bytes& bytes) {
    test::WriteFile(Folder + name, bytes);
    return Folder + name;
  }
  // A document the load command has been used on, as the window leaves it.
  LoadOutcome Load(const std::string& path) {
    Session.Document.GameKind = CurrentGameKind;
    return ReadSaveFile(Session.Document, path);
  }

  std::string Folder;
  EditorSession Session;
  ScenarioDocument& Doc = Session.Document;
};

TEST_F(ScenarioDocumentTest, StartsEmptyWithTheDefaultName) {
  EXPECT_EQ(Doc.GameKind, 0);
  EXPECT_EQ(Doc.CurrentFile, "scen000.dat");
  EXPECT_EQ(Doc.CommentText, "");
  EXPECT_FALSE(Doc.Incomplete());
  SetUpFolders(Doc, "/opt/qrl/bin/QrlEd");
  EXPECT_EQ(Doc.ProgramDir, "/opt/qrl/bin/");
  EXPECT_EQ(Doc.SaveDir, "/opt/qrl/bin/");
  EXPECT_EQ(Doc.OobDir, "/opt/qrl/bin/");
}

TEST_F(ScenarioDocumentTest, LoadNamesTheFileOnlyAfterItOpenedAndPassedTheMagicTest) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "Panzer 1");
  const std::string good = Put("Scen012.DAT", f.Build("KXQRL_SAVE_V101"));
  LoadOutcome ok = Load(good);
  EXPECT_TRUE(ok.Loaded);
  EXPECT_TRUE(ok.Boxes.empty());
  EXPECT_EQ(Doc.CurrentFile, good);
  EXPECT_EQ(Doc.SaveDir, Folder);
  EXPECT_EQ(Doc.FileLabel, "Edit(QRL): " + AsciiLower(good));
  const Bytes before = Doc.Slots.GameFileBuf;

  LoadOutcome missing = Load(Folder + "nothing.dat");
  EXPECT_FALSE(missing.Loaded);
  EXPECT_EQ(missing.Boxes, std::vector<BoxMessage>({{"Couldn't open save file", "Error"}}));

  Bytes blank = f.Build();
  blank[15] = ' ';  // the magic must end in a NUL
  const std::string sub = Folder + "other/";
  std::filesystem::create_directory(sub);
  test::WriteFile(sub + "scen013.dat", blank);
  LoadOutcome wrong = Load(sub + "scen013.dat");
  EXPECT_FALSE(wrong.Loaded);
  EXPECT_EQ(wrong.Boxes,
            std::vector<BoxMessage>({{"This is not a KX:QRL version 1.0 or 2.0 saved game!", "Fatal Error"}}));

  EXPECT_EQ(Doc.CurrentFile, good);
  EXPECT_EQ(Doc.SaveDir, Folder);
  EXPECT_EQ(Doc.FileLabel, "Edit(QRL): " + AsciiLower(good));
  EXPECT_TRUE(Doc.Slots.GameFileBuf == before);
}

TEST_F(ScenarioDocumentTest, ReadsTheCommentFileByTheNameRule) {
  Bytes comment(200, 0);
  std::fill(comment.begin(), comment.end(), 'k');  // no zero: the first 199 bytes count
  Put("scen001.CMT", comment);  // found without regard to case
  const std::string withComment = Put("SCEN001.DAT", ScenarioFixture().Build());
  Load(withComment);
  EXPECT_EQ(Doc.CommentText, std::string(199, 'k'));
  // No comment file: no comment, not the earlier file's.
  Load(Put("scen002.dat", ScenarioFixture().Build()));
  EXPECT_EQ(Doc.CommentText, "");
  Put("scen003.cmt", Bytes{'H', 'i', 0, 'x'});
  Load(Put("scen003.dat", ScenarioFixture().Build()));
  EXPECT_EQ(Doc.CommentText, "Hi");
}

TEST_F(ScenarioDocumentTest, CommandLineTestWantsACurrentGameMagic) {
  EXPECT_TRUE(IsCurrentGameFile(Put("a.dat", GameFileBuilder("KXQRL_SAVE_V101").Build())));
  EXPECT_TRUE(IsCurrentGameFile(Put("b.dat", GameFileBuilder("KXQRL_SAVE_V100").Build())));
  EXPECT_FALSE(IsCurrentGameFile(Put("c.dat", GameFileBuilder("BRUND3_SAVE_V100").Build())));
  EXPECT_FALSE(IsCurrentGameFile(Put("d.dat", Bytes{'K', 'X'})));
  EXPECT_FALSE(IsCurrentGameFile(Folder + "none.dat"));
  EXPECT_FALSE(IsCurrentGameFile(Folder));
}

TEST_F(ScenarioDocumentTest, WholeSaveOf99RecordsIsByteIdentical) {
  ScenarioFixture f(99);
  f.PutUnit(0, 0, "Panzer 1");
  f.PutUnit(1, 3, "T-34");
  const Bytes file = f.Build("KXQRL_SAVE_V101");
  Load(Put("scen001.dat", file));
  const std::string saved = Folder + "copy.dat";
  EXPECT_EQ(SaveWholeFile(Doc, saved), std::nullopt);
  EXPECT_EQ(ReadBack(saved), file);
  EXPECT_EQ(Doc.CurrentFile, saved);
  EXPECT_EQ(Doc.FileLabel, AsciiLower(saved));
  EXPECT_EQ(Doc.SaveDir, Folder);
}

TEST_F(ScenarioDocumentTest, ASmallerFileLoadedLaterKeepsNoRecordOfTheEarlierOne) {
  Load(Put("scen001.dat", ScenarioFixture(99).Build()));
  const Bytes small = ScenarioFixture(20).Build();
  Load(Put("scen002.dat", small));
  EXPECT_EQ(Doc.Slots.SlotId[21], 0);
  const std::string saved = Folder + "copy.dat";
  ASSERT_EQ(SaveWholeFile(Doc, saved), std::nullopt);
  EXPECT_EQ(ReadBack(saved), small);
}

TEST_F(ScenarioDocumentTest, AnEmptyRecordIsSavedInItsPlace) {
  ScenarioFixture f(40);
  f.Sections[5].clear();
  const Bytes file = f.Build();
  Load(Put("scen001.dat", file));
  const std::string saved = Folder + "copy.dat";
  ASSERT_EQ(SaveWholeFile(Doc, saved), std::nullopt);
  EXPECT_EQ(ReadBack(saved), file);
}

TEST_F(ScenarioDocumentTest, MapOnlySaveWritesTheNonEmptyMapRecordsInSlotOrder) {
  ScenarioFixture f(99);
  f.Sections[20].clear();
  const Bytes file = f.Build();
  Load(Put("scen001.dat", file));
  const std::string map = Folder + "pzmap00.dat";
  EXPECT_EQ(SaveMapOnlyFile(Doc, map), std::nullopt);
  const Bytes written = ReadBack(map);
  EXPECT_EQ(RecordIds(written), std::vector<int32_t>({2, 3, 4, 5, 6, 7, 8, 16, 17, 28, 29, 38, 39, 47, 48}));
  EXPECT_EQ(Bytes(written.begin(), written.begin() + 20), Bytes(file.begin(), file.begin() + 20));
  GameFileSlots back;
  ReadSaveFileRecords(written, back);
  EXPECT_EQ(Bytes(back.GameFileBuf.begin() + back.SlotOffset[9], back.GameFileBuf.begin() + back.SlotOffset[9] + 16000),
            f.Sections[17]);
  EXPECT_EQ(Doc.CurrentFile, Folder + "scen001.dat");
}

TEST_F(ScenarioDocumentTest, StoredEditsChangeOnlyTheirBytes) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "Panzer 1");
  f.PutLeader(0, 0, "Hptm/Weber", 5, 6, 7, 8);
  f.PutUnit(0, 1, "Panzer 2");
  f.Unit(0, 0)[15] = 0x5A;  // byte 15 of the name field survives a store
  const Bytes file = f.Build();
  LoadGame(Session, Put("scen001.dat", file));
  Session.Grid.Cells.SetCell(4, 1, "300");
  Session.Grid.Cells.SetCell(9, 2, "-1");
  ASSERT_EQ(PrepareWholeFileSave(Session), std::nullopt);
  const std::string saved = Folder + "edited.dat";
  ASSERT_EQ(SaveWholeFile(Doc, saved), std::nullopt);

  ScenarioFixture expected = f;
  expected.Unit(0, 0)[119] = 44;
  expected.Leader(0, 1)[23] = 255;
  EXPECT_EQ(ReadBack(saved), expected.Build());
}

TEST_F(ScenarioDocumentTest, SavesAreRefusedUntilALoadHasSucceeded) {
  const std::vector<BoxMessage> refusal = {{"You are not editing a KXQRL Version 1.0 file. Aborting", "Error"}};
  EXPECT_EQ(SaveWholeFile(Doc, Folder + "x.dat"), refusal[0]);
  EXPECT_EQ(SaveMapOnlyFile(Doc, Folder + "x.dat"), refusal[0]);
  // The load command was used but its file failed to open.
  LoadGame(Session, Folder + "missing.dat");
  EXPECT_EQ(Doc.GameKind, 5);
  EXPECT_EQ(WholeFileSaveRefusal(Doc), refusal[0]);
  EXPECT_EQ(PrepareWholeFileSave(Session), refusal[0]);
  EXPECT_EQ(MapOnlySaveRefusal(Doc), refusal[0]);
  EXPECT_FALSE(std::filesystem::exists(Folder + "x.dat"));
}

TEST_F(ScenarioDocumentTest, AFailedWriteKeepsTheOldFileAndTheName) {
  const std::string original = Put("scen001.dat", ScenarioFixture().Build());
  Load(original);
  EXPECT_EQ(SaveWholeFile(Doc, Folder + "no/such/folder.dat"),
            BoxMessage({"Could not open New save file!", "Aborting Save"}));
  EXPECT_EQ(SaveMapOnlyFile(Doc, Folder + "no/such/folder.dat"),
            BoxMessage({"Could not open New save file!", "Aborting Save"}));
  EXPECT_EQ(Doc.CurrentFile, original);
  std::filesystem::create_directory(Folder + "adir");
  EXPECT_EQ(SaveWholeFile(Doc, Folder + "adir"), BoxMessage({"Could not open New save file!", "Aborting Save"}));
}

TEST_F(ScenarioDocumentTest, ProtectionFlagGivesOneBoxPerSetByte) {
  ScenarioFixture f;
  f.Sections[33] = Bytes{9, 9, 9, 9, 1, 0, 0x80, 0};
  LoadOutcome outcome = Load(Put("scen001.dat", f.Build()));
  const BoxMessage box{"This scenario is protected and cannot be edited.", "Security Violation"};
  EXPECT_EQ(outcome.Boxes, std::vector<BoxMessage>({box, box}));
  EXPECT_TRUE(outcome.Protected);
  EXPECT_TRUE(outcome.Loaded);

  f.Sections[33] = Bytes{1, 1, 1, 1, 0, 0, 0, 0};  // bytes 0..3 are not the flag
  EXPECT_FALSE(Load(Put("scen002.dat", f.Build())).Protected);
  f.Sections[33] = Bytes{0, 0, 0, 0, 1, 1, 1};  // too short to hold the flag
  EXPECT_FALSE(Load(Put("scen003.dat", f.Build())).Protected);
  EXPECT_FALSE(Load(Put("scen004.dat", ScenarioFixture(20).Build())).Protected);  // no slot 33 at all
}

TEST_F(ScenarioDocumentTest, MoreThan99RecordsMarkTheDocumentIncomplete) {
  LoadOutcome outcome = Load(Put("scen001.dat", ScenarioFixture(100).Build()));
  EXPECT_TRUE(outcome.Incomplete);
  EXPECT_TRUE(Doc.Incomplete());
  ASSERT_EQ(outcome.Boxes.size(), 1u);
  EXPECT_EQ(outcome.Boxes[0].Caption, "Warning");
  const auto refusal = WholeFileSaveRefusal(Doc);
  ASSERT_TRUE(refusal.has_value());
  EXPECT_EQ(refusal->Caption, "Aborting Save");
  EXPECT_EQ(SaveWholeFile(Doc, Folder + "copy.dat"), refusal);
  EXPECT_FALSE(std::filesystem::exists(Folder + "copy.dat"));
  // Every map slot was read, so the map can still be saved.
  EXPECT_EQ(SaveMapOnlyFile(Doc, Folder + "map.dat"), std::nullopt);
  // A complete file loaded afterwards clears the mark.
  Load(Put("scen002.dat", ScenarioFixture(99).Build()));
  EXPECT_FALSE(Doc.Incomplete());
  EXPECT_EQ(WholeFileSaveRefusal(Doc), std::nullopt);
}

TEST_F(ScenarioDocumentTest, TooMuchDataKeepsWhatWasReadAndRefusesBothSaves) {
  ScenarioFixture f(40);
  f.Sections[8] = Bytes(4'900'000, 8);  // packs small, decodes past the buffer with slot 1 before it
  LoadOutcome outcome = Load(Put("scen001.dat", f.Build()));
  ASSERT_GE(outcome.Boxes.size(), 2u);
  EXPECT_EQ(outcome.Boxes[0], BoxMessage({"Too much data", "Error"}));
  EXPECT_EQ(outcome.Boxes[1].Caption, "Warning");
  EXPECT_TRUE(outcome.Loaded);
  EXPECT_TRUE(Doc.Incomplete());
  EXPECT_EQ(Doc.Slots.SlotSize[1], int32_t(f.Sections[1].size()));
  EXPECT_EQ(Doc.Slots.SlotSize[8], 0);
}

// The slot whose decoding reaches the limit loses its data wherever it lies:
// saving the file whole would drop it, and a map-only save needs every slot
// up to 48 read.
TEST_F(ScenarioDocumentTest, TheSlotCutByTheLimitCountsAsUnread) {
  struct Case {
    int overflowSlot;
    bool mapSaveAllowed;
  };
  for (const Case c : {Case{1, false}, Case{48, false}, Case{49, true}}) {
    SCOPED_TRACE(c.overflowSlot);
    ScenarioFixture f(49);
    f.Sections[size_t(c.overflowSlot)] = Bytes(5'000'000, 3);  // packs small, decodes past the buffer
    const Bytes file = f.Build();
    const std::string path = Put("scen001.dat", file);
    ASSERT_TRUE(Load(path).Loaded);
    EXPECT_TRUE(Doc.Incomplete());

    const auto refusal = WholeFileSaveRefusal(Doc);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Caption, "Aborting Save");
    EXPECT_EQ(SaveWholeFile(Doc, path), refusal);  // over the loaded file itself
    EXPECT_EQ(ReadBack(path), file);

    const std::string map = Folder + "map.dat";
    std::filesystem::remove(map);
    if (c.mapSaveAllowed) {
      EXPECT_EQ(SaveMapOnlyFile(Doc, map), std::nullopt);
      EXPECT_EQ(RecordIds(ReadBack(map)),
                std::vector<int32_t>({2, 3, 4, 5, 6, 7, 8, 16, 17, 20, 28, 29, 38, 39, 47, 48}));
    } else {
      const auto mapRefusal = MapOnlySaveRefusal(Doc);
      ASSERT_TRUE(mapRefusal.has_value());
      EXPECT_EQ(mapRefusal->Caption, "Aborting Save");
      EXPECT_EQ(SaveMapOnlyFile(Doc, map), mapRefusal);
      EXPECT_FALSE(std::filesystem::exists(map));
    }
  }
}

TEST_F(ScenarioDocumentTest, LoadCommandFillsTheFirstSideAndClassifiesItsLeaders) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "Panzer 1");
  f.PutLeader(0, 0, "Hptm/Weber", 50, 60, 50, 50);
  f.PutUnit(1, 0, "T-34");
  f.Unit(0, 0)[167] = 70;
  f.Unit(1, 0)[167] = 81;
  Session.Grid.SelectedRow = 7;
  Session.Random.Seed(uint64_t(1) << 40);
  Doc.OobDir = Folder;
  Put("OOB70", Bytes{});
  Put("OOB81", Bytes{});
  LoadOutcome outcome = LoadGame(Session, Put("scen001.dat", f.Build()));
  EXPECT_TRUE(outcome.Loaded);
  EXPECT_TRUE(Doc.NewFileLoaded);
  EXPECT_EQ(Session.Grid.FilledSide, 0);
  EXPECT_EQ(Session.Grid.Cells.Cell(0, 0), "Side");
  EXPECT_EQ(Session.Grid.Cells.Cell(2, 1), "Panzer 1");
  EXPECT_EQ(Session.Grid.SideName[0], "Germany");
  EXPECT_EQ(Session.Grid.SideName[1], "Soviet Union");
  EXPECT_EQ(Session.Grid.LeaderClass[0], 'I');
  EXPECT_EQ(Session.Grid.SelectedRow, 1);
  EXPECT_LT(Session.Random.RandomState, MillisecondsPerDay);  // seeded from the clock

  // Cancelling the open-file window keeps the document and shows the first side again.
  SwitchSide(Doc.Slots, Session.Grid, 1);
  Doc.NewFileLoaded = false;
  LoadOutcome cancelled = LoadGame(Session, std::nullopt);
  EXPECT_FALSE(cancelled.Loaded);
  EXPECT_TRUE(cancelled.Boxes.empty());
  EXPECT_EQ(Session.Grid.FilledSide, 0);
  EXPECT_EQ(Session.Grid.Cells.Cell(2, 1), "Panzer 1");
  EXPECT_TRUE(Doc.NewFileLoaded);
}

}  // namespace
}  // namespace qrl::scen
