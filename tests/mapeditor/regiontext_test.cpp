#include <gtest/gtest.h>

#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/regiontext.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::map {
namespace {

MapDocument LoadedMap(int width, int height, int stride = 80) {
  MapDocument doc;
  doc.MarkWantedSections();
  EXPECT_EQ(LoadMapFromGameFile(test::MakeMapGameFile(width, height, stride), doc).Status, MapLoadStatus::Loaded);
  return doc;
}

std::string ToLf(std::string text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

TEST(RegionTextTest, OneHexIs203CharactersOfFourCharacterColumns) {
  MapDocument doc = LoadedMap(100, 80);
  doc.SetTileWordAt(2, 0, 0, 6001);
  const std::string text = RegionText(doc, {0, 0, 0, 0});
  ASSERT_EQ(text.size(), 203u);
  EXPECT_EQ(text.substr(0, 13), "  4   1   1\r\n");
  EXPECT_EQ(text.substr(13 + 4, 8), "113  23 ");
  EXPECT_EQ(text.substr(201), "\r\n");
}

TEST(RegionTextTest, CopyThenPasteAtTheSamePlaceChangesNothing) {
  MapDocument doc = LoadedMap(100, 80);
  const std::vector<uint8_t> before = BuildMapFile(doc);
  const std::string text = RegionText(doc, {10, 20, 19, 29});
  EXPECT_EQ(text.size(), 13u + 190u * 100u);
  for (RegionSource source : {RegionSource::File, RegionSource::Clipboard})
    EXPECT_EQ(PasteRegionText(doc, 10, 20, text, source).Status, RegionPasteStatus::Pasted);
  EXPECT_EQ(BuildMapFile(doc), before);
}

TEST(RegionTextTest, PasteWritesTheHexesInsideTheMapAndLfReadsLikeCrLf) {
  MapDocument source = LoadedMap(100, 80);
  const std::string text = RegionText(source, {0, 0, 9, 9});
  for (const std::string& form : {text, ToLf(text)}) {
    MapDocument target = LoadedMap(100, 80);
    // Make the target's hexes differ from the source's.
    for (int c = 0; c < 100; ++c)
      for (int r = 0; r < 80; ++r) target.SetTileWordAt(2, c, r, 1234);
    const RegionPasteResult result = PasteRegionText(target, 95, 75, form, RegionSource::File);
    ASSERT_EQ(result.Status, RegionPasteStatus::Pasted);
    EXPECT_EQ(result.HexesWritten, 25);
    int pasted = 0;
    for (int c = 90; c < 100; ++c)
      for (int r = 70; r < 80; ++r)
        if (target.TileWordAt(2, c, r) != 1234) {
          ++pasted;
          EXPECT_EQ(target.TileWordAt(2, c, r), source.TileWordAt(2, c - 95, r - 75));
          EXPECT_TRUE(std::equal(target.MapHexRecordAt(c, r).begin(), target.MapHexRecordAt(c, r).end(),
                                 source.MapHexRecordAt(c - 95, r - 75).begin()));
        }
    EXPECT_EQ(pasted, 25);
  }
}

TEST(RegionTextTest, ARegionMovesBetweenMapsOf80And240RowsPerColumn) {
  MapDocument small = LoadedMap(100, 80);
  MapDocument large = LoadedMap(100, 200, 240);
  const std::string fromSmall = RegionText(small, {3, 70, 7, 79});
  ASSERT_EQ(PasteRegionText(large, 50, 150, fromSmall, RegionSource::File).Status, RegionPasteStatus::Pasted);
  EXPECT_EQ(RegionText(large, {50, 150, 54, 159}).substr(13), fromSmall.substr(13));
  const std::vector<uint8_t> smallBefore = BuildMapFile(small);
  ASSERT_EQ(PasteRegionText(small, 3, 70, RegionText(large, {50, 150, 54, 159}), RegionSource::File).Status,
            RegionPasteStatus::Pasted);
  EXPECT_EQ(BuildMapFile(small), smallBefore);
}

TEST(RegionTextTest, CopyChecks) {
  MapDocument none;
  EXPECT_EQ(CheckRegionCopy(none, {0, 0, 1, 1}), RegionCopyCheck::NoMap);
  EXPECT_EQ(CheckRegionCopy(none, {1, 0, 0, 0}), RegionCopyCheck::Empty);
  MapDocument doc = LoadedMap(100, 80);
  struct Case {
    RegionRect rect;
    RegionCopyCheck check;
  };
  const Case cases[] = {
      {{0, 0, 99, 79}, RegionCopyCheck::Copy},
      {{5, 5, 4, 9}, RegionCopyCheck::Empty},
      {{0, 0, 100, 0}, RegionCopyCheck::OutsideMap},
      {{-1, 0, 3, 3}, RegionCopyCheck::OutsideMap},
      {{-2147483647, -2147483647, 2147483647, 2147483647}, RegionCopyCheck::OutsideMap},
      {{2147483647, 0, -2147483647, 0}, RegionCopyCheck::Empty},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckRegionCopy(doc, c.rect), c.check);
}

TEST(RegionTextTest, BadHeadersAndOddTexts) {
  MapDocument doc = LoadedMap(20, 20);
  const std::vector<uint8_t> before = BuildMapFile(doc);
  const std::string hexLine = RegionText(doc, {0, 0, 0, 0}).substr(13);
  struct Case {
    std::string text;
    RegionSource source;
    RegionPasteStatus status;
  };
  const Case cases[] = {
      {"", RegionSource::File, RegionPasteStatus::BadHeader},
      {"4 1\r\n" + hexLine, RegionSource::File, RegionPasteStatus::BadHeader},
      {"  0   1   1\r\n" + hexLine, RegionSource::Clipboard, RegionPasteStatus::BadHeader},
      {"  4 100   1\r\n" + hexLine, RegionSource::Clipboard, RegionPasteStatus::BadHeader},
      {"  4   1  80\r\n" + hexLine, RegionSource::Clipboard, RegionPasteStatus::BadHeader},
      {"  4   0   5\r\n", RegionSource::File, RegionPasteStatus::Pasted},
      {"  4 2147483647 2147483647\r\n" + hexLine, RegionSource::File, RegionPasteStatus::Pasted},
      {"  0 -5 2147483647\r\n", RegionSource::File, RegionPasteStatus::Pasted},
      {"  4   3   3\r\n" + hexLine.substr(0, 50), RegionSource::File, RegionPasteStatus::Pasted},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 30));
    EXPECT_EQ(PasteRegionText(doc, 0, 0, c.text, c.source).Status, c.status);
  }
  EXPECT_EQ(BuildMapFile(doc), before);
  // Far away pastes only drop hexes.
  EXPECT_EQ(PasteRegionText(doc, 2147483600, 0, "  4 100 1\r\n" + hexLine, RegionSource::File).Status, RegionPasteStatus::Pasted);
  EXPECT_EQ(BuildMapFile(doc), before);
  // A line of any length: every column reads the digits up to the line's end.
  ASSERT_EQ(PasteRegionText(doc, 0, 0, "  4   1   1\r\n" + std::string(100000, '7') + "\r\n", RegionSource::File).Status,
            RegionPasteStatus::Pasted);
  EXPECT_EQ(doc.TileWordAt(2, 0, 0), 0x7171);  // 7...7 (99,996 or 99,992 digits) mod 256 = 0x71
}

TEST(RegionTextTest, ALineWithoutANumberInAColumnLeavesItsHexButIsConsumed) {
  MapDocument doc = LoadedMap(20, 20);
  MapDocument other = LoadedMap(20, 20);
  for (int c = 0; c < 20; ++c) other.SetTileWordAt(2, c, 0, 777);
  std::string text = RegionText(other, {0, 0, 1, 0});
  const size_t secondLine = 13 + 190;
  text.replace(secondLine - 190 + 4 * 30, 4, "  x ");  // first hex line, value 30
  ASSERT_EQ(PasteRegionText(doc, 0, 0, text, RegionSource::File).Status, RegionPasteStatus::Pasted);
  EXPECT_NE(doc.TileWordAt(2, 0, 0), 777);
  EXPECT_EQ(doc.TileWordAt(2, 1, 0), 777);
}

}  // namespace
}  // namespace qrl::map
