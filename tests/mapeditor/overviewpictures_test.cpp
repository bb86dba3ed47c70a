// The strategic and contour pictures, the stored extent that bounds them and
// the contour picture's save names.
#include <gtest/gtest.h>

#include "gamefile/bytes.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/core/contourmap.h"
#include "mapeditor/core/mapextent.h"
#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/stratmap.h"
#include "tools/sampledata/patternsheet.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

constexpr QRgb Green = 0xFF008000;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb White = 0xFFFFFFFF;

// Claims a size in sections 38 and 39 as a loaded file would, whatever is stored.
void ClaimSize(MapDocument& doc, int width, int height) {
  WriteLe16(doc.Section(MapWidthSection).data(), uint16_t(width));
  WriteLe16(doc.Section(MapHeightSection).data(), uint16_t(height));
  doc.MapWidth = width;
  doc.MapHeight = height;
}

void SetTerrain(MapDocument& doc, int col, int row, uint8_t byte0, uint8_t byte1) {
  auto rec = doc.MapHexRecordAt(col, row);
  rec[0] = byte0;
  rec[1] = byte1;
}

void SetElevation(MapDocument& doc, int col, int row, uint8_t low, uint8_t high = 0) {
  auto rec = doc.MapHexRecordAt(col, row);
  rec[HexRecord::Elevation] = low;
  rec[HexRecord::Elevation + 1] = high;
}

// The test sheet: every cell of one colour of its own, (i, j) -> rgb(i, j, 200),
// with the grid lines black. Marker cell (k, 3) has one pixel of colour
// rgb(k, 3, 100) at (k % 9, k / 9) of the cell.
constexpr QRgb CellColour(int i, int j) { return qRgb(i, j, 200); }
constexpr QRgb MarkerColour(int k) { return qRgb(k, 3, 100); }
QPoint MarkerPixel(int k) { return {k % ContourCellSize, k / ContourCellSize}; }

QImage TestSheet(int width = 200, int height = 70) {
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(Black);
  for (int j = 0; j * SheetPitch + SheetPitch <= height; ++j)
    for (int i = 0; i * SheetPitch + SheetPitch <= width; ++i)
      for (int y = 1; y <= ContourCellSize; ++y)
        for (int x = 1; x <= ContourCellSize; ++x) sheet.setPixel(SheetPitch * i + x, SheetPitch * j + y, CellColour(i, j));
  for (int k = 0; k < MarkedTerrainBits && SheetPitch * k + SheetPitch <= width; ++k) {
    const QPoint p = MarkerPixel(k);
    sheet.setPixel(SheetPitch * k + 1 + p.x(), SheetPitch * MarkerSheetRow + 1 + p.y(), MarkerColour(k));
  }
  return sheet;
}

// True when the 9 x 9 square at `at` is wholly `colour`.
bool CellIs(const QImage& picture, QPoint at, QRgb colour) {
  for (int y = 0; y < ContourCellSize; ++y)
    for (int x = 0; x < ContourCellSize; ++x)
      if (picture.pixel(at.x() + x, at.y() + y) != colour) return false;
  return true;
}

TEST(StoredMapExtentTest, ClaimsBeyondTheStoredHexesAreCut) {
  MapDocument doc = sample::MakeBlankMap(50, 80);
  EXPECT_EQ(StoredMapExtent(doc).Cols, 50);
  EXPECT_EQ(StoredMapExtent(doc).Rows, 80);
  ClaimSize(doc, 0xFFFF, 0xFFFF);
  EXPECT_EQ(StoredMapExtent(doc).Cols, 50);
  EXPECT_EQ(StoredMapExtent(doc).Rows, 80);  // the stride
  ClaimSize(doc, 30, 20);
  EXPECT_EQ(StoredMapExtent(doc).Cols, 30);
  EXPECT_EQ(StoredMapExtent(doc).Rows, 20);
  // A last column held only in part still counts; its missing hexes have no record.
  doc.SectionSize[HexRecordSection] = MapHexRecordSize * (80 * 9 + 5);
  ClaimSize(doc, 0xFFFF, 0xFFFF);
  EXPECT_EQ(StoredMapExtent(doc).Cols, 10);
  doc.SectionSize[HexRecordSection] = 0;
  EXPECT_EQ(StoredMapExtent(doc).Cols, 0);
}

