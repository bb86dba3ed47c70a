#include <gtest/gtest.h>

#include <climits>

#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/pixelcanvas.h"
#include "tests/support/gamefilebuilder.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::map {
namespace {

using sample::MakeShpImage;
using sample::ShpFileImage;
using sample::ShpPicture;

std::vector<int> Offsets(const RoadPieceList& list) {
  std::vector<int> offsets;
  for (int i = 0; i < list.Count; ++i) offsets.push_back(list.Pieces[size_t(i)].Offset);
  return offsets;
}

TEST(RoadPiecesTest, EveryMaskIsCoveredExactlyOnce) {
  for (int mask = 0; mask < 64; ++mask) {
    SCOPED_TRACE(mask);
    const RoadPieceList list = RoadPiecesForMask(mask);
    int covered = 0;
    for (int i = 0; i < list.Count; ++i) {
      const uint8_t dirs = list.Pieces[size_t(i)].Dirs;
      EXPECT_EQ(covered & dirs, 0);
      covered |= dirs;
    }
    EXPECT_EQ(covered, mask);
    EXPECT_EQ(list.Count, (CountBits(mask) + 1) / 2);
  }
}

TEST(RoadPiecesTest, PairsInTableOrderThenTheSingle) {
  struct Case {
    int Mask;
    std::vector<int> Offsets;
  };
  const Case cases[] = {
      {DirE | DirW, {7}},
      {DirE | DirSE | DirSW, {4, 1}},
      {DirE | DirSE | DirW, {7, 1}},
      {AllHexDirs, {7, 5, 20}},
      {DirSE | DirSW | DirW | DirNW | DirNE, {5, 17, 10}},
      {DirSW, {4}},  // the lone south-west piece is the one of E + SW
      {DirNE, {15}},
      {64, {}},
      {128 | DirE, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Mask);
    EXPECT_EQ(Offsets(RoadPiecesForMask(c.Mask)), c.Offsets);
  }
}

TEST(CountBitsTest, CountsTheLowEightBits) {
  EXPECT_EQ(CountBits(0), 0);
  EXPECT_EQ(CountBits(0x41), 2);
  EXPECT_EQ(CountBits(0xFF), 8);
  EXPECT_EQ(CountBits(0x1FF), 8);
  EXPECT_EQ(CountBits(-1), 8);
}

QImage Canvas(int w, int h) {
  QImage picture(w, h, QImage::Format_RGB32);
  picture.fill(0xFF000000);
  return picture;
}

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

TEST(PixelCanvasTest, LinesLeaveOutTheirEndPixel) {
  QImage p = Canvas(12, 12);
  DrawLine(p, {1, 1}, {5, 1}, White);
  DrawLine(p, {0, 3}, {3, 6}, White);
  DrawLine(p, {2, 9}, {7, 9}, White, 3);
  EXPECT_EQ(p.pixel(1, 1), White);
  EXPECT_EQ(p.pixel(4, 1), White);
  EXPECT_EQ(p.pixel(5, 1), Black);
  EXPECT_EQ(p.pixel(2, 5), White);
  EXPECT_EQ(p.pixel(3, 6), Black);
  for (int y : {8, 9, 10}) EXPECT_EQ(p.pixel(4, y), White) << y;
  EXPECT_EQ(p.pixel(4, 11), Black);
  DrawLine(p, {-5, 0}, {20, 0}, White, 3);  // clipped, not written outside
}

TEST(PixelCanvasTest, EllipseBoxLeavesOutItsRightAndBottomEdge) {
  QImage p = Canvas(20, 20);
  DrawEllipse(p, 2, 2, 14, 14, White, 0xFFFF0000);
  EXPECT_EQ(p.pixel(2, 8), White);
  EXPECT_EQ(p.pixel(13, 8), White);
  EXPECT_EQ(p.pixel(14, 8), Black);
  EXPECT_EQ(p.pixel(8, 13), White);
  EXPECT_EQ(p.pixel(8, 14), Black);
  EXPECT_EQ(p.pixel(8, 8), 0xFFFF0000);
  EXPECT_EQ(p.pixel(2, 2), Black);
}

TEST(PixelCanvasTest, MaskedTilesAreClippedAndKeepWhatTheMaskCovers) {
  QImage tile = Canvas(4, 4);
  tile.fill(White);
  tile.setPixel(1, 1, ShpTransparentColour);
  QImage p = Canvas(3, 3);
  DrawMasked(p, tile, -2, -2, ShpTransparentColour);
  EXPECT_EQ(p.pixel(1, 1), White);
  EXPECT_EQ(p.pixel(2, 2), Black);
  p.fill(Black);
  DrawMasked(p, tile, 1, 1, ShpTransparentColour);
  EXPECT_EQ(p.pixel(1, 1), White);
  EXPECT_EQ(p.pixel(2, 2), Black);
  // Positions at the ends of int are clipped without overflowing.
  p.fill(Black);
  for (int at : {INT_MIN, INT_MAX, INT_MAX - 2}) {
    DrawMasked(p, tile, at, 0, ShpTransparentColour);
    DrawMasked(p, tile, 0, at, ShpTransparentColour);
    DrawMasked(p, tile, at, at, ShpTransparentColour);
  }
  EXPECT_EQ(p.pixel(0, 0), Black);
}

// Colour indices of the fixture's tiles.
constexpr int16_t BaseColour = 13;
constexpr int16_t Column0Colour = 15;
constexpr int16_t OwnBitmapColour = 14;
constexpr int16_t Overlay3Colour = 11;
constexpr int16_t Overlay5Colour = 12;
constexpr int16_t File99Colour = 117;
constexpr int16_t SeventhStackWordColour = 200;
constexpr int16_t StackColour = 40;  // + image
constexpr int16_t RoadColour = 128;  // + image

// A square of the tile's colour over the cell centre, which lies at (27, 29)
// from the reference point.
ShpFileImage CentreSquare(int16_t colour) { return MakeShpImage(ShpPicture(10, 10, colour), 22, 24); }

class MapRendererTest : public testing::Test {
 protected:
  void SetUp() override {
    tiles.ShpDir = folder;
    std::vector<ShpFileImage> file0(36, CentreSquare(0));
    file0[0] = MakeShpImage(ShpPicture(60, 60, BaseColour));
    ShpPicture wide(70, 20, OwnBitmapColour);
    for (int y = 0; y < 20; ++y) wide.At(0, y) = Column0Colour;
    file0[34] = file0[35] = MakeShpImage(wide);
    WriteShp(0, file0);
    std::vector<ShpFileImage> file1(7, CentreSquare(0));
    file1[6] = CentreSquare(SeventhStackWordColour);
    WriteShp(1, file1);
    WriteShp(3, {CentreSquare(Overlay3Colour)});
    WriteShp(5, {CentreSquare(Overlay5Colour)});
    WriteShp(99, {CentreSquare(File99Colour)});
    std::vector<ShpFileImage> stack, roads;
    for (int i = 0; i < 6; ++i) stack.push_back(CentreSquare(int16_t(StackColour + i)));
    for (int i = 0; i < 63; ++i) roads.push_back(MakeShpImage(ShpPicture(6, 6, int16_t(RoadColour + i)), 24, 26));
    WriteShp(26, stack);
    WriteShp(RoadPieceFile, roads);
    for (int col = 0; col < doc.MapWidth; ++col)
      for (int row = 0; row < doc.MapHeight; ++row) doc.SetTileWordAt(BaseLayerSection, col, row, 0);
  }

