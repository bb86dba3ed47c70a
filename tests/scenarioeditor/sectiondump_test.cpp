#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "gamefile/fileio.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "scenarioeditor/core/sectiondump.h"
#include "tests/scenarioeditor/dumpfixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;

std::vector<std::vector<QString>> Rows(const CellTable& cells) {
  std::vector<std::vector<QString>> rows;
  for (int r = 0; r < cells.RowCount(); ++r) rows.push_back({cells.Cell(0, r), cells.Cell(1, r), cells.Cell(2, r)});
  return rows;
}

class SectionDumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = test::MakeTempFolder("sectiondump");
    ASSERT_TRUE(DecodeSaveFile(Doc, "/games/SCEN007.DAT", test::DumpGameFile()).Loaded);
    Image = Doc.Slots.GameFileBuf;
  }
  void TearDown() override { std::filesystem::remove_all(Folder); }

  std::string Put(const std::string& name, const Bytes& bytes) {
    test::WriteFile(Folder + name, bytes);
    return Folder + name;
  }
  Bytes LoadedImage() const { return Bytes(Doc.Slots.GameFileBuf.begin(), Doc.Slots.GameFileBuf.begin() + 330); }

  std::string Folder;
  ScenarioDocument Doc;
  std::vector<uint8_t> Image;  // the whole buffer as loaded
};