TEST(StratMapTest, ColourRulesApplyInOrderAndTheLastWins) {
  struct Case {
    const char* Name;
    uint8_t Byte0, Byte1;
    QRgb Colour;
  };
  const Case cases[] = {
      {"open", 0x00, 0x00, qRgb(0, 128, 0)},
      {"rough", 0x00, 0x10, qRgb(192, 0, 0)},
      {"trees over rough", 0x04, 0x10, qRgb(61, 208, 0)},
      {"1st road", 0x80, 0x00, qRgb(160, 160, 160)},
      {"both roads", 0xC0, 0x00, qRgb(113, 73, 0)},
      {"stone building", 0x10, 0x00, qRgb(255, 255, 255)},
      {"trees and stream", 0x0C, 0x00, qRgb(0, 0, 255)},
      {"swamp", 0x08, 0x04, qRgb(0, 128, 192)},
      {"water over all", 0xFF, 0xFF, qRgb(0, 0, 128)},
      {"bits without a rule", 0x23, 0xE3, qRgb(0, 128, 0)},
  };
  for (const Case& c : cases) EXPECT_EQ(StratHexColour(c.Byte0, c.Byte1), c.Colour) << c.Name;
}

TEST(StratMapTest, TwoByTwoPixelsPerHexAtAFixedWidth) {
  MapDocument doc = sample::MakeBlankMap(100, 80);
  SetTerrain(doc, 0, 0, 0x0C, 0x00);  // trees + stream
  SetTerrain(doc, 99, 79, 0xC0, 0x00);
  // What the bitmap import makes water: code 40 and a water tile, no "Water" bit.
  doc.SetHexByteAt(5, 6, 40);
  doc.SetTileWordAt(BaseLayerSection, 5, 6, MakeTileWord(3, 0));
  const QImage picture = BuildStratPicture(doc);
  ASSERT_EQ(picture.size(), QSize(200, 160));
  for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) EXPECT_EQ(picture.pixel(p), qRgb(0, 0, 255));
  EXPECT_EQ(picture.pixel(2, 0), Green);
  EXPECT_EQ(picture.pixel(199, 159), qRgb(113, 73, 0));
  EXPECT_EQ(picture.pixel(198, 158), qRgb(113, 73, 0));
  EXPECT_EQ(picture.pixel(10, 12), Green);
}

TEST(StratMapTest, ClaimedSizesDrawOnlyTheStoredHexesInsideThePicture) {
  MapDocument doc = sample::MakeBlankMap(50, 80);
  ClaimSize(doc, 0xFFFF, 0xFFFF);
  const QImage picture = BuildStratPicture(doc);
  ASSERT_EQ(picture.size(), QSize(200, 160));
  EXPECT_EQ(picture.pixel(99, 159), Green);
  EXPECT_EQ(picture.pixel(100, 0), Black);
  EXPECT_EQ(picture.pixel(199, 159), Black);

  // A map wider than the picture is cut at its right edge.
  MapDocument wide = sample::MakeBlankMap(110, 10);
  EXPECT_EQ(BuildStratPicture(wide).size(), QSize(200, 20));
  EXPECT_EQ(BuildStratPicture(wide).pixel(199, 19), Green);
}

TEST(StratMapTest, AClickCentresTheHexOnAnEvenRowInsideTheScrollRanges) {
  struct Case {
    int X, Y, HMax, VMax;
    HexPos Expected;
  };
  const Case cases[] = {
      {40, 41, 86, 68, {13, 14}},
      {10, 14, 86, 68, {0, 2}},    // 5 - 7 raised to 0; 7 - 6 = 1, odd, made 2
      {0, 0, 86, 68, {0, 0}},
      {2, 2, 86, 68, {0, 0}},      // row 1 - 6 = -5, odd, -4, raised to 0
      {199, 159, 86, 68, {86, 68}},
      {199, 159, 0, 0, {0, 0}},
      {60, 36, 86, 68, {23, 12}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StratClickTarget(c.X, c.Y, c.HMax, c.VMax), c.Expected) << c.X << "," << c.Y;
  }
}

TEST(ContourMapTest, ElevationBytesAddressSheetCells) {
  struct Case {
    int Elevation;
    QPoint Cell;
  };
  const Case cases[] = {{-3, {2, 0}}, {0, {5, 0}},  {5, {10, 0}}, {10, {15, 0}}, {15, {0, 1}}, {20, {5, 1}},
                        {30, {15, 1}}, {35, {0, 2}}, {55, {0, 3}}, {74, {19, 3}}, {127, {12, 6}}, {-5, {0, 0}},
                        {-6, {-1, 0}}, {-25, {0, -1}}, {-128, {-3, -6}}};
  for (const Case& c : cases) EXPECT_EQ(ElevationSheetCell(int8_t(c.Elevation)), c.Cell) << c.Elevation;
}

