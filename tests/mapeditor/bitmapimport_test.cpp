#include <gtest/gtest.h>

#include "gamefile/bytes.h"
#include "mapeditor/core/bitmapimport.h"
#include "mapeditor/core/hexelevation.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

constexpr QRgb White = 0xFFFFFFFF;

// A picture of w x h pixels, white, for a geometry of 5 x 5 pixels per hex
// from the origin: hex (c, r) is sampled at (5c + 2, 5r + 2).
QImage WhitePicture(int w, int h) {
  QImage picture(w, h, QImage::Format_RGB32);
  picture.fill(White);
  return picture;
}
void PaintHex(QImage& picture, int col, int row, QRgb colour) { picture.setPixel(5 * col + 2, 5 * row + 2, colour); }

int Elevation(const MapDocument& doc, int col, int row) { return *HexElevation(doc, col, row); }
uint8_t RecordByte(const MapDocument& doc, int col, int row, int byte) { return doc.MapHexRecordAt(col, row)[size_t(byte)]; }
uint8_t Code(const MapDocument& doc, int col, int row) { return *doc.HexByteAt(col, row); }
uint16_t Tile(const MapDocument& doc, int section, int col, int row) { return *doc.TileWordAt(section, col, row); }

std::vector<uint16_t> Stack(const MapDocument& doc, int col, int row) {
  const auto stack = doc.TileStackAt(col, row);
  std::vector<uint16_t> words;
  for (int i = 0; i < stack[0]; ++i) words.push_back(ReadLe16(&stack[size_t(2 + 2 * i)]));
  return words;
}

TEST(BitmapImportTest, SamplesTheMiddleOfEachCell) {
  struct Case {
    ImportGeometry Geometry;
    int Col, Row;
    PixelPos Expected;
  };
  const Case cases[] = {
      {{5, 5, 0, 0}, 0, 0, {2, 2}},
      {{5, 5, 0, 0}, 3, 1, {17, 7}},   // odd rows are not shifted
      {{4, 6, 10, 20}, 2, 3, {20, 41}},
      {{15, 2, 0, 0}, 1, 1, {22, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Col << "," << c.Row);
    EXPECT_EQ(SamplePoint(c.Geometry, c.Col, c.Row), c.Expected);
  }
}

TEST(BitmapImportTest, PointsOutsideThePictureReadWhite) {
  QImage picture(3, 2, QImage::Format_RGB32);
  picture.fill(qRgb(1, 2, 3));
  for (PixelPos at : {PixelPos{-1, 0}, PixelPos{0, -1}, PixelPos{3, 0}, PixelPos{0, 2}, PixelPos{100000, 100000}}) {
    const Rgb c = SamplePixel(picture, at);
    EXPECT_EQ(c.Red + c.Green + c.Blue, 3 * 255) << at.X << "," << at.Y;
  }
  EXPECT_EQ(SamplePixel(picture, {2, 1}).Blue, 3);
  EXPECT_EQ(SamplePixel(QImage(), {0, 0}).Red, 255);
}

TEST(BitmapImportTest, GreyLevelsWaterSwampAndDarkPixelsThatRepeat) {
  struct Case {
    Rgb Colour;
    int Expected;
  };
  const int previous = 20;
  const Case cases[] = {
      {{255, 255, 255}, 30}, {{220, 220, 220}, 30}, {{219, 219, 219}, 20}, {{180, 180, 180}, 20},
      {{179, 179, 179}, 10}, {{140, 140, 140}, 10}, {{139, 139, 139}, 0},  {{100, 100, 100}, 0},
      {{99, 99, 99}, -3},    {{0, 0, 50}, -3},      {{0, 50, 0}, -2},      {{0, 0, 0}, previous},
      {{90, 0, 0}, previous}, {{0, 0, 120}, -3},  // the SDTS window's lake colour
      {{221, 221, 220}, 30}, {{220, 220, 219}, 20},  // the mean is rounded down
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Colour.Red << "," << c.Colour.Green << "," << c.Colour.Blue);
    EXPECT_EQ(AltValue(c.Colour, previous), c.Expected);
  }
}

