#include <gtest/gtest.h>

#include <array>

#include "gamefile/magic.h"
#include "gamefile/mapsectionreader.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl {
namespace {

using test::Bytes;
using test::GameFileBuilder;
using test::Repeat;

Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

TEST(MagicTest, ComparesTheFirstLineAsACString) {
  struct Case {
    const char* Name;
    Bytes File;
    bool Current;
  };
  const std::vector<Case> cases = {
      {"V100 then NUL", GameFileBuilder("KXQRL_SAVE_V100").Build(), true},
      {"V101 then NUL", GameFileBuilder("KXQRL_SAVE_V101").Build(), true},
      {"a blank instead of the NUL", Text("KXQRL_SAVE_V100 xxxxxxxxxxxxxx"), false},
      {"a line end instead of the NUL", Text("KXQRL_SAVE_V100\n"), false},
      {"shorter magic", Text(std::string_view("KXQRL_SAVE_V10\0", 15)), false},
      {"older generation", GameFileBuilder("BRUND2_SAVE_V100").Build(), false},
      {"empty file", {}, false},
      {"magic alone at the end of the file", Text("KXQRL_SAVE_V101"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(HasCurrentGameMagic(c.File), c.Current);
  }
  // The conversions read the line into 20 characters: the older magics fit.
  EXPECT_TRUE(FirstLineIs(GameFileBuilder("BRUND3_SAVE_V100").Build(), MagicBrund3, OldMagicLineBuffer));
  // A buffer too small for the magic never matches.
  EXPECT_FALSE(FirstLineIs(GameFileBuilder("BRUND3_SAVE_V100").Build(), MagicBrund3, 16));
}

struct MapTables {
  std::array<int32_t, 50> Offset{};
  std::array<int32_t, 50> Size{};
  Bytes Buf = Bytes(4096, 0);
  int32_t Fill = 0;

  SectionScanResult Read(const Bytes& file, int32_t id) {
    return ReadSaveSection(file, id, std::span<uint8_t>(Buf).subspan(size_t(Fill)), Fill, Offset, Size);
  }
};

TEST(ReadSaveSectionTest, FindsSectionsByIdAndRecordsWhereTheyLie) {
  Bytes file = GameFileBuilder()
                   .Section(5, Repeat(9, 200))
                   .Section(2, {1, 2, 3})
                   .RawRecord(3, {4, 5}, 0, -2)  // negative length reads like its absolute value
                   .Build();
  MapTables t;
  EXPECT_EQ(t.Read(file, 2).Result, 0);
  EXPECT_EQ(t.Read(file, 3).Result, 0);
  EXPECT_EQ(t.Read(file, 5).Result, 0);
  EXPECT_EQ(t.Offset[2], 0);
  EXPECT_EQ(t.Size[2], 3);
  EXPECT_EQ(t.Offset[3], 3);
  EXPECT_EQ(t.Size[3], 2);
  EXPECT_EQ(t.Offset[5], 5);
  EXPECT_EQ(t.Size[5], 200);
  EXPECT_EQ(t.Fill, 205);
  EXPECT_EQ(Bytes(t.Buf.begin(), t.Buf.begin() + 5), Bytes({1, 2, 3, 4, 5}));
}

TEST(ReadSaveSectionTest, LeavesTablesOfAMissingIdAndRefusesIdsAbove48) {
  Bytes file = GameFileBuilder().Section(2, {1}).Build();
  MapTables t;
  t.Offset[4] = 77;
  t.Size[4] = 88;
  SectionScanResult r = t.Read(file, 4);
  EXPECT_FALSE(r.Found);
  EXPECT_EQ(t.Offset[4], 77);
  EXPECT_EQ(t.Size[4], 88);
  EXPECT_EQ(t.Read(file, 49).Result, 49);
  EXPECT_EQ(t.Fill, 0);
}

TEST(ReadSaveSectionTest, TestsTheWholeFlagAndTakesTheFirstDuplicate) {
  // Flag bytes 00 01 00 00: QrlMap reads the record as packed.
  Bytes file = GameFileBuilder().RawRecord(2, {0x83, 6}, 0x100).RawRecord(2, {1, 1, 1, 1}).Build();
  MapTables t;
  t.Read(file, 2);
  EXPECT_EQ(t.Size[2], 3);
  EXPECT_EQ(Bytes(t.Buf.begin(), t.Buf.begin() + 3), Bytes({6, 6, 6}));
}

TEST(ReadSaveSectionTest, ExaminesAtMost48Records) {
  GameFileBuilder b;
  for (int i = 0; i < 48; ++i) b.Section(40, {1});
  b.Section(2, {5});
  MapTables t;
  EXPECT_FALSE(t.Read(b.Build(), 2).Found);
}

TEST(ReadSaveSectionTest, StopsAtATruncatedHeaderAndAtTheBufferEnd) {
  Bytes file = GameFileBuilder().Section(3, {1}).Append({2, 0, 0}).Build();
  MapTables t;
  EXPECT_FALSE(t.Read(file, 2).Found);

  Bytes big = GameFileBuilder().Section(2, Repeat(1, 5000)).Build();
  SectionScanResult r = t.Read(big, 2);
  EXPECT_TRUE(r.Overflow);
  EXPECT_EQ(t.Fill, 4096);
}

TEST(ReadOldSaveSectionTest, ReadsOneByteFlagsAndCountsFromZero) {
  Bytes file = GameFileBuilder("BRUND2_SAVE_V100").OldRecord(4, {1, 2}).OldRecord(6, {0x84, 7}, 1).Build();
  Bytes dest(16, 0);
  int32_t fill = 99;
  SectionScanResult r = ReadOldSaveSection(file, 6, dest, fill);
  EXPECT_TRUE(r.Found);
  EXPECT_EQ(fill, 4);
  EXPECT_EQ(Bytes(dest.begin(), dest.begin() + 4), Bytes({7, 7, 7, 7}));
}

}  // namespace
}  // namespace qrl
