#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "gamefile/gamefileslots.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl {
namespace {

using test::Bytes;
using test::GameFileBuilder;
using test::Repeat;

Bytes SlotBytes(const GameFileSlots& s, int slot) {
  auto begin = s.GameFileBuf.begin() + s.SlotOffset[size_t(slot)];
  return Bytes(begin, begin + s.SlotSize[size_t(slot)]);
}

Bytes RecordsInIdOrder(int count, bool withEmpty = false) {
  GameFileBuilder b("KXQRL_SAVE_V101");
  for (int id = 1; id <= count; ++id) {
    Bytes data(size_t(id * 3), uint8_t(id));
    if (id % 4 == 0) data[0] = 0;  // some raw, some packed
    if (withEmpty && id == 5) data.clear();
    b.Section(id, data);
  }
  return b.Build();
}

TEST(RecordLoopTest, FillsSlotsByPositionAndEmptiesTheRest) {
  Bytes file = GameFileBuilder().Section(9, {1, 2}).Section(3, Repeat(4, 10)).Build();
  GameFileSlots s;
  s.SlotId[50] = 1234;
  RecordLoopResult r = ReadSaveFileRecords(file, s);
  EXPECT_FALSE(r.Incomplete());
  EXPECT_EQ(s.SlotSize[0], 20);
  EXPECT_EQ(s.SlotId[1], 9);
  EXPECT_EQ(s.SlotId[2], 3);
  EXPECT_EQ(s.SlotOffset[1], 20);
  EXPECT_EQ(s.SlotOffset[2], 22);
  EXPECT_EQ(SlotBytes(s, 2), Repeat(4, 10));
  EXPECT_EQ(s.RecordCount, 2);
  for (int slot = 3; slot <= 99; ++slot) {
    EXPECT_EQ(s.SlotId[size_t(slot)], 0);
    EXPECT_EQ(s.SlotSize[size_t(slot)], 0);
    EXPECT_EQ(s.SlotOffset[size_t(slot)], 32);
  }
}

TEST(RecordLoopTest, TestsOnlyTheLowFlagByte) {
  Bytes file = GameFileBuilder().RawRecord(1, {0x83, 6}, 0x100).Build();
  GameFileSlots s;
  ReadSaveFileRecords(file, s);
  EXPECT_EQ(SlotBytes(s, 1), Bytes({0x83, 6}));
}

TEST(RecordLoopTest, FortyRecordsRoundTripByteForByte) {
  Bytes file = RecordsInIdOrder(40);
  GameFileSlots s;
  ReadSaveFileRecords(file, s);
  EXPECT_EQ(s.RecordCount, 40);
  EXPECT_EQ(s.SlotId[41], 0);
  EXPECT_EQ(WriteSaveFile(s, false), file);
}

TEST(RecordLoopTest, AnEmptyRecordKeepsItsPlaceOnSave) {
  Bytes file = RecordsInIdOrder(8, true);
  GameFileSlots s;
  ReadSaveFileRecords(file, s);
  EXPECT_EQ(s.SlotSize[5], 0);
  EXPECT_EQ(s.SlotId[5], 5);
  EXPECT_EQ(WriteSaveFile(s, false), file);
}

TEST(RecordLoopTest, MarksRecordsBeyondThe99th) {
  GameFileSlots s;
  EXPECT_FALSE(ReadSaveFileRecords(RecordsInIdOrder(99), s).Incomplete());
  RecordLoopResult r = ReadSaveFileRecords(RecordsInIdOrder(100), s);
  EXPECT_TRUE(r.RecordsBeyondSlots);
  EXPECT_EQ(s.RecordCount, 99);
}

TEST(RecordLoopTest, StopsAtTheBufferLimit) {
  // Two sections of 3,000,000 bytes each, packed small: the second does not fit.
  Bytes file = GameFileBuilder().Section(1, Repeat(1, 3'000'000)).Section(2, Repeat(2, 3'000'000)).Section(3, {3}).Build();
  GameFileSlots s;
  RecordLoopResult r = ReadSaveFileRecords(file, s);
  EXPECT_TRUE(r.TooMuchData);
  EXPECT_EQ(r.StoppedAtSlot, 2);
  EXPECT_EQ(s.SlotSize[1], 3'000'000);
  EXPECT_EQ(s.SlotSize[2], 0);
  EXPECT_EQ(s.SlotOffset[3], 0);
  EXPECT_EQ(s.SlotSize[3], 0);
  EXPECT_EQ(s.GameFileBuf[GameFileBufSize - 1], 2);  // filled up to the limit, not beyond
  EXPECT_EQ(s.RecordCount, 1);  // the cut slot is not written back as an empty record
  EXPECT_EQ(WriteSaveFile(s, true).size(), 20u);
}

// A load clears only what may be dirty; whatever the slots held before, the
// result must be what a fresh buffer gives, byte for byte over the whole buffer.
TEST(RecordLoopTest, LoadingIntoUsedSlotsGivesWhatFreshSlotsGive) {
  const Bytes small = GameFileBuilder().Section(9, {1, 2}).Section(3, Repeat(4, 10)).Build();
  const Bytes tooMuch =
      GameFileBuilder().Section(1, Repeat(1, 3'000'000)).Section(2, Repeat(2, 3'000'000)).Build();
  struct Case {
    const char* what;
    std::function<void(GameFileSlots&)> dirty;
  };
  const Case cases[] = {
      {"a larger file", [](GameFileSlots& s) { ReadSaveFileRecords(RecordsInIdOrder(99), s); }},
      {"a file that filled the buffer", [&](GameFileSlots& s) { ReadSaveFileRecords(tooMuch, s); }},
      {"a file whose slots were then emptied",
       [](GameFileSlots& s) {
         ReadSaveFileRecords(RecordsInIdOrder(60), s);
         s.SlotSize.fill(0);
         s.SlotOffset.fill(0);
       }},
      {"bytes written into a slot table set by hand",
       [](GameFileSlots& s) {
         s.SlotOffset[7] = 4'000'000;
         s.SlotSize[7] = 1000;
         std::fill_n(s.GameFileBuf.begin() + 4'000'000, 1000, uint8_t(0xAB));
       }},
      {"a buffer of another size", [](GameFileSlots& s) { s.GameFileBuf.assign(17, 0xCD); }},
  };
  GameFileSlots fresh;
  const RecordLoopResult expected = ReadSaveFileRecords(small, fresh);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameFileSlots used;
    c.dirty(used);
    const RecordLoopResult r = ReadSaveFileRecords(small, used);
    EXPECT_EQ(r.Incomplete(), expected.Incomplete());
    EXPECT_EQ(used.RecordCount, fresh.RecordCount);
    EXPECT_EQ(used.SlotOffset, fresh.SlotOffset);
    EXPECT_EQ(used.SlotSize, fresh.SlotSize);
    EXPECT_EQ(used.SlotId, fresh.SlotId);
    EXPECT_TRUE(used.GameFileBuf == fresh.GameFileBuf);  // not printed: 5,000,000 bytes
  }
}

TEST(WriteSaveFileTest, MapOnlyWritesTheNonEmptyMapIdsInSlotOrder) {
  Bytes file = RecordsInIdOrder(50, true);  // record 5 is present but empty
  GameFileSlots s;
  ReadSaveFileRecords(file, s);
  s.SlotSize[29] = 0;  // an emptied map section is left out too
  Bytes map = WriteSaveFile(s, true);
  GameFileSlots back;
  ReadSaveFileRecords(map, back);
  std::vector<int32_t> ids;
  for (int slot = 1; slot <= back.RecordCount; ++slot) ids.push_back(back.SlotId[size_t(slot)]);
  EXPECT_EQ(ids, std::vector<int32_t>({2, 3, 4, 6, 7, 8, 16, 17, 20, 28, 38, 39, 47, 48}));
  EXPECT_EQ(Bytes(map.begin(), map.begin() + 20), Bytes(file.begin(), file.begin() + 20));
}

}  // namespace
}  // namespace qrl