TEST(BitmapImportTest, HillsideStacksComeFromTheTable) {
  struct Case {
    int Mask;
    std::vector<uint16_t> Words;
  };
  const Case cases[] = {{6, {256}}, {42, {255, 253, 251}}, {63, {280}}, {1, {254}}, {14, {252, 262}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Mask);
    std::vector<uint16_t> words;
    for (int8_t image : HillsideTable[size_t(c.Mask)])
      if (image >= 0) words.push_back(MakeTileWord(HillsideFile, image));
    EXPECT_EQ(words, c.Words);
  }
  for (int mask = 1; mask < 64; ++mask) EXPECT_GE(HillsideTable[size_t(mask)][0], 0) << mask;
}

TEST(BitmapImportTest, AltConvertMarksWaterAndSwampAndRepeatsThePreviousHex) {
  MapDocument doc = sample::MakeBlankMap(10, 8);
  QImage picture = WhitePicture(50, 40);
  picture.fill(qRgb(100, 100, 100));  // everything level 0
  PaintHex(picture, 4, 7, qRgb(0, 0, 50));  // water
  PaintHex(picture, 2, 2, qRgb(0, 50, 0));  // swamp
  PaintHex(picture, 0, 0, qRgb(0, 0, 0));   // first hex: the previous value is 0
  PaintHex(picture, 5, 3, qRgb(220, 220, 220));
  PaintHex(picture, 6, 3, qRgb(90, 0, 0));  // repeats 30
  PaintHex(picture, 7, 3, qRgb(0, 0, 0));   // and again
  AltConvert(doc, picture, {});

  EXPECT_EQ(Elevation(doc, 0, 0), 0);
  const auto water = doc.MapHexRecordAt(4, 7);
  EXPECT_EQ(water[4], 0xFD);
  EXPECT_EQ(water[5], 0xFF);
  EXPECT_EQ(Code(doc, 4, 7), 40);
  EXPECT_EQ(Tile(doc, BaseLayerSection, 4, 7), 5532);  // file 22, image 32

  EXPECT_EQ(Elevation(doc, 2, 2), -2);
  EXPECT_EQ(Code(doc, 2, 2), 10);
  EXPECT_EQ(Tile(doc, BaseLayerSection, 2, 2), 1281 + 4);
  EXPECT_EQ(RecordByte(doc, 2, 2, 1), 4);
  EXPECT_EQ(RecordByte(doc, 2, 2, 6), 2);
  EXPECT_TRUE(Stack(doc, 2, 2).empty());

  for (int col : {5, 6, 7}) EXPECT_EQ(Elevation(doc, col, 3), 30) << col;
  // Land hexes keep their tiles.
  EXPECT_EQ(Tile(doc, BaseLayerSection, 3, 3), EmptyTileWord);
}

TEST(BitmapImportTest, AltConvertRaisesTheFeetOfSlopesAndLaysHillsides) {
  MapDocument doc = sample::MakeBlankMap(10, 8);
  QImage picture = WhitePicture(50, 40);
  picture.fill(qRgb(100, 100, 100));
  PaintHex(picture, 4, 4, qRgb(140, 140, 140));  // 10, with one higher neighbour east
  PaintHex(picture, 5, 4, qRgb(180, 180, 180));  // 20
  PaintHex(picture, 2, 6, qRgb(0, 0, 50));       // water next to 30
  PaintHex(picture, 3, 6, qRgb(220, 220, 220));
  PaintHex(picture, 7, 3, qRgb(140, 140, 140));  // the south-west neighbour of (8, 2), an even row
  AltConvert(doc, picture, {});

  EXPECT_EQ(Elevation(doc, 8, 2), 5);
  EXPECT_EQ(Stack(doc, 8, 2), std::vector<uint16_t>{250});

  EXPECT_EQ(Stack(doc, 4, 4), std::vector<uint16_t>{254});
  EXPECT_EQ(Elevation(doc, 4, 4), 15);
  EXPECT_EQ(RecordByte(doc, 4, 4, 7), 2);
  EXPECT_EQ(Code(doc, 4, 4), 2);
  // The hex west of the 10 is 0 next to 10: raised to 5, code 1.
  EXPECT_EQ(Elevation(doc, 3, 4), 5);
  EXPECT_EQ(RecordByte(doc, 3, 4, 7), 2);
  EXPECT_EQ(Code(doc, 3, 4), 1);
  // The top of the slope stays, with its own code.
  EXPECT_EQ(Elevation(doc, 5, 4), 20);
  EXPECT_TRUE(Stack(doc, 5, 4).empty());
  EXPECT_EQ(Code(doc, 5, 4), 3);
  // Water keeps everything.
  EXPECT_EQ(Elevation(doc, 2, 6), -3);
  EXPECT_EQ(Code(doc, 2, 6), 40);
  EXPECT_TRUE(Stack(doc, 2, 6).empty());
  EXPECT_EQ(RecordByte(doc, 2, 6, 7), 0);
  // A flat hex far away: level 0, code 1, no stack.
  EXPECT_EQ(Elevation(doc, 8, 1), 0);
  EXPECT_EQ(Code(doc, 8, 1), 1);
}

