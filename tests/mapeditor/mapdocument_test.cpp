#include <gtest/gtest.h>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {
namespace {

TEST(HexAddressingTest, IndexesColumnByColumn) {
  MapDocument doc;
  EXPECT_EQ(doc.HexIndex(2, 5), 165);
  EXPECT_EQ(doc.TileWordOffset(2, 5), 330);
  EXPECT_EQ(doc.MapHexRecordOffset(2, 5), 3300);
  EXPECT_EQ(doc.TileStackOffset(2, 5), 2310);
  doc.MapStride = LargeMapStride;
  EXPECT_EQ(doc.HexIndex(2, 5), 485);
}

TEST(HexNeighbourTest, OddRowsLieHalfAHexRight) {
  struct Case {
    HexPos From;
    HexDir Dir;
    HexPos To;
  };
  const std::vector<Case> cases = {
      {{5, 4}, DirNE, {5, 3}}, {{5, 4}, DirSW, {4, 5}}, {{5, 3}, DirNE, {6, 2}}, {{5, 3}, DirSW, {5, 4}},
      {{5, 4}, DirE, {6, 4}},  {{5, 4}, DirW, {4, 4}},  {{5, 4}, DirSE, {5, 5}}, {{5, 4}, DirNW, {4, 3}},
      {{5, 3}, DirSE, {6, 4}}, {{5, 3}, DirNW, {5, 2}}, {{5, 3}, DirE, {6, 3}},  {{5, 3}, DirW, {4, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.From.Col << "," << c.From.Row << " dir " << int(c.Dir));
    EXPECT_EQ(HexNeighbour(c.From, c.Dir), c.To);
  }
}

TEST(TileWordTest, SplitsAndStoresLittleEndian) {
  uint8_t b[2] = {};
  PutTileWord(b, 0xFFFF);
  EXPECT_EQ(b[0], 0xFF);
  EXPECT_EQ(b[1], 0xFF);
  PutTileWord(b, 6001);
  EXPECT_EQ(b[0], 0x71);
  EXPECT_EQ(b[1], 0x17);
  EXPECT_EQ(TileWordFile(6001), 24);
  EXPECT_EQ(TileWordImage(6001), 1);
  EXPECT_EQ(TileWordFile(EmptyTileWord), 262);
}

TEST(TerrainBitNamesTest, NamesTheRoadBits) {
  EXPECT_EQ(TerrainBitNames[0][6], "2nd Road");
  EXPECT_EQ(TerrainBitNames[0][7], "1st Road");
  EXPECT_EQ(TerrainBitNames[2][0], "Railroad");
  EXPECT_EQ(TerrainBitNames[2][7], "Orch/Vinyard");
  EXPECT_EQ(TerrainBitNames[3][2], "Bocage");
}

TEST(CheckedAccessTest, HexesOutsideTheirSectionAreAbsent) {
  MapDocument doc;
  // Section 2 holds 3 columns of 80 rows at offset 100.
  doc.SectionOffset[2] = 100;
  doc.SectionSize[2] = 3 * 80 * 2;
  EXPECT_TRUE(doc.SetTileWordAt(2, 2, 79, 1234));
  EXPECT_EQ(doc.TileWordAt(2, 2, 79), 1234);
  EXPECT_EQ(doc.MapFileBuf[100 + 2 * (2 * 80 + 79)], 1234 & 0xFF);
  EXPECT_FALSE(doc.TileWordAt(2, 3, 0).has_value());
  EXPECT_FALSE(doc.TileWordAt(2, -1, 0).has_value());
  EXPECT_FALSE(doc.TileWordAt(2, 0, -1).has_value());
  EXPECT_FALSE(doc.TileWordAt(2, 0, 80).has_value());  // would wrap into the next column
  EXPECT_FALSE(doc.SetTileWordAt(2, 3, 0, 1));
  EXPECT_FALSE(doc.TileWordAt(60, 0, 0).has_value());
  // A section whose table entry claims more than the buffer holds is clipped.
  doc.SectionOffset[8] = MapFileBufSize - 20;
  doc.SectionSize[8] = 1000;
  EXPECT_EQ(doc.MapHexRecordAt(0, 0).size(), 20u);
  EXPECT_TRUE(doc.MapHexRecordAt(0, 1).empty());
  // Before any load every section is empty.
  MapDocument fresh;
  EXPECT_FALSE(fresh.TileWordAt(2, 0, 0).has_value());
}

}  // namespace
}  // namespace qrl::map
