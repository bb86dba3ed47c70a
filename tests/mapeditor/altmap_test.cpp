#include <gtest/gtest.h>

#include <random>

#include "mapeditor/core/altmap.h"

namespace qrl::map {
namespace {

DemGrid Grid(int cols, int rows, std::vector<int16_t> values) {
  DemGrid grid;
  grid.DemCols = cols;
  grid.DemRows = rows;
  grid.Values = std::move(values);
  return grid;
}

int Grey(const QImage& picture, int x, int y) { return qRed(picture.pixel(x, y)); }

TEST(AltMapTest, RangeLimitsAndGreys) {
  const DemGrid grid = Grid(4, 1, {120, 0, -32, 480});
  const DemRange range = DemMinMax(grid);
  EXPECT_EQ(range.DemMin, 120);
  EXPECT_EQ(range.DemMax, 480);
  const BandLimits limits = DefaultBandLimits(range);
  EXPECT_EQ(limits.Lvl0, 210);
  EXPECT_EQ(limits.Lvl1, 300);
  EXPECT_EQ(limits.Lvl2, 390);
  const QImage picture = DrawAltMap(grid, range);
  ASSERT_EQ(picture.size(), QSize(4, 1));
  EXPECT_EQ(Grey(picture, 0, 0), 0);
  EXPECT_EQ(Grey(picture, 1, 0), 0);  // below the minimum: black, not a negative grey
  EXPECT_EQ(Grey(picture, 2, 0), 0);
  EXPECT_EQ(Grey(picture, 3, 0), 180);
  EXPECT_EQ(picture.pixel(3, 0), qRgb(180, 180, 180));
}

TEST(AltMapTest, WithoutValuesAboveZeroTheMinimumIsZero) {
  const DemRange range = DemMinMax(Grid(3, 1, {0, -5, -32767}));
  EXPECT_EQ(range.DemMin, 0);
  EXPECT_EQ(range.DemMax, 0);
  const BandLimits limits = DefaultBandLimits(range);
  EXPECT_EQ(limits.Lvl0, 0);
  EXPECT_EQ(limits.Lvl2, 0);
  EXPECT_EQ(AltGrey(-5, range), 0);
  EXPECT_TRUE(DrawAltMap(Grid(0, 0, {}), range).isNull());
  // The widest range still fits the greys.
  const DemRange wide{32767, 1};
  EXPECT_EQ(AltGrey(32767, wide), 255);
  EXPECT_EQ(AltGrey(1, wide), 0);
}

TEST(AltMapTest, BandsFollowTheLimitsAndLeaveLakes) {
  const DemGrid grid = Grid(5, 1, {199, 200, 399, 400, 250});
  QImage picture = DrawAltMap(grid, DemMinMax(grid));
  picture.setPixel(4, 0, LakeColour);
  BandAltMap(picture, grid, {200, 300, 400});
  const int expected[] = {100, 140, 180, 220};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(picture.pixel(x, 0), qRgb(expected[x], expected[x], expected[x])) << x;
  EXPECT_EQ(picture.pixel(4, 0), LakeColour);
  // Limits in the wrong order are taken as they stand.
  BandAltMap(picture, grid, {500, 0, 0});
  EXPECT_EQ(picture.pixel(3, 0), BandColours[0]);
}

// The lake as the sweeps make it: paint the pixel, then repeat row-by-row
// sweeps that paint each pixel of the clicked elevation touching a lake
// pixel, until one sweep paints nothing.
void SweepLake(QImage& picture, const DemGrid& grid, int x, int y) {
  auto lake = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < grid.DemCols && py < grid.DemRows && picture.pixel(px, py) == LakeColour;
  };
  const int e = grid.At(x, y);
  picture.setPixel(x, y, LakeColour);
  for (bool changed = true; changed;) {
    changed = false;
    for (int py = 0; py < grid.DemRows; ++py) {
      for (int px = 0; px < grid.DemCols; ++px) {
        if (grid.At(px, py) != e || lake(px, py)) continue;
        bool next = false;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) next = next || ((dx || dy) && lake(px + dx, py + dy));
        if (next) {
          picture.setPixel(px, py, LakeColour);
          changed = true;
        }
      }
    }
  }
}

TEST(AltMapTest, ALakeTakesConnectedPixelsOfTheClickedElevation) {
  // 150 around a diagonal and a northward step; 149 and 151 stop it.
  const DemGrid grid = Grid(6, 4, {
                                      151, 151, 151, 150, 149, 150,  //
                                      151, 151, 150, 151, 149, 150,  //
                                      150, 150, 151, 151, 149, 150,  //
                                      150, 151, 151, 151, 149, 150,  //
                                  });
  QImage picture = DrawAltMap(grid, DemMinMax(grid));
  MakeLake(picture, grid, 0, 3);
  const bool expectLake[4][6] = {{0, 0, 0, 1, 0, 0}, {0, 0, 1, 0, 0, 0}, {1, 1, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(picture.pixel(x, y) == LakeColour, expectLake[y][x]) << x << "," << y;
}

TEST(AltMapTest, TheFillEqualsTheSweepsOnRandomGridsHoldingLakes) {
  std::mt19937 random(11);
  for (int round = 0; round < 60; ++round) {
    const int cols = 1 + int(random() % 30), rows = 1 + int(random() % 30);
    std::vector<int16_t> values(size_t(cols * rows));
    const int levels = 2 + int(random() % 3);
    for (int16_t& v : values) v = int16_t(100 + random() % unsigned(levels));
    const DemGrid grid = Grid(cols, rows, values);
    QImage picture = DrawAltMap(grid, DemMinMax(grid));
    // Earlier lakes: some made by clicks, some single pixels.
    for (int i = 0; i < 3; ++i) MakeLake(picture, grid, int(random() % unsigned(cols)), int(random() % unsigned(rows)));
    for (int i = 0; i < 5; ++i) picture.setPixel(int(random() % unsigned(cols)), int(random() % unsigned(rows)), LakeColour);
    QImage swept = picture;
    const int x = int(random() % unsigned(cols)), y = int(random() % unsigned(rows));
    MakeLake(picture, grid, x, y);
    SweepLake(swept, grid, x, y);
    ASSERT_EQ(picture, swept) << "round " << round;
  }
}

TEST(AltMapTest, ALakeClickOutsideTheGridChangesNothing) {
  const DemGrid grid = Grid(2, 2, {1, 1, 1, 1});
  QImage picture = DrawAltMap(grid, DemMinMax(grid));
  const QImage before = picture;
  MakeLake(picture, grid, 2, 0);
  MakeLake(picture, grid, -1, 0);
  EXPECT_EQ(picture, before);
}

}  // namespace
}  // namespace qrl::map