TEST(BitmapImportTest, BorderHexesGetNoHillsidesHalfLevelsOrCodes) {
  MapDocument doc = sample::MakeBlankMap(10, 8);
  QImage picture = WhitePicture(50, 40);
  picture.fill(qRgb(100, 100, 100));
  for (int row = 0; row < 8; ++row) PaintHex(picture, 1, row, qRgb(255, 255, 255));
  for (int col = 0; col < 10; ++col) PaintHex(picture, col, 1, qRgb(255, 255, 255));
  for (int col = 0; col < 10; ++col) PaintHex(picture, col, 6, qRgb(255, 255, 255));
  for (int row = 0; row < 8; ++row) PaintHex(picture, 8, row, qRgb(255, 255, 255));
  AltConvert(doc, picture, {});
  for (int col = 0; col < 10; ++col) {
    for (int row = 0; row < 8; ++row) {
      if (col != 0 && col != 9 && row != 0 && row != 7) continue;
      SCOPED_TRACE(testing::Message() << col << "," << row);
      EXPECT_TRUE(Stack(doc, col, row).empty());
      EXPECT_EQ(RecordByte(doc, col, row, 7), 0);
      EXPECT_EQ(Code(doc, col, row), 0);
      EXPECT_EQ(Elevation(doc, col, row) % 10, 0);
    }
  }
  // Next to the border, inside: raised.
  EXPECT_EQ(Elevation(doc, 2, 2), 5);
}

TEST(BitmapImportTest, ATallMapGetsHillsidesPastRow79) {
  MapDocument doc = sample::MakeBlankMap(6, 200);
  ASSERT_EQ(doc.MapStride, 240);
  QImage picture = WhitePicture(30, 1000);
  picture.fill(qRgb(100, 100, 100));
  PaintHex(picture, 3, 151, qRgb(140, 140, 140));
  AltConvert(doc, picture, {});
  EXPECT_EQ(Stack(doc, 2, 151), std::vector<uint16_t>{254});  // its east neighbour is higher
  EXPECT_EQ(Elevation(doc, 2, 151), 5);
  EXPECT_EQ(Code(doc, 2, 198), 1);  // the last inner row
  EXPECT_EQ(Code(doc, 2, 199), 0);
}