  void WriteShp(int file, const std::vector<ShpFileImage>& images) {
    test::WriteFile(folder + ShpFileName(file), sample::BuildShpFile(images));
  }
  std::span<uint8_t> Record(int col, int row) { return doc.MapHexRecordAt(col, row); }
  RedrawOutcome Draw() { return RedrawMap(doc, tiles, options); }
  static QRgb CentreOf(const QImage& picture, int col, int row, QPoint delta = {}) {
    const QPoint at = CellCentre(col, row) + delta;
    return picture.pixel(at);
  }

  std::string folder = test::MakeTempFolder("render");
  TileCache tiles;
  MapDocument doc = sample::MakeBlankMap(20, 16);
  MapViewOptions options;
};

TEST_F(MapRendererTest, ViewPictureHasTheViewSize) {
  const RedrawOutcome out = Draw();
  EXPECT_EQ(out.Picture.size(), QSize(702, 517));
  EXPECT_EQ(out.MapBitmap.size(), QSize(MapImgWidth, MapImgHeight));
  EXPECT_EQ(out.Picture.format(), QImage::Format_RGB32);
}

TEST_F(MapRendererTest, BackgroundShowsWhereNoBaseTileOrNoRecord) {
  doc.SetTileWordAt(BaseLayerSection, 2, 2, EmptyTileWord);
  const QImage picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 2, 2), BackgroundColour);
  EXPECT_EQ(CentreOf(picture, 3, 2), ShpColour(BaseColour));

  // Three columns: the view's other eleven columns have no record.
  MapDocument narrow = sample::MakeBlankMap(3, 5);
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 5; ++row) narrow.SetTileWordAt(BaseLayerSection, col, row, 0);
  const QImage narrowPicture = RedrawMap(narrow, tiles, options).Picture;
  EXPECT_EQ(CentreOf(narrowPicture, 1, 1), ShpColour(BaseColour));
  EXPECT_EQ(CentreOf(narrowPicture, 5, 1), BackgroundColour);
  EXPECT_EQ(CentreOf(narrowPicture, 13, 10), BackgroundColour);

  // Before any load every section is empty: the whole view is background.
  MapDocument unloaded;
  EXPECT_EQ(CentreOf(RedrawMap(unloaded, tiles, options).Picture, 0, 0), BackgroundColour);
}

