#include <gtest/gtest.h>

#include <memory>

#include "gamefile/gamefileslots.h"
#include "gamefile/strtoint.h"
#include "scenarioeditor/core/gamedata.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::ScenarioFixture;

struct Loaded {
  std::unique_ptr<GameFileSlots> Slots = std::make_unique<GameFileSlots>();
  explicit Loaded(const ScenarioFixture& f) { ReadSaveFileRecords(f.Build(), *Slots); }
  Bytes Record() const {
    auto first = Slots->GameFileBuf.begin() + Slots->SlotOffset[37];
    return Bytes(first, first + Slots->SlotSize[37]);
  }
  Bytes Prestige() const {
    auto first = Slots->GameFileBuf.begin() + Slots->SlotOffset[26];
    return Bytes(first, first + Slots->SlotSize[26]);
  }
};

size_t FieldIndex(std::string_view control) {
  for (size_t i = 0; i < GameDataByteFields.size(); ++i)
    if (GameDataByteFields[i].Control == control) return i;
  ADD_FAILURE() << control;
  return 0;
}

ScenarioFixture NumberedGameData() {
  ScenarioFixture f;
  for (size_t i = 0; i < f.Sections[37].size(); ++i) f.Sections[37][i] = uint8_t(i * 7);
  f.Sections[37][116] = 'A';
  f.Sections[37][117] = 0;
  return f;
}

TEST(GameDataTest, FieldsShowTheirBytesAndRetainStoresThemBackUnchanged) {
  Loaded loaded(NumberedGameData());
  const GameDataTexts texts = ReadGameData(*loaded.Slots);
  EXPECT_TRUE(texts.GameDataPresent);
  EXPECT_EQ(texts.Bytes[FieldIndex("TurnEdit")], QString::number(uint8_t(15 * 7)));
  EXPECT_EQ(texts.Bytes[FieldIndex("TerrainEdit")], QString::number(uint8_t(364 * 7)));
  EXPECT_EQ(texts.Bytes[FieldIndex("Country4Edit")], "77");
  EXPECT_EQ(texts.Prestige, "300");
  EXPECT_EQ(texts.Description, "A");
  EXPECT_EQ(texts.Victory.Cell(0, 0), " X");
  EXPECT_EQ(texts.Victory.Cell(3, 0), " Side");
  EXPECT_EQ(texts.Victory.Cell(1, 20), QString::number(uint8_t((37 + 19) * 7)));
  const Bytes before = loaded.Record();
  EXPECT_FALSE(RetainGameData(*loaded.Slots, texts));
  Bytes expected = before;
  for (size_t i = 118; i < 147; ++i) expected[i] = 0;  // the description is zero-filled
  EXPECT_EQ(loaded.Record(), expected);
}

TEST(GameDataTest, RetainKeepsLowBitsAndThePrestigesTwoBytes) {
  struct Case {
    const char* Prestige;
    Bytes Expected;
  };
  const Case cases[] = {{"1000", {0xE8, 0x03}}, {"65535", {0xFF, 0xFF}}, {"65536", {0x00, 0x00}},
                        {"-1", {0xFF, 0x00}},   {"-300", {0xD4, 0xFF}}};
  for (const Case& c : cases) {
    Loaded loaded(NumberedGameData());
    GameDataTexts texts = ReadGameData(*loaded.Slots);
    texts.Bytes[FieldIndex("TurnEdit")] = "300";
    texts.Prestige = c.Prestige;
    RetainGameData(*loaded.Slots, texts);
    EXPECT_EQ(loaded.Record()[15], 0x2C);
    EXPECT_EQ(loaded.Prestige(), c.Expected) << c.Prestige;
  }
  Loaded loaded(NumberedGameData());
  GameDataTexts texts = ReadGameData(*loaded.Slots);
  texts.Prestige = "-1";
  RetainGameData(*loaded.Slots, texts);
  EXPECT_EQ(ReadGameData(*loaded.Slots).Prestige, "255");
}

