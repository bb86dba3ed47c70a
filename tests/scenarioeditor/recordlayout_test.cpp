#include <gtest/gtest.h>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/recordlayout.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::ScenarioFixture;

GameFileSlots Loaded(const Bytes& file) {
  GameFileSlots s;
  ReadSaveFileRecords(file, s);
  return s;
}

ptrdiff_t OffsetInSlot(const GameFileSlots& s, int slot, std::span<const uint8_t> record) {
  return record.data() - (s.GameFileBuf.data() + s.SlotOffset[size_t(slot)]);
}

TEST(RecordLayoutTest, AddressesRecordsBySideAndUnit) {
  const GameFileSlots s = Loaded(ScenarioFixture().Build());
  auto unit = UnitRecordAt(s, 1, 5);
  ASSERT_EQ(unit.size(), 258u);
  EXPECT_EQ(OffsetInSlot(s, 1, unit), 104490);
  auto leader = LeaderRecordAt(s, 1, 5);
  ASSERT_EQ(leader.size(), 32u);
  EXPECT_EQ(OffsetInSlot(s, 34, leader), 12960);
  auto position = PositionRecordAt(s, 1, 5);
  ASSERT_EQ(position.size(), 20u);
  EXPECT_EQ(OffsetInSlot(s, 17, position), 8100);
  EXPECT_EQ(GameDataRecordAt(s).size(), 365u);
  EXPECT_EQ(FieldLe16(PrestigeAt(s), 0), 300);
  EXPECT_EQ(FieldLe16(MapWidthAt(s), 0), 100);
  EXPECT_EQ(FieldLe16(MapHeightAt(s), 0), 80);
}

TEST(RecordLayoutTest, RecordsOutsideTheirSlotAreAbsent) {
  ScenarioFixture f;
  f.Sections[1].resize(test::FixtureSideBytes + test::FixtureUnitSize);
  f.Sections[37].resize(364);  // one byte short of the last game-data field
  const GameFileSlots s = Loaded(f.Build());
  EXPECT_EQ(UnitRecordAt(s, 1, 0).size(), 258u);
  EXPECT_TRUE(UnitRecordAt(s, 1, 1).empty());  // would run into slot 2
  EXPECT_TRUE(GameDataRecordAt(s).empty());
  EXPECT_TRUE(UnitRecordAt(s, 0, 400).empty());
  EXPECT_TRUE(UnitRecordAt(s, 0, -1).empty());
  EXPECT_TRUE(UnitRecordAt(s, 2, 0).empty());
  EXPECT_TRUE(LeaderRecordAt(s, -1, 399).empty());
}

TEST(RecordLayoutTest, SlotsPastTheEndOrAfterAnEarlyStopHoldNoRecord) {
  // A map-only file has no unit, leader or game-data slot of its own; the
  // slots past its end lie at the running total with size 0.
  GameFileSlots s = Loaded(test::MakeMapGameFile(100, 80, 80));
  EXPECT_TRUE(LeaderRecordAt(s, 0, 0).empty());
  EXPECT_TRUE(GameDataRecordAt(s).empty());
  EXPECT_FALSE(SetFieldByte(LeaderRecordAt(s, 0, 0), 20, 7));
  // An early stop leaves the later slots at offset 0, where the header is.
  Bytes big = test::GameFileBuilder().Section(1, Bytes(3'000'000, 1)).Section(2, Bytes(3'000'000, 2)).Build();
  GameFileSlots stopped = Loaded(big);
  EXPECT_TRUE(RecordInSlot(stopped, 3, 0, 1).empty());
  EXPECT_TRUE(PrestigeAt(stopped).empty());
}

TEST(RecordLayoutTest, FieldAccessInsideARecordOnly) {
  GameFileSlots s = Loaded(ScenarioFixture().Build());
  auto unit = UnitRecordAt(s, 0, 0);
  EXPECT_TRUE(SetFieldByte(unit, 257, 9));
  EXPECT_FALSE(SetFieldByte(unit, 258, 9));
  EXPECT_EQ(FieldByte(unit, 257), 9);
  EXPECT_EQ(FieldByte(unit, 258), std::nullopt);
  EXPECT_FALSE(SetFieldLe16(unit, 257, 1));
  EXPECT_TRUE(SetFieldLe16(PositionRecordAt(s, 0, 0), 0, uint16_t(-1)));
  EXPECT_EQ(PositionRecordAt(s, 0, 0)[0], 0xFF);
  EXPECT_EQ(PositionRecordAt(s, 0, 0)[1], 0xFF);
  EXPECT_EQ(UnitRecordAt(s, 0, 1)[0], 0);  // the next record is untouched
}

TEST(RecordLayoutTest, UnitNamesReadAtMostSixteenBytes) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "ABCDEFGHIJKLMNOP");  // 16 bytes, no terminator
  f.Unit(0, 0)[16] = 'Q';               // the class byte follows directly
  f.PutUnit(0, 1, "Short");
  const GameFileSlots s = Loaded(f.Build());
  EXPECT_EQ(UnitName(UnitRecordAt(s, 0, 0)), "ABCDEFGHIJKLMNOP");
  EXPECT_EQ(UnitName(UnitRecordAt(s, 0, 1)), "Short");
  EXPECT_EQ(UnitName({}), "");
}

TEST(RecordLayoutTest, TextFieldsAreZeroFilledAndCut) {
  Bytes record(32, 0xAA);
  EXPECT_TRUE(SetFieldText(record, 0, 14, "Hptm/Weber"));
  EXPECT_EQ(FieldText(record, 0, 14), "Hptm/Weber");
  EXPECT_EQ(record[13], 0);
  EXPECT_EQ(record[14], 0xAA);
  EXPECT_TRUE(SetFieldText(record, 0, 14, "ABCDEFGHIJKLMNOPQRST"));
  EXPECT_EQ(FieldText(record, 0, 14), "ABCDEFGHIJKLMN");
  EXPECT_EQ(record[14], 0xAA);
  EXPECT_FALSE(SetFieldText(record, 20, 14, "x"));
  EXPECT_EQ(record[20], 0xAA);
}

}  // namespace
}  // namespace qrl::scen