TEST_F(MapRendererTest, OverlaysFollowTheirCheckBoxesAndStopBeforeFile99) {
  doc.SetTileWordAt(3, 4, 2, MakeTileWord(3, 0));
  doc.SetTileWordAt(5, 5, 2, MakeTileWord(5, 0));
  doc.SetTileWordAt(3, 6, 2, MakeTileWord(99, 0));
  doc.SetTileWordAt(BaseLayerSection, 7, 2, MakeTileWord(99, 0));
  QImage picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 4, 2), ShpColour(Overlay3Colour));
  EXPECT_EQ(CentreOf(picture, 5, 2), ShpColour(Overlay5Colour));
  EXPECT_EQ(CentreOf(picture, 6, 2), ShpColour(BaseColour));
  EXPECT_EQ(CentreOf(picture, 7, 2), ShpColour(File99Colour));
  options.CB5 = false;
  picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 4, 2), ShpColour(Overlay3Colour));
  EXPECT_EQ(CentreOf(picture, 5, 2), ShpColour(BaseColour));
}

TEST_F(MapRendererTest, StackCountAboveSixDrawsSix) {
  auto stack = doc.TileStackAt(10, 6);
  stack[TileStackCountByte] = 9;
  for (int i = 0; i < 6; ++i) PutTileWord(&stack[size_t(TileStackFirstWord + 2 * i)], MakeTileWord(26, i));
  // A seventh word would be read from the next hex's count and reserved bytes: word 256.
  doc.TileStackAt(10, 7)[1] = 1;
  EXPECT_EQ(CentreOf(Draw().Picture, 10, 6), ShpColour(StackColour + 5));
}

TEST_F(MapRendererTest, RoadPiecesOfEachKindSecondaryFirst) {
  Record(2, 4)[0] = SecondaryRoadBit;
  Record(2, 4)[HexRecord::SecondaryRoadMask] = DirE | DirW;
  Record(3, 4)[0] = SecondaryRoadBit | PavedRoadBit;
  Record(3, 4)[HexRecord::SecondaryRoadMask] = DirE | DirW;
  Record(3, 4)[HexRecord::PavedRoadMask] = DirE | DirW;
  Record(4, 4)[2] = RailroadBit;
  Record(4, 4)[HexRecord::RailroadMask] = DirNE;
  Record(5, 4)[0] = SecondaryRoadBit;
  Record(5, 4)[HexRecord::SecondaryRoadMask] = 64;
  const QImage picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 2, 4), ShpColour(RoadColour + SecondaryRoadBase + 7));
  EXPECT_EQ(CentreOf(picture, 3, 4), ShpColour(RoadColour + PavedRoadBase + 7));
  EXPECT_EQ(CentreOf(picture, 4, 4), ShpColour(RoadColour + RailroadBase + 15));
  EXPECT_EQ(CentreOf(picture, 5, 4), ShpColour(BaseColour));
}