TEST(GameDataTest, TheDescriptionFills31BytesAndTheVictoryHexesTwentyEntries) {
  Loaded loaded(NumberedGameData());
  const Bytes before = loaded.Record();
  GameDataTexts texts = ReadGameData(*loaded.Slots);
  texts.Description = QString(40, u'd');
  for (int col = 0; col < 4; ++col)
    for (int row = 1; row <= 20; ++row) texts.Victory.SetCell(col, row, QString::number(256 + col));
  RetainGameData(*loaded.Slots, texts);
  const Bytes after = loaded.Record();
  EXPECT_EQ(Bytes(after.begin() + 116, after.begin() + 147), Bytes(31, 'd'));
  EXPECT_EQ(after[147], before[147]);
  for (int col = 0; col < 4; ++col) {
    const size_t first = size_t(16 + 21 * col);
    EXPECT_EQ(Bytes(after.begin() + long(first), after.begin() + long(first) + 20), Bytes(20, uint8_t(col)));
    EXPECT_EQ(after[first + 20], before[first + 20]) << col;  // the 21st entry
  }
  EXPECT_EQ(ReadGameData(*loaded.Slots).Description, QString(31, u'd'));
  texts.Description.clear();
  RetainGameData(*loaded.Slots, texts);
  const Bytes cleared = loaded.Record();
  EXPECT_EQ(Bytes(cleared.begin() + 116, cleared.begin() + 147), Bytes(31, 0));
}

TEST(GameDataTest, ATextThatIsNoNumberStopsRetainAfterTheFieldsBeforeIt) {
  Loaded loaded(NumberedGameData());
  const Bytes before = loaded.Record();
  GameDataTexts texts = ReadGameData(*loaded.Slots);
  for (QString& text : texts.Bytes) text = "1";
  texts.Bytes[FieldIndex("BattlesEdit")] = "x";
  texts.Prestige = "7";
  try {
    RetainGameData(*loaded.Slots, texts);
    ADD_FAILURE() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
  }
  const Bytes after = loaded.Record();
  for (int stored : {15, 14, 102, 364, 234, 238, 236, 240, 8, 9, 10, 11, 115, 114}) EXPECT_EQ(after[size_t(stored)], 1) << stored;
  for (int kept : {113, 232, 3, 4}) EXPECT_EQ(after[size_t(kept)], before[size_t(kept)]) << kept;
  EXPECT_EQ(loaded.Prestige(), Bytes({0x2C, 0x01}));
}

TEST(GameDataTest, AbsentRecordsShowQuestionMarksAndAreNeitherParsedNorStored) {
  ScenarioFixture shortData = NumberedGameData();
  shortData.Sections[37].resize(364);  // one byte short of the terrain
  Loaded loaded(shortData);
  GameDataTexts texts = ReadGameData(*loaded.Slots);
  EXPECT_FALSE(texts.GameDataPresent);
  EXPECT_TRUE(texts.PrestigePresent);
  EXPECT_EQ(texts.Bytes[0], "??");
  EXPECT_EQ(texts.Description, "??");
  EXPECT_EQ(texts.Victory.Cell(2, 5), "??");
  texts.Prestige = "1000";
  const Bytes before = loaded.Record();
  EXPECT_TRUE(RetainGameData(*loaded.Slots, texts));
  EXPECT_EQ(loaded.Record(), before);
  EXPECT_EQ(loaded.Prestige(), Bytes({0xE8, 0x03}));

  // A file without section 26: slot 26 holds section 27, slot 37 section 38.
  const ScenarioFixture full = NumberedGameData();
  test::GameFileBuilder builder;
  for (int32_t id = 1; id < int32_t(full.Sections.size()); ++id)
    if (id != 26) builder.Section(id, full.Sections[size_t(id)]);
  ScenarioFixture unused;
  Loaded shifted(unused);
  ReadSaveFileRecords(builder.Build(), *shifted.Slots);
  EXPECT_FALSE(ReadGameData(*shifted.Slots).PrestigePresent);
  EXPECT_FALSE(ReadGameData(*shifted.Slots).GameDataPresent);

  ScenarioFixture shortPrestige = NumberedGameData();
  shortPrestige.Sections[26] = {0x2C};
  Loaded oneByte(shortPrestige);
  GameDataTexts present = ReadGameData(*oneByte.Slots);
  EXPECT_EQ(present.Prestige, "??");
  EXPECT_TRUE(RetainGameData(*oneByte.Slots, present));
  EXPECT_EQ(oneByte.Prestige(), Bytes({0x2C}));

  GameFileSlots empty;  // before any load
  EXPECT_EQ(ReadGameData(empty).Prestige, "??");
}

}  // namespace
}  // namespace qrl::scen
