#include <gtest/gtest.h>

#include <filesystem>

#include "scenarioeditor/core/commentfile.h"
#include "scenarioeditor/core/filelist.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::scen {
namespace {

using test::Bytes;

Bytes CommentBytes(std::string_view text, size_t size = 200) {
  Bytes b(text.begin(), text.end());
  b.resize(std::max(size, b.size()), 0);
  return b;
}

QString TextOf(const std::vector<FileListItem>& items, const std::string& name) {
  for (const auto& item : items)
    if (item.FileName == name) return item.Text;
  return "<not listed>";
}

class FileListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = test::MakeTempFolder("filelist");
    test::WriteFile(Folder + "SCEN001.DAT", {1});
    test::WriteFile(Folder + "SCEN001.cmt", CommentBytes("Attack at dawn"));
    test::WriteFile(Folder + "save07.dat", {1});
    test::WriteFile(Folder + "units.dat", {1});
    test::WriteFile(Folder + "units.cmt", CommentBytes("Roster"));
    test::WriteFile(Folder + "SCENARIO.DAT2", {1});
    test::WriteFile(Folder + "scen.old.dat", {1});
    test::WriteFile(Folder + "Scen002.Dat", {1});
    test::WriteFile(Folder + "scen002.CMT", CommentBytes(std::string(300, 'c'), 300));
    std::filesystem::create_directory(Folder + "folder.dat");
  }
  void TearDown() override { std::filesystem::remove_all(Folder); }
  std::string Folder;
};

TEST_F(FileListTest, ListsMatchingFilesSortedWithoutRegardToCase) {
  std::vector<std::string> expected = {"save07.dat", "scen.old.dat", "SCEN001.DAT", "Scen002.Dat", "units.dat"};
  EXPECT_EQ(ListMatchingFiles(Folder, "*.dat"), expected);
  EXPECT_EQ(ListMatchingFiles(Folder, "*.*").size(), 9u);  // every file, folders left out
  EXPECT_EQ(ListMatchingFiles(Folder + "missing/", "*.dat"), std::vector<std::string>());
}

TEST_F(FileListTest, AnnotatesEachNameFromItsCommentFile) {
  auto items = ListFolder(Folder, "*.dat");
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(TextOf(items, "SCEN001.DAT"), "SCEN001.DAT -> Attack at dawn");
  EXPECT_EQ(TextOf(items, "save07.dat"), "save07.dat -> ");
  EXPECT_EQ(TextOf(items, "units.dat"), "units.datRoster");  // no marker, comment directly after
  EXPECT_EQ(TextOf(items, "scen.old.dat"), "scen.old.dat -> ");
  // Found case-blind; only the first 255 bytes of a comment without a zero.
  EXPECT_EQ(TextOf(items, "Scen002.Dat"), "Scen002.Dat -> " + QString(255, 'c'));
}

TEST_F(FileListTest, AllFilesMaskListsPlainNames) {
  auto items = ListFolder(Folder, "*.*");
  EXPECT_EQ(TextOf(items, "SCEN001.DAT"), "SCEN001.DAT");
  EXPECT_EQ(TextOf(items, "SCENARIO.DAT2"), "SCENARIO.DAT2");
}

TEST(TypedNameTest, CutAfterTheFirstDotAndThreeCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {"SCEN001.DAT -> Attack at dawn", "SCEN001.DAT"},
      {"units.datUnit list", "units.dat"},
      {"scen.old.dat", "scen.old"},
      {"a.b", "a.b"},
      {"SCENARIO.DAT2", "SCENARIO.DAT"},
      {"noext", ""},
      {"", ""},
  };
  for (const auto& [typed, cut] : cases) EXPECT_EQ(CutTypedName(typed), cut) << typed;
}