TEST_F(MapRendererTest, ConnectionLinesSwitchSecondaryRoadOnWhenNoKindIsChosen) {
  Record(6, 8)[HexRecord::SecondaryRoadMask] = DirE;
  Record(8, 8)[HexRecord::SecondaryRoadMask] = 64;
  Record(8, 8)[HexRecord::PavedRoadMask] = DirSE;
  options.ShowRoadConnections1 = true;
  RedrawOutcome out = Draw();
  EXPECT_TRUE(out.SecondaryRoadSwitchedOn);
  EXPECT_TRUE(options.SecondaryRoad1);
  for (int dy : {-1, 0, 1}) EXPECT_EQ(CentreOf(out.Picture, 6, 8, {12, dy}), ConnectionLineColour) << dy;
  EXPECT_EQ(CentreOf(out.Picture, 6, 8, {12, 2}), ShpColour(BaseColour));
  EXPECT_EQ(CentreOf(out.Picture, 8, 8, {12, 0}), ShpColour(BaseColour));
  EXPECT_EQ(CentreOf(out.Picture, 8, 8, {6, 10}), ShpColour(BaseColour));

  options = {};
  options.ShowRoadConnections1 = true;
  options.PavedRoad1 = true;
  out = Draw();
  EXPECT_FALSE(out.SecondaryRoadSwitchedOn);
  EXPECT_FALSE(options.SecondaryRoad1);
  EXPECT_EQ(CentreOf(out.Picture, 6, 8, {12, 0}), ShpColour(BaseColour));
  EXPECT_EQ(CentreOf(out.Picture, 8, 8, {6, 10}), ConnectionLineColour);

  options = {};
  options.ShowAllRoadConnections1 = true;
  out = Draw();
  EXPECT_FALSE(out.SecondaryRoadSwitchedOn);
  EXPECT_EQ(CentreOf(out.Picture, 6, 8, {12, 0}), ConnectionLineColour);
  EXPECT_EQ(CentreOf(out.Picture, 8, 8, {6, 10}), ConnectionLineColour);
}

TEST_F(MapRendererTest, RoadMarkersOfTheChosenKindsLaterOnesCovering) {
  Record(6, 10)[0] = SecondaryRoadBit;
  Record(8, 10)[0] = PavedRoadBit;
  Record(8, 10)[2] = RailroadBit;
  options.ToggleRoad1 = true;
  options.SecondaryRoad1 = true;
  QImage picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 6, 10), SecondaryRoadColour);
  EXPECT_EQ(CentreOf(picture, 6, 10, {-6, 0}), RoadMarkerOutlineColour);
  EXPECT_EQ(CentreOf(picture, 6, 10, {5, 0}), RoadMarkerOutlineColour);
  EXPECT_EQ(CentreOf(picture, 6, 10, {6, 0}), ShpColour(BaseColour));
  EXPECT_EQ(CentreOf(picture, 8, 10), ShpColour(BaseColour));

  options = {};
  options.ShowAllRoadConnections1 = true;
  picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 6, 10), SecondaryRoadColour);
  EXPECT_EQ(CentreOf(picture, 8, 10), RailroadColour);
  EXPECT_EQ(CentreOf(picture, 8, 10, {0, -6}), RoadMarkerOutlineColour);
}

TEST_F(MapRendererTest, GridGoesOnTheViewPictureOnly) {
  const QPoint onLeftSide(HexPitchX + TileOriginX, TileOriginY + OutlineOffsetY + 5);  // cell (1, 0)
  EXPECT_NE(Draw().Picture.pixel(onLeftSide), GridColour);
  options.ShowHexes1 = true;
  const RedrawOutcome out = Draw();
  EXPECT_EQ(out.Picture.pixel(onLeftSide), GridColour);
  EXPECT_EQ(out.MapBitmap.pixel(onLeftSide), ShpColour(BaseColour));
  // The upper slanted side of cell (3, 1) meets the top corner.
  const QPoint ref = CellReferencePoint(3, 1);
  EXPECT_EQ(out.Picture.pixel(ref + QPoint(2, OutlineOffsetY - 1)), GridColour);
}

