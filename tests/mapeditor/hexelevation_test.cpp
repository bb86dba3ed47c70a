#include <gtest/gtest.h>

#include "gamefile/bytes.h"
#include "mapeditor/core/hexelevation.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

void SetElevation(MapDocument& doc, int col, int row, int value) {
  WriteLe16(&doc.MapHexRecordAt(col, row)[HexRecord::Elevation], uint16_t(int16_t(value)));
}

TEST(HexElevationTest, ReadsSignedValuesAndNothingOutsideTheRecords) {
  MapDocument doc = sample::MakeBlankMap(10, 8);
  SetElevation(doc, 2, 3, -3);
  SetElevation(doc, 4, 5, 32767);
  SetElevation(doc, 5, 5, -32768);
  doc.MapHexRecordAt(1, 1)[18] = 0x34;
  doc.MapHexRecordAt(1, 1)[19] = 0x12;
  struct Case {
    int Col, Row, Offset;
    std::optional<int> Expected;
  };
  const Case cases[] = {
      {2, 3, 4, -3},          {4, 5, 4, 32767},       {5, 5, 4, -32768},
      {1, 1, 18, 0x1234},     {1, 1, 19, std::nullopt},  // the value would run past the record
      {1, 1, -1, std::nullopt}, {-1, 0, 4, std::nullopt}, {0, 80, 4, std::nullopt},  // row beyond the stride
      {10, 0, 4, std::nullopt},  // past the section
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Col << "," << c.Row << " @" << c.Offset);
    EXPECT_EQ(HexElevation(doc, c.Col, c.Row, c.Offset), c.Expected);
  }
}

// A hex in the middle of a map whose neighbours are set one by one.
struct NeighbourCase {
  const char* Name;
  int Row;        // the centre hex is (5, Row)
  int Own;        // its elevation
  int E, SE, SW, W, NW, NE;
  uint8_t Mask;
  int MaxNeighbour;
};

TEST(HexElevationTest, SlopeMaskAndHighestNeighbourOnEvenAndOddRows) {
  const NeighbourCase cases[] = {
      {"flat", 4, 10, 10, 10, 10, 10, 10, 10, 0, 10},
      {"east higher", 4, 10, 20, 0, 0, 0, 0, 0, DirE, 20},
      {"same ten is not higher", 4, 10, 15, 19, 0, 0, 0, 0, 0, 19},
      {"every side higher, odd row", 5, 0, 10, 20, 30, 10, 20, 30, AllHexDirs, 30},
      {"south-west only, even row", 4, 0, 0, 0, 10, 0, 0, 0, DirSW, 10},
      {"south-west only, odd row", 5, 0, 0, 0, 10, 0, 0, 0, DirSW, 10},
      {"water hex has no slope", 4, -3, 30, 30, 30, 30, 30, 30, 0, 30},
      {"levels truncate toward zero", 4, -9, 0, 0, 0, 0, 0, 0, 0, 0},
      {"neighbours far below", 4, 0, -500, -500, -500, -500, -500, -500, 0, NoNeighbourElevation},
      {"water all around", 4, 0, -3, -3, -3, -3, -3, -3, 0, -3},
  };
  for (const NeighbourCase& c : cases) {
    SCOPED_TRACE(c.Name);
    MapDocument doc = sample::MakeBlankMap(10, 8);
    SetElevation(doc, 5, c.Row, c.Own);
    const std::pair<HexDir, int> around[] = {{DirE, c.E}, {DirSE, c.SE}, {DirSW, c.SW},
                                             {DirW, c.W}, {DirNW, c.NW}, {DirNE, c.NE}};
    for (auto [dir, value] : around) {
      const HexPos n = HexNeighbour({5, c.Row}, dir);
      SetElevation(doc, n.Col, n.Row, value);
    }
    EXPECT_EQ(HexSlopeMask(doc, 5, c.Row), c.Mask);
    EXPECT_EQ(MaxNeighbourElevation(doc, 5, c.Row), c.MaxNeighbour);
  }
}

TEST(HexElevationTest, NeighboursWithoutARecordAreSkipped) {
  // A 2 x 2 map stored in 80-row columns: column -1 and row -1 have no record.
  MapDocument doc = sample::MakeBlankMap(2, 2);
  for (int col = 0; col < 2; ++col)
    for (int row = 0; row < 2; ++row) SetElevation(doc, col, row, -50);
  EXPECT_EQ(HexSlopeMask(doc, 0, 0), 0);  // negative
  SetElevation(doc, 0, 0, 0);
  EXPECT_EQ(HexSlopeMask(doc, 0, 0), 0);
  EXPECT_EQ(MaxNeighbourElevation(doc, 0, 0), -50);
  EXPECT_EQ(MaxNeighbourElevation(doc, 5, 0), NoNeighbourElevation);  // no neighbour has a record
  EXPECT_EQ(HexSlopeMask(doc, 5, 0), 0);
}

}  // namespace
}  // namespace qrl::map
