#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "scenarioeditor/core/dicedata.h"
#include "tests/support/namedpipe.h"

namespace qrl::scen {
namespace {

using RollValues = std::array<int16_t, RollValueCount>;

std::span<const unsigned char> Bytes(const std::string& text) {
  return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

// The lines joined with the given line end, each line ended by it.
std::string FileOf(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
  std::string text;
  for (const auto& line : lines) text += line + lineEnd;
  return text;
}

// The name line and five number lines of one set.
std::vector<std::string> SetLines(const std::string& name, const std::string& numbers) {
  return {name, numbers, numbers, numbers, numbers, numbers};
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> lines;
  for (auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

void ExpectBox(const DiceLoadOutcome& outcome, const char* text, const char* caption) {
  ASSERT_TRUE(outcome.Box);
  EXPECT_EQ(outcome.Box->Text, text);
  EXPECT_EQ(outcome.Box->Caption, caption);
}

TEST(ReadDataLineTest, SkipsCommentsAndSplitsLongLines) {
  std::string line253(253, 'a');
  std::string line254(254, 'b');
  std::string text = ";c1\n;\n" + line253 + "\n" + line254 + "\n  ;kept\nab" + std::string(1, '\0') + "cd\n;last\n";
  TextModeReader file(Bytes(text));
  EXPECT_EQ(ReadDataLine(file), line253 + "\n");  // 254 characters with the line end: one read
  EXPECT_EQ(ReadDataLine(file), line254);         // 255 characters: two reads
  EXPECT_EQ(ReadDataLine(file), "\n");
  EXPECT_EQ(ReadDataLine(file), "  ;kept\n");  // a comment begins in the first column
  EXPECT_EQ(ReadDataLine(file), "ab");         // the line as C text ends at a zero byte
  EXPECT_EQ(ReadDataLine(file), "");           // only comments to the end
  EXPECT_EQ(ReadDataLine(file), "");
}

// Comments before the count, between a name and its numbers, between number
// lines and between sets; a count followed by text; a tab in a description;
// short and out-of-range number lines; lines after the last set.
std::vector<std::string> CommentedFile() {
  return {
      "; dice data",
      ";",
      "3 sets follow",
      "; set 0",
      "West_Germany Late_war 1985",
      "; numbers follow",
      "60 4 6 2 6 0 100",
      "50\t4 6 2 6 0   100",
      "; between number lines",
      "40 4 6 2 6 0 100",
      "-60 +4 6 2 6 0 100",
      "20 3 6 2 6 0 100 99",
      "; set 1",
      "  Germany_\tEarly war",
      "1 2 3",
      "",
      "7 x 9",
      "5,6",
      "70000 -32769 32767 -32768 99999999999999999999",
      ";set 2",
      "GERMANY",
      "1 1 1 1 1 1 1",
      "2 2 2 2 2 2 2",
      "3 3 3 3 3 3 3",
      "4 4 4 4 4 4 4",
      "5 5 5 5 5 5 5",
      "Unread 1 2",
      "8 8 8 8 8 8 8",
  };
}

TEST(LoadDiceDataTest, ReadsSetsAroundCommentsWithEitherLineEnd) {
  for (const std::string lineEnd : {"\r\n", "\n"}) {
    SCOPED_TRACE(lineEnd.size());
    DiceTable table;
    DiceLoadOutcome outcome = LoadDiceData(Bytes(FileOf(CommentedFile(), lineEnd)), table);
    EXPECT_EQ(outcome.Status, DiceLoadStatus::Loaded);
    EXPECT_FALSE(outcome.Box);
    ASSERT_EQ(table.DiceCount, 3);

    const Dice_Data& s0 = table.DiceData[0];
    EXPECT_EQ(s0.Country, "West Germany");
    EXPECT_EQ(s0.Description, "West Germany Late_war 1985");
    EXPECT_EQ(s0.roll[0], (RollValues{60, 4, 6, 2, 6, 0, 100}));
    EXPECT_EQ(s0.roll[1], (RollValues{50, 4, 6, 2, 6, 0, 100}));
    EXPECT_EQ(s0.roll[2], (RollValues{40, 4, 6, 2, 6, 0, 100}));
    EXPECT_EQ(s0.roll[3], (RollValues{-60, 4, 6, 2, 6, 0, 100}));
    EXPECT_EQ(s0.roll[4], (RollValues{20, 3, 6, 2, 6, 0, 100}));

    const Dice_Data& s1 = table.DiceData[1];
    EXPECT_EQ(s1.Country, "Germany ");
    EXPECT_EQ(s1.Description, "  Germany ");  // ends at the tab
    EXPECT_EQ(s1.roll[0], (RollValues{1, 2, 3, 0, 0, 0, 0}));
    EXPECT_EQ(s1.roll[1], (RollValues{}));
    EXPECT_EQ(s1.roll[2], (RollValues{7, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s1.roll[3], (RollValues{5, 0, 0, 0, 0, 0, 0}));
    // 70000 - 65536; -32769 + 65536; 10^20 is a multiple of 2^16, so 10^20 - 1 keeps 0xFFFF.
    EXPECT_EQ(s1.roll[4], (RollValues{4464, 32767, 32767, -32768, -1, 0, 0}));

    EXPECT_EQ(table.DiceData[2].Country, "GERMANY");
    EXPECT_EQ(table.DiceData[2].roll[4], (RollValues{5, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ(table.DiceData[3].Country, "");
    EXPECT_EQ(table.DiceData[3].roll[0], (RollValues{}));
  }
}

TEST(LoadDiceDataTest, ALineOfThreeHundredCharactersReadsAsTwoDataLines) {
  std::string longName = "Longland " + std::string(291, 'y');
  std::string text = FileOf(Join({{"2", longName, "1 1 1 1 1 1 1", "2 2 2 2 2 2 2", "3 3 3 3 3 3 3",
                                   "4 4 4 4 4 4 4", "5 5 5 5 5 5 5"},
                                  SetLines("Next", "9 9 9 9 9 9 9")}));
  DiceTable table;
  ASSERT_EQ(LoadDiceData(Bytes(text), table).Status, DiceLoadStatus::Loaded);
  const Dice_Data& s0 = table.DiceData[0];
  EXPECT_EQ(s0.Country, "Longland");
  EXPECT_EQ(s0.Description, QString::fromStdString(longName.substr(0, DataLineMaxChars)));
  // The rest of the long line takes the place of the first number line.
  EXPECT_EQ(s0.roll[0], (RollValues{}));
  EXPECT_EQ(s0.roll[1], (RollValues{1, 1, 1, 1, 1, 1, 1}));
  EXPECT_EQ(s0.roll[4], (RollValues{4, 4, 4, 4, 4, 4, 4}));
  const Dice_Data& s1 = table.DiceData[1];
  EXPECT_EQ(s1.Country, "5");
  EXPECT_EQ(s1.Description, "5 5 5 5 5 5 5");
  EXPECT_EQ(s1.roll[0], (RollValues{}));
  EXPECT_EQ(s1.roll[1], (RollValues{9, 9, 9, 9, 9, 9, 9}));
}

TEST(LoadDiceDataTest, ACountryWordLongerThanTheOldBufferIsKeptWhole) {
  std::string word = std::string(100, 'a') + "_" + std::string(99, 'b');
  DiceTable table;
  ASSERT_EQ(LoadDiceData(Bytes(FileOf(Join({{"1"}, SetLines(word + " x_y", "1")}))), table).Status,
            DiceLoadStatus::Loaded);
  std::string country = std::string(100, 'a') + " " + std::string(99, 'b');
  EXPECT_EQ(table.DiceData[0].Country, QString::fromStdString(country));
  EXPECT_EQ(table.DiceData[0].Description, QString::fromStdString(country + " x_y"));
}

TEST(LoadDiceDataTest, EndOfDataByteEndsTheFile) {
  std::string text = FileOf(Join({{"2"}, SetLines("First", "1 2 3 4 5 6 7")})) + "\x1A" +
                     FileOf(SetLines("Second", "1 2 3 4 5 6 7"));
  DiceTable table;
  ASSERT_EQ(LoadDiceData(Bytes(text), table).Status, DiceLoadStatus::Loaded);
  EXPECT_EQ(table.DiceCount, 2);
  EXPECT_EQ(table.DiceData[0].roll[4], (RollValues{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(table.DiceData[1].Description, "");
  EXPECT_EQ(table.DiceData[1].roll[0], (RollValues{}));

  EXPECT_EQ(LoadDiceData(Bytes("\x1A" "2\n"), table).Status, DiceLoadStatus::NotDiceStatFile);
}

TEST(LoadDiceDataTest, ABadCountKeepsThePreviousData) {
  DiceTable table;
  ASSERT_EQ(LoadDiceData(Bytes(FileOf(Join({{"1"}, SetLines("Kept", "1 2 3 4 5 6 7")}))), table).Status,
            DiceLoadStatus::Loaded);
  for (const std::string countLine : {"0", "-3", "sets: 3", "", "   ", "; only a comment", "-99999999999", "+"}) {
    SCOPED_TRACE(countLine);
    DiceLoadOutcome outcome = LoadDiceData(Bytes(FileOf(Join({{countLine}, SetLines("Lost", "9")}))), table);
    EXPECT_EQ(outcome.Status, DiceLoadStatus::NotDiceStatFile);
    ExpectBox(outcome, "This isn't a Dice Stat file.", "Error");
    EXPECT_EQ(table.DiceCount, 1);
    EXPECT_EQ(table.DiceData[0].Country, "Kept");
    EXPECT_EQ(table.DiceData[0].roll[4], (RollValues{1, 2, 3, 4, 5, 6, 7}));
  }
  EXPECT_EQ(LoadDiceData({}, table).Status, DiceLoadStatus::NotDiceStatFile);
}

TEST(LoadDiceDataTest, MoreThanFourHundredSetsWarnAndTruncate) {
  std::vector<std::vector<std::string>> parts = {{" \t401 entries"}};
  for (int i = 0; i < 401; ++i) parts.push_back(SetLines("Set" + std::to_string(i), std::to_string(i)));
  DiceTable table;
  DiceLoadOutcome outcome = LoadDiceData(Bytes(FileOf(Join(parts))), table);
  EXPECT_EQ(outcome.Status, DiceLoadStatus::Truncated);
  ExpectBox(outcome, "File contains 401 entries. Only 400 are allowed.", "Warning. Truncating data");
  EXPECT_EQ(table.DiceCount, 400);
  EXPECT_EQ(table.DiceData[399].Country, "Set399");
  EXPECT_EQ(table.DiceData[399].roll[4][0], 399);

  // A count beyond 32 bits is still more than 400; the file ends long before.
  outcome = LoadDiceData(Bytes(FileOf(Join({{"99999999999"}, SetLines("Only", "1")}))), table);
  EXPECT_EQ(outcome.Status, DiceLoadStatus::Truncated);
  ExpectBox(outcome, "File contains 99999999999 entries. Only 400 are allowed.", "Warning. Truncating data");
  EXPECT_EQ(table.DiceCount, 400);
  EXPECT_EQ(table.DiceData[0].Country, "Only");
  EXPECT_EQ(table.DiceData[399].Description, "");
}

TEST(LoadDiceDataTest, EverySetStartsEmptyInsteadOfInheritingAnEarlierFile) {
  DiceTable table;
  std::string full = FileOf(Join({{"2"}, SetLines("A", "1 2 3 4 5 6 7"), SetLines("B", "1 2 3 4 5 6 7")}));
  ASSERT_EQ(LoadDiceData(Bytes(full), table).Status, DiceLoadStatus::Loaded);
  std::string shortLines = FileOf(Join({{"1"}, SetLines("C", "9")}));
  ASSERT_EQ(LoadDiceData(Bytes(shortLines), table).Status, DiceLoadStatus::Loaded);
  EXPECT_EQ(table.DiceCount, 1);
  EXPECT_EQ(table.DiceData[0].roll[2], (RollValues{9, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(table.LoadedSet(1), nullptr);
  EXPECT_EQ(table.DiceData[1].Country, "");
}

TEST(LoadDiceStatFileTest, ReadsAFileAndRefusesOneThatCannotBeRead) {
  std::string path = testing::TempDir() + "dicestat_test.kxe";
  {
    std::ofstream out(path, std::ios::binary);
    out << FileOf(Join({{"1"}, SetLines("Finland Winter_war", "3 1 6 1 6 0 100")}));
  }
  DiceTable table;
  EXPECT_EQ(LoadDiceStatFile(path, table).Status, DiceLoadStatus::Loaded);
  std::remove(path.c_str());
  EXPECT_EQ(table.DiceCount, 1);
  EXPECT_EQ(table.DiceData[0].Description, "Finland Winter_war");

  const test::NamedPipe pipe(testing::TempDir() + "dicestat_pipe.kxe");
  for (const std::string& unreadable : {std::string("/nonexistent/dice/data.txt"), pipe.PathName()}) {
    DiceLoadOutcome outcome = LoadDiceStatFile(unreadable, table);
    EXPECT_EQ(outcome.Status, DiceLoadStatus::CouldNotOpen);
    ExpectBox(outcome, "Could not open file", "Error");
    EXPECT_EQ(table.DiceCount, 1);
  }
  EXPECT_FALSE(pipe.HadToUnblock());
}

}  // namespace
}  // namespace qrl::scen
