#include <gtest/gtest.h>

#include "gamefile/strtoint.h"
#include "mapeditor/core/hexedittexts.h"
#include "mapeditor/core/mapfile.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::map {
namespace {

MapDocument LoadedMap(int width = 100, int height = 80) {
  MapDocument doc;
  doc.MarkWantedSections();
  EXPECT_EQ(LoadMapFromGameFile(test::MakeMapGameFile(width, height, 80), doc).Status, MapLoadStatus::Loaded);
  return doc;
}

TEST(HexEditTextsTest, TileWordsShowAsFileAndIcon) {
  struct Case {
    uint16_t word;
    bool overlay;
    TileWordTexts shown;
  };
  const Case cases[] = {
      {0xFFFF, false, {"262", "35"}}, {0xFFFF, true, {" -", " -"}}, {25000, true, {" -", " -"}},
      {25000, false, {"100", "0"}},   {24999, true, {"99", "249"}}, {6001, true, {"24", "1"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.word);
    EXPECT_EQ(ShowTileWord(c.word, c.overlay), c.shown);
  }
}

TEST(HexEditTextsTest, TileWordTextsGoBackAsTheLow16BitsOfFileTimes250PlusIcon) {
  struct Case {
    TileWordTexts texts;
    bool overlay;
    uint16_t word;
  };
  const Case cases[] = {
      {{"262", "36"}, false, 0x0000}, {{"3", "-1"}, false, 0x02ED},  {{"1", "300"}, false, 0x0226},
      {{"9000000", "0"}, false, 0x4680}, {{" -", "junk"}, true, 0xFFFF}, {{"262", "35"}, true, 0xFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts.File + "/" + c.texts.Icon);
    EXPECT_EQ(ParseTileWord(c.texts, c.overlay), c.word);
  }
  // " -" means no tile only in an overlay row.
  EXPECT_THROW(ParseTileWord({" -", " -"}, false), ConversionError);
  EXPECT_EQ(ParseByteText("300"), 44);
  EXPECT_EQ(ParseByteText("-1"), 0xFF);
}

TEST(HexEditTextsTest, RetainOfAnUnchangedHexClearsOnlyOverlaysPastFile99) {
  MapDocument doc = LoadedMap();
  const HexPos hex{5, 4};
  doc.SetTileWordAt(4, 5, 4, 25000);
  doc.SetTileWordAt(5, 5, 4, 65534);
  doc.SetTileWordAt(6, 5, 4, 24999);
  const std::vector<uint8_t> before = BuildMapFile(doc);
  RetainHexEditTexts(doc, hex, LoadHexEditTexts(doc, hex));
  EXPECT_EQ(doc.TileWordAt(4, 5, 4), EmptyTileWord);
  EXPECT_EQ(doc.TileWordAt(5, 5, 4), EmptyTileWord);
  EXPECT_EQ(doc.TileWordAt(6, 5, 4), 24999);
  doc.SetTileWordAt(4, 5, 4, 25000);
  doc.SetTileWordAt(5, 5, 4, 65534);
  EXPECT_EQ(BuildMapFile(doc), before);
}

TEST(HexEditTextsTest, RetainStopsAtTheFirstBadFieldWithTheEarlierOnesStored) {
  MapDocument doc = LoadedMap();
  const HexPos hex{3, 2};
  HexEditTexts t = LoadHexEditTexts(doc, hex);
  t.Layers[0] = {"1", "2"};
  t.Layers[5] = {"2", "3"};
  t.Width = "300";
  t.Height = "7";
  t.HexByte = "abc";
  t.StackCount = "5";
  t.HexRecord[0] = "9";
  const uint8_t oldHexByte = *doc.HexByteAt(3, 2);
  EXPECT_THROW(RetainHexEditTexts(doc, hex, t), ConversionError);
  EXPECT_EQ(doc.TileWordAt(2, 3, 2), 252);
  EXPECT_EQ(doc.TileWordAt(7, 3, 2), 503);
  EXPECT_EQ(doc.Section(38)[0], 44);
  EXPECT_EQ(doc.Section(39)[0], 7);
  EXPECT_EQ(doc.MapWidth, 100);
  EXPECT_EQ(*doc.HexByteAt(3, 2), oldHexByte);
  EXPECT_NE(doc.TileStackAt(3, 2)[0], 5);
  EXPECT_NE(doc.MapHexRecordAt(3, 2)[0], 9);
}

TEST(HexEditTextsTest, AHexWithoutRecordsShowsZerosAndTakesNoWrites) {
  MapDocument doc = LoadedMap(20, 20);
  const std::vector<uint8_t> before = BuildMapFile(doc);
  for (HexPos hex : {HexPos{20, 0}, HexPos{-1, 0}, HexPos{0, 80}, HexPos{100000, 5}}) {
    HexEditTexts t = LoadHexEditTexts(doc, hex);
    EXPECT_EQ(t.Layers[0], (TileWordTexts{"0", "0"}));
    EXPECT_EQ(t.HexRecord[19], "0");
    EXPECT_EQ(t.StackCount, "0");
    t.Width = t.Height = "20";  // the map's own size bytes, so the file stays the same
    RetainHexEditTexts(doc, hex, t);
  }
  EXPECT_EQ(BuildMapFile(doc), before);
}

TEST(HexEditTextsTest, TerrainBitsAndTheHexRecordClipboard) {
  EXPECT_EQ(TerrainBitItems(2)[5], "Deep Water");
  EXPECT_EQ(TerrainBitItems(3)[3], "4 Bit 3");
  EXPECT_EQ(ToggleTerrainBitText("1", 5), "33");
  EXPECT_EQ(ToggleTerrainBitText("64", 6), "0");
  EXPECT_EQ(ToggleTerrainBitText("0", 6), "64");
  EXPECT_THROW(ToggleTerrainBitText("x", 1), ConversionError);

  MapDocument doc = LoadedMap();
  MapHexRecordClipboard clipboard;
  ASSERT_TRUE(clipboard.Paste(doc, {1, 1}));  // before any copy: twenty zeros
  for (uint8_t b : doc.MapHexRecordAt(1, 1)) EXPECT_EQ(b, 0);
  clipboard.Copy(doc, {2, 2});
  ASSERT_TRUE(clipboard.Paste(doc, {1, 1}));
  EXPECT_TRUE(std::equal(doc.MapHexRecordAt(1, 1).begin(), doc.MapHexRecordAt(1, 1).end(), doc.MapHexRecordAt(2, 2).begin()));
  EXPECT_FALSE(clipboard.Paste(doc, {100, 0}));
}

TEST(HexEditTextsTest, SectionDumpIsTheDecodedSection) {
  MapDocument doc = LoadedMap();
  auto eight = SectionDumpBytes(doc, 8);
  ASSERT_TRUE(eight);
  EXPECT_EQ(eight->size(), 160000u);
  EXPECT_EQ(eight->data(), doc.Section(8).data());
  for (int id : {0, 1, 9, 50, -1}) EXPECT_FALSE(SectionDumpBytes(doc, id)) << id;
}

}  // namespace
}  // namespace qrl::map