TEST_F(MapRendererTest, OwnBitmapOfFile0Image35IsDrawnTwice) {
  doc.SetTileWordAt(BaseLayerSection, 8, 2, MakeTileWord(0, 35));
  doc.SetTileWordAt(BaseLayerSection, 8, 4, MakeTileWord(0, 34));
  const QImage picture = Draw().Picture;
  const QPoint twice = CellReferencePoint(8, 2) + QPoint(0, 4);
  EXPECT_EQ(picture.pixel(twice + QPoint(-1, 0)), ShpColour(Column0Colour));
  EXPECT_EQ(picture.pixel(twice), ShpColour(Column0Colour));
  EXPECT_EQ(picture.pixel(twice + QPoint(1, 0)), ShpColour(OwnBitmapColour));
  const QPoint once = CellReferencePoint(8, 4) + QPoint(0, 4);
  EXPECT_EQ(picture.pixel(once + QPoint(-1, 0)), ShpColour(BaseColour));
  EXPECT_EQ(picture.pixel(once), ShpColour(Column0Colour));

  // A drawing without the double draw, as a larger export makes it.
  QImage single(MapImgWidth, MapImgHeight, QImage::Format_RGB32);
  single.fill(BackgroundColour);
  MapCanvas canvas{single, tiles, false};
  DrawTile(canvas, 8, 2, 35, 0);
  EXPECT_EQ(single.pixel(twice + QPoint(-1, 0)), BackgroundColour);
  EXPECT_EQ(single.pixel(twice), ShpColour(Column0Colour));
}

// Positions worked out from the view geometry rather than from the code's own
// helpers: view cell (c, r) has its reference point at x = c * 52 - 27 (+26 on
// odd rows), y = r * 44 - 12, and its centre at x = c * 52 (+26), y = r * 44 + 17.
TEST_F(MapRendererTest, CellsLieWhereTheGeometryPutsThem) {
  constexpr int16_t CornerColour = 90;
  WriteShp(7, {MakeShpImage(ShpPicture(3, 3, CornerColour))});
  doc.SetTileWordAt(3, 1, 1, MakeTileWord(7, 0));     // from the reference point of (1, 1): (51, 32)
  Record(0, 0)[0] = SecondaryRoadBit;                  // a marker round the centre of (0, 0): (0, 17)
  Record(1, 1)[HexRecord::SecondaryRoadMask] = DirE;  // a line from the centre of (1, 1), (78, 61), to (102, 61)
  options.ShowRoadConnections1 = true;
  options.ToggleRoad1 = true;
  options.ShowHexes1 = true;
  const RedrawOutcome out = Draw();
  const QRgb base = ShpColour(BaseColour);

  struct Probe {
    const char* What;
    QPoint At;
    QRgb Colour;
  };
  const Probe onMapBitmap[] = {
      {"tile's top-left pixel", {51, 32}, ShpColour(CornerColour)},
      {"tile's bottom-right pixel", {53, 34}, ShpColour(CornerColour)},
      {"left of the tile", {50, 33}, base},
      {"above the tile", {52, 31}, base},
      {"right of the tile", {54, 33}, base},
      {"marker fill at the centre", {0, 17}, SecondaryRoadColour},
      {"marker rim", {5, 17}, RoadMarkerOutlineColour},
      {"right of the marker box", {6, 17}, base},
      {"line just right of the centre", {80, 61}, ConnectionLineColour},
      {"line's pen, one below", {80, 62}, ConnectionLineColour},
      {"below the pen", {80, 63}, base},
      {"pen round the line's last pixel (101, 61)", {102, 61}, ConnectionLineColour},
      {"past the line", {103, 61}, base},
  };
  for (const Probe& probe : onMapBitmap) {
    EXPECT_EQ(out.MapBitmap.pixel(probe.At), probe.Colour) << probe.What;
  }
  // Cell (1, 0): from (25, 1) a side down to (25, 31), one up to (51, -12),
  // and from (25, 31) one down to (51, 44), end pixels left out.
  const Probe onPicture[] = {
      {"left side's first pixel", {25, 1}, GridColour},
      {"left side", {25, 20}, GridColour},
      {"left of the left side", {24, 20}, base},
      {"upper slanted side", {27, 0}, GridColour},
      {"lower slanted side", {29, 33}, GridColour},
      {"lower slanted side's end pixel", {51, 44}, base},
      {"the grid does not hide the line", {80, 61}, ConnectionLineColour},
  };
  for (const Probe& probe : onPicture) {
    EXPECT_EQ(out.Picture.pixel(probe.At), probe.Colour) << probe.What;
  }
}

