// The tile transfer strip: layout, picks and marks, the strip load with its
// refusals, the stamped tile word and the terrain index.
#include <gtest/gtest.h>

#include <climits>

#include "gamefile/bytes.h"
#include "mapeditor/core/terrainindex.h"
#include "mapeditor/core/transferstrip.h"
#include "tests/support/gamefilebuilder.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::map {
namespace {

using sample::ShpFileImage;
using test::Bytes;

constexpr int16_t Green = 13;

// An image `width` wide and 50 high of one colour; x0, y0 are offsets the
// strip must not use.
ShpFileImage Solid(int width, int16_t colour = Green) {
  return sample::MakeShpImage(sample::ShpPicture(width, 50, colour), 17, -9);
}
ShpFileImage Unreadable() {
  ShpFileImage image = Solid(10);
  image.FirstWord = 0;
  return image;
}

Bytes FileOf(std::vector<ShpFileImage> images) { return sample::BuildShpFile(images); }

// A file that holds only its count.
Bytes CountOnly(int32_t count) {
  Bytes file(8, 0);
  WriteLe32(file.data() + ShpCountOffset, uint32_t(count));
  return file;
}

struct Loaded {
  TransferStrip Strip;
  ShpReader Reader;
  TileImages Images;
  StripLoadStatus Load(const Bytes& file, int fileNumber = 5) {
    return LoadTransferStrip(Strip, fileNumber, file, Reader, Images);
  }
};

TEST(TransferStripTest, LaysOutImagesWithGapsAndUnreadableOnesAsEmptySlots) {
  struct Case {
    std::vector<int32_t> Widths;
    std::vector<int32_t> X;
    int32_t Width;
  };
  const Case cases[] = {
      {{60, 40, 58}, {3, 66, 109}, 170},
      {{60, 0, 58}, {3, 66, 69}, 130},
      {{}, {}, 3},
      {{0}, {3}, 6},
  };
  for (const Case& c : cases) {
    const StripLayout layout = LayOutStrip(c.Widths);
    EXPECT_EQ(layout.TransferTileX, c.X);
    EXPECT_EQ(layout.Width, c.Width);
  }
}

TEST(TransferStripTest, APressPicksTheLastImageStartingLeftOfIt) {
  Loaded three;
  ASSERT_EQ(three.Load(FileOf({Solid(60), Solid(40), Solid(58)})), StripLoadStatus::Loaded);
  Loaded gap;
  ASSERT_EQ(gap.Load(FileOf({Solid(60), Unreadable(), Solid(58)})), StripLoadStatus::Loaded);
  Loaded firstUnreadable;
  ASSERT_EQ(firstUnreadable.Load(FileOf({Unreadable(), Solid(20)})), StripLoadStatus::Loaded);
  struct Case {
    const TransferStrip& Strip;
    int X;
    std::optional<int> Picked;
  };
  const Case cases[] = {
      {three.Strip, 0, std::nullopt}, {three.Strip, 3, std::nullopt}, {three.Strip, 4, 0}, {three.Strip, 66, 0},
      {three.Strip, 67, 1},           {three.Strip, 1000, 2},         {gap.Strip, 67, 0},   {gap.Strip, 70, 2},
      {firstUnreadable.Strip, 5, std::nullopt}, {firstUnreadable.Strip, 7, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.Strip.ImageAt(c.X), c.Picked) << c.X;
  EXPECT_EQ(TransferStrip().ImageAt(50), std::nullopt);  // no strip yet
}

TEST(TransferStripTest, APickMarksItsImageAndErasesTheMarksOfTheLast) {
  Loaded l;
  ASSERT_EQ(l.Load(FileOf({Solid(60), Solid(40), Solid(58)})), StripLoadStatus::Loaded);
  TransferStrip& strip = l.Strip;
  const QImage clean = strip.Picture;
  EXPECT_EQ(strip.TransferSelected, std::nullopt);

  EXPECT_FALSE(strip.Press(3));
  EXPECT_EQ(strip.Picture, clean);

  ASSERT_TRUE(strip.Press(67));
  EXPECT_EQ(strip.TransferSelected, 1);
  EXPECT_EQ(strip.MarkLinesOf(1).Left, 65);
  EXPECT_EQ(strip.MarkLinesOf(1).Right, 107);
  for (int y : {0, 50, 99}) {
    EXPECT_EQ(strip.Picture.pixel(65, y), StripMarkColour);
    EXPECT_EQ(strip.Picture.pixel(107, y), StripMarkColour);
  }

  ASSERT_TRUE(strip.Press(4));
  EXPECT_EQ(strip.TransferSelected, 0);
  EXPECT_EQ(strip.Picture.pixel(65, 40), StripBackground);
  EXPECT_EQ(strip.Picture.pixel(107, 40), StripBackground);
  EXPECT_EQ(strip.Picture.pixel(2, 99), StripMarkColour);
  EXPECT_EQ(strip.Picture.pixel(64, 0), StripMarkColour);

  ASSERT_FALSE(strip.Press(0));  // keeps the pick and its marks
  EXPECT_EQ(strip.TransferSelected, 0);
  EXPECT_EQ(strip.Picture.pixel(2, 0), StripMarkColour);
}

TEST(TransferStripTest, MarkLinesOfANarrowStripAreAsLongAsTheStripIsWide) {
  Loaded l;
  ASSERT_EQ(l.Load(FileOf({Solid(20), Solid(30)})), StripLoadStatus::Loaded);  // 59 wide
  ASSERT_EQ(l.Strip.Picture.width(), 59);
  ASSERT_TRUE(l.Strip.Press(30));
  EXPECT_EQ(l.Strip.Picture.pixel(25, 58), StripMarkColour);
  EXPECT_EQ(l.Strip.Picture.pixel(25, 59), StripBackground);
}

TEST(TransferStripTest, DrawsEveryImageAtItsSlotWithoutOffsetsOverTheBackground) {
  Loaded l;
  // Image 1 is transparent in its left half; image 2 is taller than the strip.
  sample::ShpPicture half(40, 50, Green);
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 50; ++y) half.At(x, y) = sample::NoPixel;
  ShpFileImage tall = sample::MakeShpImage(sample::ShpPicture(58, 150, 15), 5, 5);
  ASSERT_EQ(l.Load(FileOf({Solid(60), sample::MakeShpImage(half), tall})), StripLoadStatus::Loaded);
  const QImage& p = l.Strip.Picture;
  ASSERT_EQ(p.size(), QSize(170, StripHeight));
  EXPECT_EQ(p.pixel(3, 3), ShpColour(Green));
  EXPECT_EQ(p.pixel(62, 52), ShpColour(Green));
  EXPECT_EQ(p.pixel(63, 3), StripBackground);
  EXPECT_EQ(p.pixel(3, 2), StripBackground);
  EXPECT_EQ(p.pixel(3, 53), StripBackground);
  EXPECT_EQ(p.pixel(70, 10), StripBackground);  // the transparent half of image 1
  EXPECT_EQ(p.pixel(86, 10), ShpColour(Green));
  EXPECT_EQ(p.pixel(109, 99), ShpColour(15));
  EXPECT_EQ(p.pixel(166, 99), ShpColour(15));
  EXPECT_EQ(p.pixel(167, 99), StripBackground);

  // Every image was an own bitmap, counted where the main window counts them.
  EXPECT_EQ(l.Images.BigBitmapCount, 3);
  EXPECT_EQ(l.Images.BigBitmapPixels, 60 * 50 + 40 * 50 + 58 * 150);
  EXPECT_TRUE(l.Images.TileIL.empty());
  EXPECT_FALSE(l.Reader.ForceOwnBitmap);
}

TEST(TransferStripTest, CountsThatCannotBeUsedRefuseTheLoadAndKeepTheStrip) {
  struct Case {
    const char* Name;
    Bytes File;
    int FileNumber;
    StripLoadStatus Status;
    int Count;
    int Width;
  };
  const Case cases[] = {
      {"no images", CountOnly(0), 5, StripLoadStatus::Loaded, 0, 3},
      {"250 images, none readable", CountOnly(250), 5, StripLoadStatus::Loaded, 250, 3 + 250 * 3},
      {"negative", CountOnly(-1), 5, StripLoadStatus::CannotRead, 3, 0},
      {"251", CountOnly(251), 5, StripLoadStatus::CannotRead, 3, 0},
      {"2^31-1", CountOnly(INT32_MAX), 5, StripLoadStatus::CannotRead, 3, 0},
      {"7 bytes", Bytes(7, 1), 5, StripLoadStatus::CannotRead, 3, 0},
      {"file 47 of 10 images", FileOf(std::vector<ShpFileImage>(10, Solid(5))), 47, StripLoadStatus::Loaded, 10, 83},
      {"file 47 of 40 images", FileOf(std::vector<ShpFileImage>(40, Solid(5))), 47, StripLoadStatus::Loaded, 30, 243},
      {"file 46 of 40 images", FileOf(std::vector<ShpFileImage>(40, Solid(5))), 46, StripLoadStatus::Loaded, 40, 323},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Loaded l;
    ASSERT_EQ(l.Load(FileOf({Solid(60), Solid(40), Solid(58)})), StripLoadStatus::Loaded);
    l.Strip.Press(67);
    const QImage before = l.Strip.Picture;
    EXPECT_EQ(l.Load(c.File, c.FileNumber), c.Status);
    if (c.Status != StripLoadStatus::Loaded) {
      EXPECT_EQ(l.Strip.TransferTileCount, 3);
      EXPECT_EQ(l.Strip.Picture, before);
      EXPECT_EQ(l.Strip.TransferSelected, 1);
      continue;
    }
    EXPECT_EQ(l.Strip.TransferTileCount, c.Count);
    EXPECT_EQ(l.Strip.Picture.size(), QSize(c.Width, StripHeight));
    EXPECT_EQ(l.Strip.TransferTileX.size(), size_t(c.Count));
  }
}

TEST(TransferStripTest, AMissingFileCannotBeOpened) {
  Loaded l;
  const std::string folder = test::MakeTempFolder("strip");
  EXPECT_EQ(LoadTransferStrip(l.Strip, 7, folder + "Ter07z4.shp", l.Reader, l.Images), StripLoadStatus::CannotOpen);
  EXPECT_EQ(LoadTransferStrip(l.Strip, 7, folder, l.Reader, l.Images), StripLoadStatus::CannotOpen);  // a folder
  EXPECT_FALSE(l.Strip.HasStrip());
  test::WriteFile(folder + "Ter07z4.shp", FileOf({Solid(60)}));
  EXPECT_EQ(LoadTransferStrip(l.Strip, 7, folder + "Ter07z4.shp", l.Reader, l.Images), StripLoadStatus::Loaded);
  EXPECT_EQ(l.Strip.TransferTileCount, 1);
}

TEST(TransferStripTest, ALoadKeepsThePickOnlyWhenItNamesAReadableImage) {
  Loaded l;
  ASSERT_EQ(l.Load(FileOf({Solid(60), Solid(40), Solid(58)})), StripLoadStatus::Loaded);
  l.Strip.Press(200);
  ASSERT_EQ(l.Strip.TransferSelected, 2);

  ASSERT_EQ(l.Load(FileOf({Solid(10), Solid(10), Solid(10), Solid(10)})), StripLoadStatus::Loaded);
  EXPECT_EQ(l.Strip.TransferSelected, 2);
  EXPECT_EQ(l.Strip.Picture.pixel(l.Strip.MarkLinesOf(2).Left, 0), StripBackground);  // no marks on a new strip

  ASSERT_EQ(l.Load(FileOf({Solid(10), Solid(10), Unreadable()})), StripLoadStatus::Loaded);
  EXPECT_EQ(l.Strip.TransferSelected, std::nullopt);
  l.Strip.Press(20);
  ASSERT_EQ(l.Load(FileOf({Solid(10)})), StripLoadStatus::Loaded);
  EXPECT_EQ(l.Strip.TransferSelected, std::nullopt);
}

TEST(StampTileWordTest, ReadsTheNumberAfterTheCaptionsFirstCharacter) {
  struct Case {
    const char* Caption;
    int File;
    uint16_t Word;
  };
  const Case cases[] = {
      {"#12   ", 2, 512}, {"#17   ", 2, 517}, {"?", 3, 750}, {"#0   ", 0, 0},
      {"#249   ", 99, 24999}, {"", 1, 250}, {"#", 4, 1000}, {"#7x9", 0, 7},
  };
  for (const Case& c : cases) EXPECT_EQ(StampTileWord(c.Caption, c.File), c.Word) << c.Caption;
  EXPECT_EQ(IconNumberCaption(12), "#12   ");
}

TEST(TerrainIndexTest, NamesEndInTheirFileNumbers) {
  EXPECT_EQ(TerrainIndexNames.front(), "Boccage  45");
  EXPECT_EQ(TerrainIndexNames[12], "Grass, Hills   01");
  EXPECT_EQ(TerrainIndexNames.back(), "52");
  struct Case {
    std::string_view Name;
    int File;
  };
  const Case cases[] = {{"Grass, Hills   01", 1}, {"48", 48}, {"Grass, Green 00", 0}, {"Cliff Faces  47", 47}};
  for (const Case& c : cases) EXPECT_EQ(TerrainIndexFileNumber(c.Name), c.File) << c.Name;
  // Every file number 0..52 is named once.
  std::vector<int> seen(TerrainIndexSize, 0);
  for (std::string_view name : TerrainIndexNames) ++seen.at(size_t(TerrainIndexFileNumber(name)));
  EXPECT_EQ(seen, std::vector<int>(TerrainIndexSize, 1));
}

}  // namespace
}  // namespace qrl::map
