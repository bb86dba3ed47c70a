#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/csvunitfile.h"
#include "scenarioeditor/core/recordlayout.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::ScenarioFixture;

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

size_t FieldCount(const std::string& line) { return size_t(std::count(line.begin(), line.end(), ',')) + 1; }

Bytes AsBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

struct CsvFixture {
  ScenarioFixture Scenario;
  GameFileSlots Slots;

  CsvFixture() {
    Scenario.PutUnit(0, 0, "Panzer");
    Scenario.PutUnit(0, 1, "Tiger");
    Scenario.PutUnit(0, 2, "Grenadiers");
    Scenario.Unit(0, 1)[257] = 200;
    Load();
  }
  void Load() { ReadSaveFileRecords(Scenario.Build(), Slots); }
  std::span<uint8_t> Unit(int side, int u) { return UnitRecordAt(Slots, side, u); }
  Bytes Image() const { return Bytes(Slots.GameFileBuf.begin(), Slots.GameFileBuf.end()); }
};

TEST(CsvUnitFileTest, SavesAHeadingAndOneLinePerUnit) {
  CsvFixture f;
  const std::string text = CsvUnitFileText(f.Slots, 0, 3);
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  const auto lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 4u);
  // Every heading field, the last one too, is followed by ",".
  EXPECT_EQ(FieldCount(lines[0]), 244u);
  EXPECT_EQ(lines[0].substr(0, 14), "'00-0F,'10,'11");
  EXPECT_EQ(lines[0].substr(lines[0].size() - 15), ",'FF,'100,'101,");
  for (size_t i = 1; i < 4; ++i) EXPECT_EQ(FieldCount(lines[i]), 243u);
  EXPECT_EQ(lines[1].substr(0, 12), "Panzer,0,0,0");
  EXPECT_EQ(lines[2].substr(lines[2].size() - 4), ",200");
  // Byte 182 (the in-use flag) is column 182 - 16 + 1 after the name.
  EXPECT_NE(lines[1].find(",0,1,0"), std::string::npos);
}

TEST(CsvUnitFileTest, SaveThenPasteIntoTheOtherSideGivesTheSameFile) {
  CsvFixture f;
  for (int k = 16; k < 258; ++k) f.Scenario.Unit(0, 2)[k] = uint8_t(k * 7);
  f.Load();
  const std::string first = CsvUnitFileText(f.Slots, 0, 3);
  PasteCsvUnitFile(f.Slots, 1, AsBytes(first));
  EXPECT_EQ(CsvUnitFileText(f.Slots, 1, 3), first);
  EXPECT_TRUE(std::equal(f.Unit(1, 2).begin(), f.Unit(1, 2).end(), f.Unit(0, 2).begin()));
}

TEST(CsvUnitFileTest, NamesWithSeparatorsQuotesLineEndsOrSixteenBytesComeBack) {
  const std::string names[] = {"Hill, north", "The \"Bear\"", "two\nlines", "two\r\nlines", "ABCDEFGHIJKLMNOP", "\x1a\xe9"};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    CsvFixture f;
    SetFieldText(f.Unit(0, 0), 0, 16, name);
    const std::string text = CsvUnitFileText(f.Slots, 0, 1);
    EXPECT_EQ(FieldCount(SplitLines(text)[0]), 244u);
    PasteCsvUnitFile(f.Slots, 1, AsBytes(text));
    EXPECT_EQ(UnitName(f.Unit(1, 0)), name);
  }
  CsvFixture f;
  SetFieldText(f.Unit(0, 0), 0, 16, "a,\"b\"");
  EXPECT_EQ(CsvUnitFileText(f.Slots, 0, 1).substr(CsvUnitFileText(f.Slots, 0, 1).find("\r\n") + 2, 12),
            "\"a,\"\"b\"\"\",0,");
}