TEST(BitmapImportTest, TerConvertScattersByChanceInTheGeneratorsOrder) {
  MapDocument doc = sample::MakeBlankMap(4, 3);
  QImage picture = WhitePicture(20, 15);
  PaintHex(picture, 2, 0, qRgb(0, 255, 0));   // first non-grey hex in row order: trees for sure
  PaintHex(picture, 1, 1, qRgb(255, 0, 0));   // rough for sure
  PaintHex(picture, 0, 1, qRgb(128, 128, 128));  // grey: skipped without a draw
  WriteLe16(&doc.MapHexRecordAt(1, 1)[HexRecord::Elevation], 20);
  RandomSource random;
  TerConvert(doc, picture, {}, random);

  // The generator's first values are 346, 13854878, 1621890440: the tree
  // roll 47, the tree image 13854878 % 18 = 8, then the rough roll 41 with red 0.
  EXPECT_EQ(Tile(doc, 6, 2, 0), 2250 + 8);
  EXPECT_EQ(RecordByte(doc, 2, 0, 0), 4);
  EXPECT_EQ(RecordByte(doc, 2, 0, 6), 8);
  EXPECT_EQ(RecordByte(doc, 2, 0, 8), 30);
  EXPECT_EQ(Tile(doc, BaseLayerSection, 2, 0), EmptyTileWord);

  // Then hex (1,1): a tree roll that cannot succeed, the rough roll and image.
  RandomSource replay;
  for (int i = 0; i < 4; ++i) replay.next_random31();
  replay.next_random31();  // rough roll
  const int roughImage = replay.RandomBelow(4);
  EXPECT_EQ(Tile(doc, BaseLayerSection, 1, 1), 781 + roughImage);
  EXPECT_EQ(Code(doc, 1, 1), 20 / 10 + 5);
  EXPECT_EQ(RecordByte(doc, 1, 1, 1), 16);
  EXPECT_EQ(RecordByte(doc, 1, 1, 6), 2);
  EXPECT_EQ(RecordByte(doc, 1, 1, 8), 20);
  EXPECT_EQ(Tile(doc, 6, 1, 1), EmptyTileWord);
  // Six draws in all: the grey and white hexes drew nothing.
  EXPECT_EQ(random.RandomState, replay.RandomState);
}

TEST(BitmapImportTest, TerConvertOnWaterAndHalfChances) {
  // Water marked rough gets code 253 / 10 + 5 = 30.
  MapDocument doc = sample::MakeBlankMap(4, 3);
  WriteLe16(&doc.MapHexRecordAt(0, 0)[HexRecord::Elevation], uint16_t(-3));
  QImage picture = WhitePicture(20, 15);
  PaintHex(picture, 0, 0, qRgb(255, 0, 0));
  RandomSource random;
  TerConvert(doc, picture, {}, random);
  EXPECT_EQ(Code(doc, 0, 0), 30);

  // (200, 200, 0): each roll succeeds when it is at most 45.
  MapDocument many = sample::MakeBlankMap(100, 80);
  QImage olive = WhitePicture(500, 400);
  olive.fill(qRgb(200, 200, 0));
  RandomSource source, replay;
  TerConvert(many, olive, {}, source);
  int trees = 0, rough = 0;
  for (int row = 0; row < 80; ++row) {
    for (int col = 0; col < 100; ++col) {
      const bool tree = replay.RandomBelow(100) + 1 <= 45;
      const int treeImage = tree ? replay.RandomBelow(18) : -1;
      const bool isRough = replay.RandomBelow(100) + 1 <= 45;
      const int roughImage = isRough ? replay.RandomBelow(4) : -1;
      trees += tree;
      rough += isRough;
      ASSERT_EQ(Tile(many, 6, col, row), tree ? 2250 + treeImage : EmptyTileWord);
      ASSERT_EQ(Tile(many, BaseLayerSection, col, row), isRough ? 781 + roughImage : EmptyTileWord);
      ASSERT_EQ(RecordByte(many, col, row, 6), isRough ? 2 : tree ? 8 : 0);
    }
  }
  EXPECT_NEAR(trees, 3600, 300);
  EXPECT_NEAR(rough, 3600, 300);
}

TEST(BitmapImportTest, RefusesWithoutAMapOrABitmap) {
  MapDocument none;
  MapDocument blank = sample::MakeBlankMap(4, 3);
  const QImage picture = WhitePicture(4, 4);
  EXPECT_EQ(CheckImportReady(none, picture), ImportRefusal::NoMap);
  EXPECT_EQ(CheckImportReady(none, QImage()), ImportRefusal::NoMap);
  EXPECT_EQ(CheckImportReady(blank, QImage()), ImportRefusal::NoBitmap);
  EXPECT_EQ(CheckImportReady(blank, picture), ImportRefusal::None);
}

}  // namespace
}  // namespace qrl::map