TEST(ContourMapTest, SizeAndTicksOfA100By80Map) {
  const MapDocument doc = sample::MakeBlankMap(100, 80);
  const QImage picture = BuildContourPicture(doc, TestSheet(), false);
  ASSERT_EQ(picture.size(), QSize(924, 740));
  // Top and bottom ticks every 90 pixels from x = 10 to 910; left and right ticks y = 10 .. 730.
  for (int x = 10; x <= 910; x += 90) {
    EXPECT_EQ(picture.pixel(x, 4), Black) << x;
    EXPECT_EQ(picture.pixel(x + 1, 0), Black) << x;
    EXPECT_EQ(picture.pixel(x, 736), Black) << x;
  }
  for (int y = 10; y <= 730; y += 90) {
    EXPECT_EQ(picture.pixel(4, y), Black) << y;
    EXPECT_EQ(picture.pixel(920, y), Black) << y;
  }
  EXPECT_EQ(picture.pixel(55, 4), White);
  EXPECT_EQ(picture.pixel(4, 55), White);
  EXPECT_EQ(picture.pixel(13, 4), White);  // a 3-pixel pen
  EXPECT_EQ(picture.pixel(10, 10 + 0), CellColour(5, 0));  // the cell of hex (0, 0) covers the tick's end
}

TEST(ContourMapTest, CellsSitOnTheirHexesWithOddRowsShifted) {
  MapDocument doc = sample::MakeBlankMap(100, 80);
  SetElevation(doc, 3, 2, 20);
  EXPECT_EQ(ContourCellPosition(0, 1), QPoint(14, 19));
  EXPECT_EQ(ContourCellPosition(3, 2), QPoint(37, 28));
  const QImage picture = BuildContourPicture(doc, TestSheet(), false);
  EXPECT_TRUE(CellIs(picture, {14, 19}, CellColour(5, 0)));
  EXPECT_TRUE(CellIs(picture, {37, 28}, CellColour(5, 1)));  // sheet pixels x 51..59, y 11..19
  EXPECT_EQ(picture.pixel(36, 28), CellColour(5, 0));         // hex (2, 2)
  EXPECT_EQ(picture.pixel(10, 19), White);                    // the gap left of an odd row
}

TEST(ContourMapTest, ElevationByteFourReadAsSigned) {
  MapDocument doc = sample::MakeBlankMap(10, 10);
  SetElevation(doc, 1, 0, 0xFD);        // -3
  SetElevation(doc, 2, 0, 0x23, 0x01);  // 291: only the low byte counts
  SetElevation(doc, 3, 0, uint8_t(-25));
  SetElevation(doc, 4, 0, 60);
  const QImage picture = BuildContourPicture(doc, TestSheet(), false);
  EXPECT_TRUE(CellIs(picture, ContourCellPosition(1, 0), CellColour(2, 0)));
  EXPECT_TRUE(CellIs(picture, ContourCellPosition(2, 0), CellColour(0, 2)));
  EXPECT_TRUE(CellIs(picture, ContourCellPosition(3, 0), White));  // a cell above the sheet
  // Elevations 55..74 address the marker row, marker pixels included.
  const QPoint at = ContourCellPosition(4, 0);
  EXPECT_EQ(picture.pixel(at + MarkerPixel(5)), MarkerColour(5));
  EXPECT_EQ(picture.pixel(at + QPoint(8, 8)), CellColour(5, 3));
}

TEST(ContourMapTest, TerrainMarkersDrawOnlyTheirOwnPixels) {
  MapDocument doc = sample::MakeBlankMap(10, 10);
  SetTerrain(doc, 1, 1, 0x0C, 0x00);
  SetTerrain(doc, 2, 1, 0x00, 0x80);  // bit 15: no marker
  SetTerrain(doc, 3, 1, 0xFF, 0x7F);
  const QImage withMarkers = BuildContourPicture(doc, TestSheet(), true);
  const QPoint at = ContourCellPosition(1, 1);
  EXPECT_EQ(withMarkers.pixel(at + MarkerPixel(2)), MarkerColour(2));
  EXPECT_EQ(withMarkers.pixel(at + MarkerPixel(3)), MarkerColour(3));
  EXPECT_EQ(withMarkers.pixel(at + MarkerPixel(4)), CellColour(5, 0));
  EXPECT_TRUE(CellIs(withMarkers, ContourCellPosition(2, 1), CellColour(5, 0)));
  for (int k = 0; k < MarkedTerrainBits; ++k)
    EXPECT_EQ(withMarkers.pixel(ContourCellPosition(3, 1) + MarkerPixel(k)), MarkerColour(k)) << k;

  const QImage without = BuildContourPicture(doc, TestSheet(), false);
  EXPECT_TRUE(CellIs(without, at, CellColour(5, 0)));
}