TEST_F(SectionDumpTest, ListsTheNonEmptySlotsInSlotOrderAndTheStatsTextSaysTheSame) {
  const DumpListing listing = ListDumpSlots(Doc.Slots);
  EXPECT_EQ(listing.Label, "3 Sections");
  EXPECT_EQ(listing.RowSlots, (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(Rows(listing.Cells), (std::vector<std::vector<QString>>{{"Sect", " Size", " Address"},
                                                                     {"  0", "     20", " 000000"},
                                                                     {"  1", "     10", " 000014"},
                                                                     {"  3", "    300", " 00001E"}}));
  EXPECT_EQ(DumpStatsText(Doc.Slots, Doc.CurrentFile),
            "330 bytes in /games/SCEN007.DAT\r\n"
            "Sect  Size(d)  Address(h)\r\n"
            "  0       20        0\r\n"
            "  1       10       14\r\n"
            "  3      300       1E\r\n");
}

TEST_F(SectionDumpTest, NothingLoadedListsNothing) {
  const ScenarioDocument fresh;
  const DumpListing listing = ListDumpSlots(fresh.Slots);
  EXPECT_EQ(listing.Label, "0 Sections");
  EXPECT_EQ(listing.Cells.RowCount(), 1);
  EXPECT_EQ(DumpStatsText(fresh.Slots, fresh.CurrentFile), "0 bytes in scen000.dat\r\nSect  Size(d)  Address(h)\r\n");
  EXPECT_TRUE(AllSectionsDump(fresh.Slots).empty());
}

TEST_F(SectionDumpTest, TheSelectedSlotIsThatOfTheRowTagAndTheHeaderUntilARowWasChosen) {
  DumpSelection selection;
  const DumpListing listing = ListDumpSlots(Doc.Slots);
  selection.Rebuilt(listing);
  EXPECT_EQ(selection.SelectedSlot(), 0);
  selection.SelectRow(3);  // the row of slot 3, below the empty slot 2
  EXPECT_EQ(selection.Tag(), 3);
  EXPECT_EQ(selection.SelectedSlot(), 3);
  selection.SelectRow(0);  // the heading row: no selection
  selection.SelectRow(4);  // below the last row
  EXPECT_EQ(selection.SelectedSlot(), 3);

  selection.Rebuilt(listing);  // the same slots: the row keeps its meaning
  EXPECT_EQ(selection.SelectedSlot(), 3);

  ScenarioDocument other;
  ASSERT_TRUE(DecodeSaveFile(other, "/games/B.DAT", test::GameFileBuilder().Section(1, {1, 2}).Build()).Loaded);
  selection.Rebuilt(ListDumpSlots(other.Slots));  // row 3 no longer exists
  EXPECT_EQ(selection.Tag(), 0);
  EXPECT_EQ(selection.SelectedSlot(), 0);
}

TEST_F(SectionDumpTest, TheDumpsHoldTheDecodedBytesOnly) {
  EXPECT_EQ(AllSectionsDump(Doc.Slots),
            test::Concat({test::DumpHeader(), test::DumpRecord1(), test::DumpRecord3()}));
  const auto header = SectionDump(Doc.Slots, 0);
  EXPECT_EQ(Bytes(header.begin(), header.end()), test::DumpHeader());
  const auto three = SectionDump(Doc.Slots, 3);
  EXPECT_EQ(Bytes(three.begin(), three.end()), test::DumpRecord3());
  EXPECT_TRUE(SectionDump(Doc.Slots, 2).empty());
  EXPECT_TRUE(SectionDump(Doc.Slots, 100).empty());
  EXPECT_TRUE(SectionDump(Doc.Slots, -1).empty());
}

TEST_F(SectionDumpTest, AWholeDumpSavedAndLoadedBackLeavesTheImageAsItWas) {
  const std::string path = Folder + "game.all";
  ASSERT_EQ(SaveDump(path, AllSectionsDump(Doc.Slots)), std::nullopt);
  EXPECT_EQ(ReadWholeFile(path)->size(), 330u);
  const uint64_t before = Doc.Changes.Count();
  EXPECT_EQ(LoadAllDump(Doc, path), std::nullopt);
  EXPECT_EQ(Doc.Slots.GameFileBuf, Image);
  EXPECT_EQ(Doc.Changes.Count(), before + 1);
}

TEST_F(SectionDumpTest, LoadsRefuseLargerFilesAndReplaceOnlyTheFirstBytesOfShorterOnes) {
  const Bytes ones(331, 1);
  struct Case {
    const char* Name;
    int Slot;  // -1: Load All
    size_t Size;
    std::optional<BoxMessage> Box;
  };
  const Case cases[] = {
      {"whole image plus one byte", -1, 331, DumpBoxes::TooLarge},
      {"slot 3 plus one byte", 3, 301, DumpBoxes::TooLarge},
      {"header plus one byte", 0, 21, DumpBoxes::TooLarge},
      {"anything into an empty slot", 2, 1, DumpBoxes::TooLarge},
      {"slot 3 less one byte", 3, 299, std::nullopt},
      {"whole image exactly", -1, 330, std::nullopt},
      {"an empty file", 1, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Doc.Slots.GameFileBuf = Image;
    const uint64_t before = Doc.Changes.Count();
    const std::string path = Put("dump.s", Bytes(ones.begin(), ones.begin() + long(c.Size)));
    const auto box = c.Slot < 0 ? LoadAllDump(Doc, path) : LoadSectionDump(Doc, c.Slot, path);
    EXPECT_EQ(box, c.Box);
    Bytes expected = Image;
    if (!c.Box) {
      const size_t start = c.Slot < 0 ? 0 : size_t(Doc.Slots.SlotOffset[size_t(c.Slot)]);
      std::fill_n(expected.begin() + long(start), c.Size, 1);
    }
    EXPECT_EQ(Doc.Slots.GameFileBuf, expected);
    EXPECT_EQ(Doc.Changes.Count(), before + (c.Box ? 0 : 1));
  }
  EXPECT_EQ(Doc.Slots.SlotSize[3], 300);
  EXPECT_EQ(Doc.CurrentFile, "/games/SCEN007.DAT");
}

TEST_F(SectionDumpTest, AFileThatDoesNotReadChangesNothing) {
  std::filesystem::create_directory(Folder + "folder.all");
  for (const std::string& path : {Folder + "missing.all", Folder + "folder.all", std::string()}) {
    EXPECT_EQ(LoadAllDump(Doc, path), DumpBoxes::CouldNotRead) << path;
    EXPECT_EQ(LoadSectionDump(Doc, 3, path), DumpBoxes::CouldNotRead) << path;
  }
  EXPECT_EQ(Doc.Slots.GameFileBuf, Image);
}

TEST_F(SectionDumpTest, AFailedSaveKeepsTheOldFile) {
  const Bytes dump = AllSectionsDump(Doc.Slots);
  EXPECT_EQ(SaveDump(Folder + "gone/new.all", dump), DumpBoxes::CouldNotWrite);
  std::filesystem::create_directory(Folder + "taken.all");
  EXPECT_EQ(SaveDump(Folder + "taken.all", dump), DumpBoxes::CouldNotWrite);
  EXPECT_TRUE(std::filesystem::is_directory(Folder + "taken.all"));
  if (::geteuid() != 0) {  // root writes into read-only folders
    const std::string path = Put("old.all", Bytes{7, 7, 7});
    std::filesystem::permissions(Folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_EQ(SaveDump(path, dump), DumpBoxes::CouldNotWrite);
    std::filesystem::permissions(Folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(ReadWholeFile(path), Bytes({7, 7, 7}));
  }
}

}  // namespace
}  // namespace qrl::scen