TEST(CsvUnitFileTest, FieldValuesAreTheirNumberModulo256) {
  struct Case {
    const char* field;
    uint8_t value;
  };
  const Case cases[] = {{"300", 44},  {"-1", 255},          {"-257", 255}, {"4294967340", 44},
                        {" 12", 12},  {"+5", 5},            {"7abc", 7},   {"", 0},
                        {"abc", 0},   {"99999999999999999999", 255}, {"-", 0}, {"\t 3", 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    EXPECT_EQ(CsvFieldByte(c.field), c.value);
  }
}

// Each case pastes a heading plus the given lines into side 0 of a scenario
// whose units all hold byte 16..257 = 0x55 and name "Old".
struct PasteCase {
  const char* name;
  std::string lines;
  // (unit, byte, expected value)
  std::vector<std::tuple<int, int, int>> expected;
};

TEST(CsvUnitFileTest, PasteRules) {
  auto values = [](int count, int value) {
    std::string line;
    for (int i = 0; i < count; ++i) line += "," + std::to_string(value);
    return line;
  };
  const PasteCase cases[] = {
      {"a short line keeps the bytes it does not reach", "A,1,2\r\n", {{0, 16, 1}, {0, 17, 2}, {0, 18, 0x55}}},
      {"an empty field stores 0", "A,1,,3\n", {{0, 17, 0}, {0, 18, 3}}},
      {"a blank line counts as a unit line and writes nothing", "\r\nB,9\r\n", {{0, 16, 0x55}, {1, 16, 9}}},
      {"a line without a comma writes nothing", "NoComma\nB,9\n", {{0, 16, 0x55}, {1, 16, 9}}},
      {"a trailing comma stores nothing past 242 values", "A" + values(242, 7) + ",\r\nB,8\r\n",
       {{0, 257, 7}, {1, 16, 8}, {1, 0, 'B'}}},
      {"values past 242 are ignored", "A" + values(250, 3) + "\nB,4\n", {{0, 257, 3}, {1, 16, 4}, {1, 17, 0x55}}},
      {"an unclosed quote takes the rest of the file as the name", "\"unclosed,1,2\nB,5\n",
       {{0, 16, 0x55}, {1, 16, 0x55}}},
      {"text after a closing quote is appended to the field", "\"ab\"cd,1\n", {{0, 0, 'a'}, {0, 2, 'c'}, {0, 16, 1}}},
      {"a quoted value field", "A,\"1,2\",3\n", {{0, 16, 1}, {0, 17, 3}}},
  };
  for (const PasteCase& c : cases) {
    SCOPED_TRACE(c.name);
    ScenarioFixture scenario;
    for (int u = 0; u < 400; ++u) {
      scenario.PutUnit(0, u, "Old");
      std::fill(scenario.Unit(0, u) + 16, scenario.Unit(0, u) + 258, 0x55);
    }
    GameFileSlots slots;
    ReadSaveFileRecords(scenario.Build(), slots);
    PasteCsvUnitFile(slots, 0, AsBytes("heading\r\n" + c.lines));
    for (auto [unit, byte, value] : c.expected) {
      SCOPED_TRACE(byte);
      EXPECT_EQ(UnitRecordAt(slots, 0, unit)[size_t(byte)], value);
    }
  }
}

TEST(CsvUnitFileTest, PasteStaysInsideTheSidesRecords) {
  CsvFixture f;
  const Bytes before = f.Image();
  std::string file = "heading\n";
  for (int line = 0; line < 401; ++line) file += "U" + std::to_string(line) + std::string(20000, ',') + "\n";
  PasteCsvUnitFile(f.Slots, 0, AsBytes(file));
  const Bytes after = f.Image();
  const size_t sideStart = size_t(f.Slots.SlotOffset[1]);
  const size_t sideEnd = sideStart + 400 * 258;
  ASSERT_EQ(after.size(), before.size());
  EXPECT_TRUE(std::equal(after.begin(), after.begin() + ptrdiff_t(sideStart), before.begin()));
  EXPECT_TRUE(std::equal(after.begin() + ptrdiff_t(sideEnd), after.end(), before.begin() + ptrdiff_t(sideEnd)));
  EXPECT_EQ(UnitName(f.Unit(0, 399)), "U399");
  for (int u = 0; u < 400; ++u) EXPECT_EQ(f.Unit(0, u)[166], before[sideStart + size_t(u) * 258 + 166]);
}

TEST(CsvUnitFileTest, AHeadingAloneOrNothingChangesNothing) {
  for (const char* file : {"", "'00-0F,'10\r\n", "'00-0F"}) {
    CsvFixture f;
    const Bytes before = f.Image();
    PasteCsvUnitFile(f.Slots, 0, AsBytes(file));
    EXPECT_EQ(f.Image(), before);
  }
}

}  // namespace
}  // namespace qrl::scen