TEST(ContourMapTest, CellsAndMarkersOutsideASmallSheetStayWhite) {
  MapDocument doc = sample::MakeBlankMap(4, 4);
  SetElevation(doc, 0, 0, 20);  // cell (5, 1): outside a sheet of 5 x 1 cells
  SetTerrain(doc, 1, 0, 0x03, 0x00);
  const QImage sheet = TestSheet(50, 10);
  const QImage picture = BuildContourPicture(doc, sheet, true);
  // (The left tick at y = 10 reaches into hex (0, 0)'s square.)
  EXPECT_EQ(picture.pixel(ContourCellPosition(0, 0) + QPoint(4, 4)), White);
  EXPECT_TRUE(CellIs(picture, ContourCellPosition(1, 0), White));  // elevation 0 is cell (5, 0), just outside
  EXPECT_TRUE(CellIs(BuildContourPicture(doc, QImage(), true), ContourCellPosition(1, 1), White));
}

TEST(ContourMapTest, ClaimedSizesFollowTheStoredHexes) {
  MapDocument doc = sample::MakeBlankMap(50, 80);
  ClaimSize(doc, 0xFFFF, 0xFFFF);
  EXPECT_EQ(BuildContourPicture(doc, TestSheet(), true).size(), QSize(474, 740));
  // Hexes without a record are not drawn.
  doc.SectionSize[HexRecordSection] = MapHexRecordSize * (80 * 49 + 10);
  const QImage part = BuildContourPicture(doc, TestSheet(), true);
  EXPECT_EQ(part.size(), QSize(474, 740));
  EXPECT_TRUE(CellIs(part, ContourCellPosition(49, 9), CellColour(5, 0)));
  EXPECT_TRUE(CellIs(part, ContourCellPosition(49, 10), White));
}

TEST(ContourMapTest, The100By80PictureSavesAsABmpOf2051334Bytes) {
  const QImage picture = BuildContourPicture(sample::MakeBlankMap(100, 80), TestSheet(), true);
  EXPECT_EQ(EncodeBmp24(picture).size(), 2'051'334u);
}

TEST(ContourMapTest, OurSheetDecodesAndCoversEveryElevation) {
  const QImage ours = sample::BuildPatternSheet();
  ASSERT_EQ(ours.size(), QSize(200, 70));
  const std::optional<QImage> decoded = DecodePatternSheet(EncodeBmp24(ours));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(*decoded, ours);
  for (int e = -5; e <= 127; ++e) {
    const QPoint cell = ElevationSheetCell(int8_t(e));
    const QRgb centre = ours.pixel(SheetPitch * cell.x() + 5, SheetPitch * cell.y() + 9);  // bottom row: no glyph
    EXPECT_EQ(centre, sample::PatternSheetShade(e)) << e;
  }
  // Each marker has ink and a clear bottom-left pixel.
  for (int k = 0; k < MarkedTerrainBits; ++k) {
    const QRgb background = ours.pixel(SheetPitch * k + 1, SheetPitch * MarkerSheetRow + 9);
    int ink = 0;
    for (int y = 1; y <= 9; ++y)
      for (int x = 1; x <= 9; ++x) ink += ours.pixel(SheetPitch * k + x, SheetPitch * MarkerSheetRow + y) != background;
    EXPECT_GT(ink, 0) << k;
  }
}

TEST(ContourMapTest, SheetsThatAreNoBmpOrTooLargeAreRefused) {
  EXPECT_FALSE(DecodePatternSheet({}));
  const std::vector<uint8_t> text = {'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'};
  EXPECT_FALSE(DecodePatternSheet(text));
  // A header claiming 100000 x 100000 pixels.
  std::vector<uint8_t> huge = EncodeBmp24(QImage(4, 4, QImage::Format_RGB32));
  WriteLe32(huge.data() + 18, 100000);
  WriteLe32(huge.data() + 22, 100000);
  EXPECT_FALSE(DecodePatternSheet(huge));
  EXPECT_FALSE(ReadPatternSheet("/nonexistent/grid.bmp"));
}

TEST(ContourMapTest, SaveNamesTakeTheExtensionFromTheFileName) {
  struct Case {
    const char* Chosen;
    bool Bmp;
    const char* Path;
  };
  const Case cases[] = {
      {"/d/x.bmp", true, "/d/x.bmp"},     {"/d/x", false, "/d/x.jpg"},       {"/d/x.BMP", false, "/d/x.jpg"},
      {"/d/x.png", false, "/d/x.jpg"},    {"/d/x.jpg", false, "/d/x.jpg"},   {"/d.e/x", false, "/d.e/x.jpg"},
      {"/d.bmp/x", false, "/d.bmp/x.jpg"}, {"/d/x.y.bmp", true, "/d/x.y.bmp"}, {"x.bmpx", false, "x.jpg"},
  };
  for (const Case& c : cases) {
    const ContourSaveTarget target = ContourSaveTargetFor(c.Chosen);
    EXPECT_EQ(target.Bmp, c.Bmp) << c.Chosen;
    EXPECT_EQ(target.Path, c.Path) << c.Chosen;
  }
}

}  // namespace
}  // namespace qrl::map