TEST_F(MapRendererTest, EachPassLiesOverTheEarlierOnesAndLaterRowsOverEarlierRows) {
  // Squares round the centre of hex (4, 2), at (208, 105), each pass's smaller
  // than the one before: base 60 x 60, stack 24 x 24, overlay 3 18 x 18,
  // overlay 7 12 x 12, the road piece 6 x 6 (from 3 left and above the centre).
  constexpr int16_t StackSquareColour = 91, Overlay3SquareColour = 92, Overlay7SquareColour = 93;
  auto square = [](int size, int16_t colour) {
    return MakeShpImage(ShpPicture(size, size, colour), CentreOffsetX - size / 2, CentreOffsetY - size / 2);
  };
  WriteShp(40, {square(24, StackSquareColour), square(18, Overlay3SquareColour), square(12, Overlay7SquareColour)});
  auto stack = doc.TileStackAt(4, 2);
  stack[TileStackCountByte] = 1;
  PutTileWord(&stack[TileStackFirstWord], MakeTileWord(40, 0));
  doc.SetTileWordAt(3, 4, 2, MakeTileWord(40, 1));
  doc.SetTileWordAt(7, 4, 2, MakeTileWord(40, 2));
  Record(4, 2)[0] = SecondaryRoadBit;
  Record(4, 2)[HexRecord::SecondaryRoadMask] = DirE | DirW;

  // Base tiles of two colours: (8, 4) and (9, 4) at (389, 164) and (441, 164),
  // (8, 5) at (415, 208), each 60 x 60.
  constexpr int16_t UpperRowColour = 94, LowerRowColour = 117;
  WriteShp(42, {MakeShpImage(ShpPicture(60, 60, UpperRowColour)), MakeShpImage(ShpPicture(60, 60, LowerRowColour))});
  doc.SetTileWordAt(BaseLayerSection, 8, 4, MakeTileWord(42, 0));
  doc.SetTileWordAt(BaseLayerSection, 9, 4, MakeTileWord(42, 0));
  doc.SetTileWordAt(BaseLayerSection, 8, 5, MakeTileWord(42, 1));

  const QImage picture = Draw().Picture;
  EXPECT_EQ(picture.pixel(208, 105), ShpColour(RoadColour + SecondaryRoadBase + 7));
  EXPECT_EQ(picture.pixel(212, 105), ShpColour(Overlay7SquareColour));
  EXPECT_EQ(picture.pixel(215, 105), ShpColour(Overlay3SquareColour));
  EXPECT_EQ(picture.pixel(218, 105), ShpColour(StackSquareColour));
  EXPECT_EQ(picture.pixel(222, 105), ShpColour(BaseColour));

  EXPECT_EQ(picture.pixel(430, 190), ShpColour(UpperRowColour));
  EXPECT_EQ(picture.pixel(430, 215), ShpColour(LowerRowColour));  // (8, 5) over (8, 4)
  EXPECT_EQ(picture.pixel(460, 215), ShpColour(LowerRowColour));  // (8, 5) over (9, 4), its right neighbour above
}

TEST_F(MapRendererTest, FarOffTilesAreCachedButNotPlaced) {
  // So far out the tiles are not decoded and come out wholly transparent;
  // placing them would take the cell's position past the ends of int.
  WriteShp(43, {MakeShpImage(ShpPicture(20, 10, BaseColour), INT_MAX - 100, INT_MAX - 100),
                MakeShpImage(ShpPicture(20, 10, BaseColour), INT_MIN, INT_MIN)});
  doc.SetTileWordAt(BaseLayerSection, 12, 11, MakeTileWord(43, 0));
  doc.SetTileWordAt(BaseLayerSection, 0, 0, MakeTileWord(43, 1));
  const QImage picture = Draw().Picture;
  EXPECT_EQ(CentreOf(picture, 12, 11), BackgroundColour);
  EXPECT_EQ(picture.pixel(0, 0), BackgroundColour);
  EXPECT_TRUE(tiles.Entry(43, 0)->IsLoaded());
  EXPECT_TRUE(tiles.Entry(43, 1)->IsLoaded());
}

TEST_F(MapRendererTest, ViewOriginMovesTheCells) {
  doc.SetTileWordAt(3, 5, 6, MakeTileWord(3, 0));
  options.ViewCol = 3;
  options.ViewRow = 4;
  EXPECT_EQ(CentreOf(Draw().Picture, 2, 2), ShpColour(Overlay3Colour));
}

}  // namespace
}  // namespace qrl::map