TEST_F(FileListTest, ATypedNameIsFoundCaseBlindInTheFolder) {
  EXPECT_EQ(TypedPath(Folder, "scen001.dat"), Folder + "SCEN001.DAT");
  EXPECT_EQ(TypedPath(Folder, "SCEN001.DAT"), Folder + "SCEN001.DAT");
  EXPECT_EQ(TypedPath(Folder, "nosuch.dat"), Folder + "nosuch.dat");
  EXPECT_EQ(TypedPath(Folder, ""), Folder);
}

TEST_F(FileListTest, ChosenPathIsTheFolderAndTheRealName) {
  auto items = ListFolder(Folder, "*.dat");
  for (int i = 0; i < int(items.size()); ++i) {
    if (items[size_t(i)].FileName != "scen.old.dat") continue;
    EXPECT_EQ(ChosenPath(Folder, items, i), Folder + "scen.old.dat");
  }
  EXPECT_EQ(ChosenPath(Folder, items, -1), std::nullopt);  // OK with nothing chosen
  EXPECT_EQ(ChosenPath(Folder, items, int(items.size())), std::nullopt);
  std::vector<FileListItem> one = {{"SCEN001.DAT", "SCEN001.DAT -> Attack at dawn"}};
  EXPECT_EQ(ChosenPath("/", one, 0), "/SCEN001.DAT");
  EXPECT_EQ(ChosenPath("/games", one, 0), "/games/SCEN001.DAT");
}

TEST(FileListNamesTest, MarkerNeedsAScenarioNameAndTheDatExtension) {
  EXPECT_TRUE(IsScenarioName("SCEN001.DAT"));
  EXPECT_TRUE(IsScenarioName("save07.dat"));
  EXPECT_TRUE(IsScenarioName("Scenario.Dat"));
  EXPECT_FALSE(IsScenarioName("units.dat"));
  EXPECT_FALSE(IsScenarioName("SCENARIO.DAT2"));
  EXPECT_FALSE(IsScenarioName("SCEN001"));
  EXPECT_EQ(CommentFileName("SCENARIO.DAT2"), "SCENARIO2.cmt");
  EXPECT_EQ(AnnotatedItemText("SCENARIO.DAT2", std::nullopt), "SCENARIO.DAT2");
}

TEST(FileListNamesTest, CommentControlBytesShowAsBlanks) {
  const Bytes comment = {'A', '\r', '\n', 'b', 0x09, 0x7F, 0x81, 0xE9, 0, 'z'};
  EXPECT_EQ(ListedComment(comment), QString::fromUtf8("A  b   \xC3\xA9"));
}

TEST(FileListNamesTest, MaskMatchingIgnoresCase) {
  EXPECT_TRUE(MaskMatches("*.dat", "SCEN001.DAT"));
  EXPECT_TRUE(MaskMatches("*.dat", "a.b.dat"));
  EXPECT_FALSE(MaskMatches("*.dat", "SCENARIO.DAT2"));
  EXPECT_FALSE(MaskMatches("*.dat", "dat"));
  EXPECT_TRUE(MaskMatches("*.*", "noextension"));
  EXPECT_TRUE(MaskMatches("scen???.dat", "SCEN001.dat"));
  EXPECT_FALSE(MaskMatches("scen???.dat", "SCEN01.dat"));
}

TEST(MaskButtonTest, SwitchesBetweenTheCallersMaskAndAllFiles) {
  MaskButtonState b;
  b.Mask = "*.dat";
  b.Activate();
  EXPECT_EQ(b.Caption, "All (*.*)");
  b.Click();
  EXPECT_EQ(b.Mask, "*.*");
  EXPECT_EQ(b.Caption, "*.dat");
  b.Click();
  EXPECT_EQ(b.Mask, "*.dat");
  EXPECT_EQ(b.Caption, "*.*");
  b.Click();
  EXPECT_EQ(b.Mask, "*.*");
  EXPECT_EQ(b.Caption, "*.dat");
}

}  // namespace
}  // namespace qrl::scen
