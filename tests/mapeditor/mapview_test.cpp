#include <gtest/gtest.h>

#include "mapeditor/core/mapview.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

TEST(MouseToHexTest, HexesAreHitAsRectangles) {
  struct Case {
    int X, Y, ViewCol, ViewRow, Width, Height;
    HexPos Hex;
  };
  const Case cases[] = {
      {0, 31, 0, 0, 100, 80, {0, 0}},
      {0, 32, 0, 0, 100, 80, {0, 1}},
      {50, 44, 0, 0, 100, 80, {0, 1}},
      {51, 44, 0, 0, 100, 80, {1, 1}},
      {24, 0, 0, 0, 100, 80, {0, 0}},
      {25, 0, 0, 0, 100, 80, {1, 0}},
      {701, 516, 10, 20, 100, 80, {24, 32}},   // bottom row is ViewRow + 12, last column ViewCol + 14
      {701, 516, 86, 68, 100, 80, {99, 79}},   // clamped by the map's size
      {701, 516, 0, 0, 5, 4, {4, 3}},
      {300, 200, 0, 0, 0, 0, {0, 0}},          // an empty map clamps into hex (0, 0)
      {-40, -60, 0, 0, 100, 80, {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X << "," << c.Y << " view " << c.ViewCol << "," << c.ViewRow);
    EXPECT_EQ(MouseToHex(c.X, c.Y, c.ViewCol, c.ViewRow, c.Width, c.Height), c.Hex);
  }
}

TEST(MouseTrackerTest, MovesOfFivePixelsOrLessAreIgnored) {
  MouseTracker mouse;
  ASSERT_TRUE(mouse.MapImgMouseMove(100, 100, 0, 0, 100, 80));
  const HexPos taken{mouse.HexCol, mouse.HexRow};
  struct Move {
    int X, Y;
    bool Taken;
  };
  const Move moves[] = {{105, 95, false}, {95, 105, false}, {106, 100, true}, {106, 94, true}, {101, 94, false}};
  for (const Move& m : moves) {
    SCOPED_TRACE(testing::Message() << m.X << "," << m.Y);
    const int lastX = mouse.MouseX;
    EXPECT_EQ(mouse.MapImgMouseMove(m.X, m.Y, 0, 0, 100, 80), m.Taken);
    EXPECT_EQ(mouse.MouseX, m.Taken ? m.X : lastX);
  }
  EXPECT_EQ((HexPos{mouse.HexCol, mouse.HexRow}), taken);
  mouse.MapImgMouseMove(300, 300, 2, 4, 100, 80);
  EXPECT_EQ((HexPos{mouse.HexCol, mouse.HexRow}), MouseToHex(300, 300, 2, 4, 100, 80));
}

TEST(WhereLblTextTest, ShowsTheClickStateOrTheBaseTile) {
  EXPECT_EQ(WhereLblText(5, 12, 1, 6001), " 5,12  Click  1");
  EXPECT_EQ(WhereLblText(5, 12, 2, std::nullopt), " 5,12  Click  2");
  EXPECT_EQ(WhereLblText(5, 12, 0, 6001), " 5,12  f24 i 1");
  EXPECT_EQ(WhereLblText(99, 123, 0, EmptyTileWord), "99,123  f262 i35");
  EXPECT_EQ(WhereLblText(3, 4, 0, std::nullopt), " 3, 4  f 0 i 0");

  MapDocument doc = sample::MakeBlankMap(10, 10);
  doc.SetTileWordAt(BaseLayerSection, 3, 4, MakeTileWord(7, 42));
  MouseTracker mouse;
  mouse.HexCol = 3;
  mouse.HexRow = 4;
  EXPECT_EQ(WhereLblText(doc, mouse, 0), " 3, 4  f 7 i42");
  mouse.HexCol = 12;  // no record: read as word 0
  EXPECT_EQ(WhereLblText(doc, mouse, 0), "12, 4  f 0 i 0");
}

TEST(ScrollTest, RangesAreNeverNegative) {
  EXPECT_EQ(HMapSBMax(100), 86);
  EXPECT_EQ(VMapSBMax(80), 68);
  EXPECT_EQ(HMapSBMax(14), 0);
  EXPECT_EQ(HMapSBMax(9), 0);
  EXPECT_EQ(VMapSBMax(5), 0);
}

TEST(ScrollTest, ViewRowIsAlwaysEven) {
  struct Case {
    int Position, Maximum;
    int ViewRow, NewPosition;
  };
  const Case cases[] = {
      {3, 68, 4, 4},    // rows 4 to 15 shown, the bar shows 4
      {4, 68, 4, 4},
      {0, 68, 0, 0},
      {69, 69, 70, 69},  // at an odd maximum the view starts one row past it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Position);
    const VScrollOutcome out = VMapSBChange(c.Position, c.Maximum);
    EXPECT_EQ(out.ViewRow, c.ViewRow);
    EXPECT_EQ(out.Position, c.NewPosition);
  }
}

}  // namespace
}  // namespace qrl::map
