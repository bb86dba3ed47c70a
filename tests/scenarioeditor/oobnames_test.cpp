#include <gtest/gtest.h>

#include <filesystem>

#include "scenarioeditor/core/oobnames.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::scen {
namespace {

using test::Bytes;

// An OOB file whose record i holds "N<i>" (zero-padded to 15 bytes).
Bytes NamesFile(const std::string& prefix = "N") {
  Bytes file(3750, 0);
  for (int i = 0; i < 250; ++i) {
    const std::string name = prefix + std::to_string(i);
    std::copy(name.begin(), name.end(), file.begin() + 15 * i);
  }
  return file;
}

class OobNamesTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(Folder); }
  void Put(const std::string& name, const Bytes& bytes) { test::WriteFile(Folder + name, bytes); }
  std::vector<BoxMessage> Load(uint32_t side0, uint32_t side1) { return LoadOobWeaponNames(Folder, {side0, side1}, Table); }
  BoxMessage Warning(const std::string& file) const {
    return {"Could not open " + Folder + file + ". Weapons names not available", "Warning"};
  }

  std::string Folder = test::MakeTempFolder("oob");
  WeaponNameTable Table;
};

TEST(OobFileNameTest, TheNumberHasAtLeastTwoDigits) {
  EXPECT_EQ(OobFileName(0), "OOB00");
  EXPECT_EQ(OobFileName(5), "OOB05");
  EXPECT_EQ(OobFileName(12), "OOB12");
  EXPECT_EQ(OobFileName(123), "OOB123");
}

TEST(OobNamesReadTest, RecordsAreCutAtTheirFirstZeroAndEntryZeroIsNone) {
  Bytes file = NamesFile();
  std::fill(file.begin(), file.begin() + 15, 'Z');              // text in record 0
  std::fill(file.begin() + 15 * 7, file.begin() + 15 * 8, 'Q');  // 15 bytes, no terminator
  const auto names = ReadOobNames(file);
  EXPECT_EQ(names[0], "None");
  EXPECT_EQ(names[1], "N1");
  EXPECT_EQ(names[7], std::string(15, 'Q'));
  EXPECT_EQ(names[8], "N8");
  EXPECT_EQ(names[249], "N249");
}

TEST(OobNamesReadTest, BytesPastTheEndOfAShortFileReadAs0xFF) {
  const Bytes full = NamesFile();
  const Bytes shortFile(full.begin(), full.begin() + 15 * 3 + 1);  // records 0..2 and one byte of record 3
  const auto names = ReadOobNames(shortFile);
  EXPECT_EQ(names[2], "N2");
  EXPECT_EQ(names[3], "N" + std::string(14, '\xFF'));
  EXPECT_EQ(names[4], std::string(15, '\xFF'));
  EXPECT_EQ(ReadOobNames({})[249], std::string(15, '\xFF'));
  EXPECT_EQ(ReadOobNames({})[0], "None");
}

TEST_F(OobNamesTest, EachSideReadsTheFileOfItsNumberFoundCaseBlind) {
  Put("oob05", NamesFile("A"));
  Put("OOB123", NamesFile("B"));
  EXPECT_TRUE(Load(5, 123).empty());
  EXPECT_EQ(Table.Loaded, (std::array<bool, 2>{true, true}));
  EXPECT_EQ(Table.Names[0][17], "A17");
  EXPECT_EQ(Table.Names[1][17], "B17");
  EXPECT_EQ(WeaponListItems(Table, 1)[0], "0) None");
  EXPECT_EQ(WeaponListItems(Table, 1)[249], "249) B249");
}

TEST_F(OobNamesTest, AMissingFileWarnsOnceAndHidesTheNamesAnEarlierLoadRead) {
  Put("OOB70", NamesFile("G"));
  Put("OOB81", NamesFile("S"));
  ASSERT_TRUE(Load(70, 81).empty());
  std::filesystem::remove(Folder + "OOB70");
  std::filesystem::create_directory(Folder + "OOB70");  // a folder of that name is no file
  EXPECT_EQ(Load(70, 81), std::vector<BoxMessage>{Warning("OOB70")});
  EXPECT_EQ(Table.Loaded, (std::array<bool, 2>{false, true}));
  EXPECT_EQ(Table.Names[0][3], "G3");  // kept, but not shown:
  EXPECT_EQ(WeaponCellText(Table, 0, 0, 3), "Weapon #1");
  EXPECT_EQ(WeaponCellText(Table, 0, 3, 3), "Weapon #4");
  EXPECT_EQ(WeaponCellText(Table, 1, 0, 3), "S3");
  // Both missing: side 0's box first.
  EXPECT_EQ(Load(1, 2), (std::vector<BoxMessage>{Warning("OOB01"), Warning("OOB02")}));
}

TEST_F(OobNamesTest, AWeaponNumberWithoutANameShowsItsNumber) {
  Put("OOB00", NamesFile());
  Load(0, 0);
  EXPECT_EQ(WeaponCellText(Table, 0, 2, 249), "N249");
  EXPECT_EQ(WeaponCellText(Table, 0, 2, 250), "Weapon #250");
  EXPECT_EQ(WeaponCellText(Table, 0, 2, -3), "Weapon #-3");
  EXPECT_EQ(WeaponCellText(Table, 0, 2, 0), "None");
}

}  // namespace
}  // namespace qrl::scen
