// From elevation values to map elevations: a DEM with a lake is drawn,
// flooded, banded, saved as a BMP, read back as a picture and converted.
#include <gtest/gtest.h>

#include <QByteArray>
#include <algorithm>

#include "mapeditor/core/altmap.h"
#include "mapeditor/core/bitmapimport.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/core/hexelevation.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

constexpr int Cols = 14, Rows = 12, Scale = 5;
constexpr int LakeValue = 77;

// The band of hex (c, r), or -1 for the lake.
int HexBand(int c, int r) {
  if (c >= 3 && c <= 5 && r >= 6 && r <= 8) return -1;
  return (c / 3 + r / 4) % 4;
}

TEST(DemRoundTripTest, BandedLakeMapConvertsToBandElevationsAndWater) {
  DemGrid grid;
  grid.DemCols = Cols * Scale;
  grid.DemRows = Rows * Scale;
  grid.Values.resize(size_t(grid.DemCols * grid.DemRows));
  for (int y = 0; y < grid.DemRows; ++y) {
    for (int x = 0; x < grid.DemCols; ++x) {
      const int band = HexBand(x / Scale, y / Scale);
      grid.Values[size_t(y * grid.DemCols + x)] = int16_t(band < 0 ? LakeValue : 100 * band + 150 + (x + y) % 40);
    }
  }
  const DemRange range = DemMinMax(grid);
  QImage picture = DrawAltMap(grid, range);
  MakeLake(picture, grid, 4 * Scale, 7 * Scale);
  BandAltMap(picture, grid, {200, 300, 400});

  const std::vector<uint8_t> bmp = EncodeBmp24(picture);
  QImage loaded;
  ASSERT_TRUE(loaded.loadFromData(QByteArray(reinterpret_cast<const char*>(bmp.data()), qsizetype(bmp.size())), "BMP"));
  ASSERT_EQ(loaded.size(), picture.size());

  MapDocument doc = sample::MakeBlankMap(Cols, Rows);
  AltConvert(doc, loaded, {Scale, Scale, 0, 0});

  auto levelOf = [](int band) { return band < 0 ? 0 : band; };
  for (int r = 0; r < Rows; ++r) {
    for (int c = 0; c < Cols; ++c) {
      SCOPED_TRACE(testing::Message() << c << "," << r);
      const int band = HexBand(c, r);
      int expected = band < 0 ? WaterElevation : 10 * band;
      const bool inner = c > 0 && r > 0 && c < Cols - 1 && r < Rows - 1;
      if (band >= 0 && inner) {
        int highest = 0;
        for (HexDir dir : {DirE, DirSE, DirSW, DirW, DirNW, DirNE}) {
          const HexPos n = HexNeighbour({c, r}, dir);
          highest = std::max(highest, levelOf(HexBand(n.Col, n.Row)));
        }
        if (highest > band) expected += 5;
      }
      EXPECT_EQ(HexElevation(doc, c, r), expected);
    }
  }
}

}  // namespace
}  // namespace qrl::map
