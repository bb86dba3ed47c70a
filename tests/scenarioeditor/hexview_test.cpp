#include <gtest/gtest.h>

#include "gamefile/strtoint.h"
#include "scenarioeditor/core/hexview.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "tests/scenarioeditor/dumpfixture.h"

namespace qrl::scen {
namespace {

constexpr int64_t Slot3Start = 0x1E;  // 300 bytes, the image's last slot; it ends at 330

std::vector<QString> LineTitles(const CellTable& cells) {
  std::vector<QString> titles;
  for (int r = 1; r < cells.RowCount(); ++r) titles.push_back(cells.Cell(0, r));
  return titles;
}

std::vector<QString> Titles(std::initializer_list<int> lines) {
  std::vector<QString> titles;
  for (int line : lines) titles.push_back(QString::asprintf("%04X", line));
  return titles;
}

class HexViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(DecodeSaveFile(Doc, "/games/SCEN007.DAT", test::DumpGameFile()).Loaded);
    View.HexSection = 3;
  }
  uint8_t ImageByte(int64_t position) const { return Doc.Slots.GameFileBuf[size_t(position)]; }

  ScenarioDocument Doc;
  HexViewState View;
};

TEST_F(HexViewTest, LineTitlesCountLinesOfTheLineWidthFromTheSlotStart) {
  CellTable cells = FillHexGrid(Doc.Slots, View);
  EXPECT_EQ(LineTitles(cells), Titles({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_TRUE(PageDown(Doc.Slots, View));
  EXPECT_EQ(View.HexOffset, 160);
  EXPECT_EQ(LineTitles(FillHexGrid(Doc.Slots, View)), Titles({10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));

  View.HexOffset = 16;
  ASSERT_TRUE(SetBytesPerLine(View, "10"));
  cells = FillHexGrid(Doc.Slots, View);
  EXPECT_EQ(LineTitles(cells), Titles({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(cells.Cell(1, 1), "10");  // byte 16 of the slot, in Combo
  EXPECT_EQ(cells.Cell(10, 1), "19");
  EXPECT_EQ(cells.Cell(11, 1), "");  // beyond the line's width

  View.HexOffset = 5;
  ASSERT_TRUE(SetBytesPerLine(View, "16"));
  LineUp(View);
  EXPECT_EQ(View.HexOffset, 0);
  View.HexOffset = 165;
  PageUp(View);
  EXPECT_EQ(View.HexOffset, 5);
  PageUp(View);
  EXPECT_EQ(View.HexOffset, 0);
}

TEST_F(HexViewTest, ColumnsFollowTheLineWidthAndNarrowLinesLeaveTheirOtherColumnsBlank) {
  ASSERT_TRUE(SetBytesPerLine(View, "32"));
  CellTable cells = FillHexGrid(Doc.Slots, View);
  EXPECT_EQ(cells.ColumnCount(), 33);
  EXPECT_EQ(cells.Cell(1, 0), "00");
  EXPECT_EQ(cells.Cell(32, 0), "1F");

  ASSERT_TRUE(SetBytesPerLine(View, "8"));
  View.Mode = HexMode::Hex;
  cells = FillHexGrid(Doc.Slots, View);
  EXPECT_EQ(cells.ColumnCount(), 17);
  EXPECT_EQ(cells.Cell(16, 0), "0F");
  for (int row = 1; row < HexRows; ++row) {
    EXPECT_EQ(cells.Cell(8, row), QString::asprintf("%02X", (row - 1) * 8 + 7)) << row;
    for (int col = 9; col <= 16; ++col) EXPECT_EQ(cells.Cell(col, row), "") << col << "," << row;
  }
  EXPECT_EQ(HexColumnCount(16), 17);
  EXPECT_EQ(HexColumnCount(17), 18);
  EXPECT_EQ(HexColumnCount(1), 17);
}

TEST_F(HexViewTest, OnlyWholeNumbersFromOneTo256SetTheLineWidth) {
  for (const char* text : {"0", "-3", "257", "100000", "", "abc", "9999999999", " "}) {
    EXPECT_FALSE(SetBytesPerLine(View, text)) << text;
    EXPECT_EQ(View.BytesPerLine, 16) << text;
  }
  EXPECT_TRUE(SetBytesPerLine(View, "256"));
  EXPECT_EQ(FillHexGrid(Doc.Slots, View).ColumnCount(), 257);
  EXPECT_TRUE(SetBytesPerLine(View, "1"));
  EXPECT_EQ(LineTitles(FillHexGrid(Doc.Slots, View)), Titles({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(HexViewTest, CellTextsByMode) {
  struct Case {
    HexMode Mode;
    const char* Byte5;   // 13
    const char* Byte6;   // 65
    const char* Byte16;  // 16
    int FontSize;
  };
  const Case cases[] = {
      {HexMode::Combo, "0D", "A", "10", 10},
      {HexMode::Hex, "0D", "41", "10", 10},
      {HexMode::Dec, "13", "65", "16", 9},
  };
  for (const Case& c : cases) {
    View.Mode = c.Mode;
    const CellTable cells = FillHexGrid(Doc.Slots, View);
    EXPECT_EQ(cells.Cell(6, 1), c.Byte5);
    EXPECT_EQ(cells.Cell(7, 1), c.Byte6);
    EXPECT_EQ(cells.Cell(1, 2), c.Byte16);
    EXPECT_EQ(HexFontSizeOf(c.Mode), c.FontSize);
  }
}

TEST_F(HexViewTest, TheViewRunsPastTheSlotToTheEndOfTheImageAndNoFurther) {
  View.HexSection = 1;  // 10 bytes at 0x14; slot 3 follows from 0x1E
  CellTable cells = FillHexGrid(Doc.Slots, View);
  EXPECT_EQ(cells.Cell(1, 1), "A0");
  EXPECT_EQ(cells.Cell(11, 1), "00");  // the first byte of slot 3

  View.HexSection = 3;
  int pages = 0;
  while (PageDown(Doc.Slots, View)) ++pages;
  EXPECT_EQ(pages, 1);  // 160 lies inside 300, 320 does not
  while (LineDown(Doc.Slots, View)) {
  }
  EXPECT_EQ(View.HexOffset, 288);  // the last line that starts inside the image
  View.Mode = HexMode::Hex;
  cells = FillHexGrid(Doc.Slots, View);
  EXPECT_EQ(cells.Cell(12, 1), QString::asprintf("%02X", 299 % 256));
  EXPECT_EQ(cells.Cell(13, 1), "");
  for (int row = 2; row < HexRows; ++row) EXPECT_EQ(cells.Cell(1, row), "") << row;
  EXPECT_EQ(HexCellPosition(Doc.Slots, View, 12, 1), Slot3Start + 299);
  EXPECT_EQ(HexCellPosition(Doc.Slots, View, 13, 1), std::nullopt);

  SetHexSection(View, 99);
  EXPECT_EQ(View.HexSection, 60);
  View.HexOffset = 0;
  EXPECT_FALSE(PageDown(Doc.Slots, View));  // slot 60 lies past the image
  EXPECT_EQ(FillHexGrid(Doc.Slots, View).Cell(1, 1), "");

  const ScenarioDocument fresh;  // nothing loaded: titles only
  HexViewState start;
  cells = FillHexGrid(fresh.Slots, start);
  EXPECT_EQ(cells.Cell(1, 0), "00");
  EXPECT_EQ(cells.Cell(0, 1), "0000");
  EXPECT_EQ(cells.Cell(1, 1), "");
  EXPECT_FALSE(LineDown(fresh.Slots, start));
}

TEST_F(HexViewTest, RetainStoresTheLowEightBitsOfTheTextReadByMode) {
  struct Case {
    HexMode Mode;
    const char* Text;
    int Stored;  // -1: refused
    const char* Error;
  };
  const Case cases[] = {
      {HexMode::Combo, "41", 65, nullptr},
      {HexMode::Combo, "A", 65, nullptr},
      {HexMode::Combo, "a", 97, nullptr},
      {HexMode::Combo, "\u20AC", 0x80, nullptr},
      {HexMode::Combo, "1ff", 255, nullptr},
      {HexMode::Combo, "\u0416", -1, "'0x\u0416' is not a valid integer value"},
      {HexMode::Combo, "", -1, "'0x' is not a valid integer value"},
      {HexMode::Hex, "1FF", 255, nullptr},
      {HexMode::Hex, "FFFFFFFF", 255, nullptr},
      {HexMode::Hex, "100000000", -1, "'0x100000000' is not a valid integer value"},
      {HexMode::Hex, "ZZ", -1, "'0xZZ' is not a valid integer value"},
      {HexMode::Hex, "-1", -1, "'0x-1' is not a valid integer value"},
      {HexMode::Hex, "A", 10, nullptr},
      {HexMode::Dec, "300", 44, nullptr},
      {HexMode::Dec, "-1", 255, nullptr},
      {HexMode::Dec, "x", -1, "'x' is not a valid integer value"},
  };
  const int64_t position = Slot3Start + 16 + 2;  // cell (3, 2)
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    Doc.Slots.GameFileBuf[size_t(position)] = 7;
    View.Mode = c.Mode;
    const QString text = QString::fromUtf8(c.Text);
    if (c.Error) {
      try {
        RetainHexCell(Doc.Slots, View, 3, 2, text);
        ADD_FAILURE() << "no conversion error";
      } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), c.Error);
      }
      EXPECT_EQ(ImageByte(position), 7);
    } else {
      EXPECT_EQ(RetainHexCell(Doc.Slots, View, 3, 2, text), RetainOutcome::Stored);
      EXPECT_EQ(ImageByte(position), c.Stored);
    }
  }
}

TEST_F(HexViewTest, RetainOnACellWithoutALoadedByteStoresNothing) {
  const std::vector<uint8_t> image = Doc.Slots.GameFileBuf;
  ASSERT_TRUE(SetBytesPerLine(View, "8"));
  EXPECT_EQ(RetainHexCell(Doc.Slots, View, 9, 1, "41"), RetainOutcome::NoLoadedByte);   // beyond the line
  EXPECT_EQ(RetainHexCell(Doc.Slots, View, 0, 1, "41"), RetainOutcome::NoLoadedByte);   // a line title
  EXPECT_EQ(RetainHexCell(Doc.Slots, View, 1, 0, "41"), RetainOutcome::NoLoadedByte);   // a column title
  EXPECT_EQ(RetainHexCell(Doc.Slots, View, 1, 11, "41"), RetainOutcome::NoLoadedByte);  // below the grid
  View.HexOffset = 296;
  EXPECT_EQ(RetainHexCell(Doc.Slots, View, 5, 1, "ZZ"), RetainOutcome::NoLoadedByte);  // beyond the image
  EXPECT_EQ(Doc.Slots.GameFileBuf, image);
  EXPECT_EQ(RetainHexCell(Doc.Slots, View, 4, 1, "41"), RetainOutcome::Stored);  // the image's last byte
  EXPECT_EQ(ImageByte(329), 0x41);
}

}  // namespace
}  // namespace qrl::scen
