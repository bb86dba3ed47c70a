#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "gamefile/bytes.h"
#include "mapeditor/core/tilecache.h"
#include "tests/support/gamefilebuilder.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::map {
namespace {

using sample::BuildShpFile;
using sample::MakeShpImage;
using sample::ShpFileImage;
using sample::ShpPicture;
using test::Bytes;

constexpr int16_t Green = 13;
constexpr int16_t Red = 15;

ShpFileImage Solid(int width, int height, int16_t colour = Green, int32_t x0 = 0, int32_t y0 = 0) {
  return MakeShpImage(ShpPicture(width, height, colour), x0, y0);
}

// An image of the given size holding exactly the code given.
ShpFileImage Coded(int width, int height, Bytes code) {
  ShpFileImage image = Solid(width, height);
  image.Code = std::move(code);
  return image;
}

Bytes FileOf(std::vector<ShpFileImage> images) { return BuildShpFile(images); }

struct Read {
  int Status = -1;
  TileGfx Tile;
  TileImages Images;
  QImage Picture() const { return Tile.ImageIndex >= 0 ? Images.TileIL.at(size_t(Tile.ImageIndex)) : *Tile.Bitmap; }
};

Read ReadImage(const Bytes& file, int image, bool forceOwnBitmap = false) {
  ShpReader reader;
  reader.ForceOwnBitmap = forceOwnBitmap;
  Read r;
  r.Status = reader.ReadShp(image, file, r.Tile, r.Images);
  return r;
}

// Writes the bytes as a file and returns its path (the same path every time).
std::string OnDisk(const Bytes& file) {
  static const std::string path = test::MakeTempFolder("shpfile") + "Ter00z4.shp";
  test::WriteFile(path, file);
  return path;
}

// Reads the image from memory and from the file on disk, which reads only the
// parts it needs; both must give the same outcome.
Read ReadFromMemoryAndDisk(const Bytes& file, int image) {
  Read fromMemory = ReadImage(file, image);
  ShpReader reader;
  Read fromDisk;
  fromDisk.Status = reader.ReadShp(image, OnDisk(file), fromDisk.Tile, fromDisk.Images);
  EXPECT_EQ(fromDisk.Status, fromMemory.Status);
  EXPECT_EQ(fromDisk.Tile.IsLoaded(), fromMemory.Tile.IsLoaded());
  if (fromDisk.Tile.IsLoaded() && fromMemory.Tile.IsLoaded()) {
    EXPECT_EQ(fromDisk.Picture(), fromMemory.Picture());
    EXPECT_EQ(fromDisk.Tile.OpaqueRect, fromMemory.Tile.OpaqueRect);
  }
  return fromMemory;
}

TEST(ShpPaletteTest, HoldsTheGameColours) {
  EXPECT_EQ(ShpColour(0), 0xFF000000u);
  EXPECT_EQ(ShpColour(13), 0xFF2BCF33u);
  EXPECT_EQ(ShpColour(15), 0xFFE30000u);
  EXPECT_EQ(ShpColour(117), 0xFF3357AFu);
  EXPECT_EQ(ShpColour(128), 0xFF978763u);
  EXPECT_EQ(ShpColour(240), 0xFFEFAB23u);
  EXPECT_EQ(ShpColour(255), 0xFFAFA79Fu);
  EXPECT_EQ(ShpTransparentColour, qRgb(255, 225, 225));
}

TEST(ReadShpTest, StandardTilesGoToTheImageListOthersGetOwnBitmaps) {
  struct Case {
    const char* Name;
    int Width, Height;
    bool Force;
    int PictureWidth, PictureHeight;
    bool OwnBitmap;
    const char* ImgNum;
    const char* Size;
  };
  const Case cases[] = {
      {"60x60", 60, 60, false, 60, 60, false, "0", "0"},
      {"12x30", 12, 30, false, 60, 60, false, "0", "0"},
      {"61x20", 61, 20, false, 61, 20, true, "1", "1"},  // 1220 / 1024
      {"forced 60x60", 60, 60, true, 60, 60, true, "1", "3"},
      {"forced 12x30", 12, 30, true, 12, 30, true, "1", "0"},
      {"whole table", ShpPixelsWidth, ShpPixelsHeight, false, ShpPixelsWidth, ShpPixelsHeight, true, "1", "41"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Read r = ReadImage(FileOf({Solid(c.Width, c.Height, Green, -5, 7)}), 0, c.Force);
    ASSERT_EQ(r.Status, ShpLoaded);
    EXPECT_EQ(r.Tile.XOff, -5);
    EXPECT_EQ(r.Tile.YOff, 7);
    EXPECT_EQ(r.Tile.Bitmap.has_value(), c.OwnBitmap);
    EXPECT_EQ(r.Tile.ImageIndex, c.OwnBitmap ? -1 : 0);
    EXPECT_EQ(r.Images.TileIL.size(), c.OwnBitmap ? 0u : 1u);
    const QImage picture = r.Picture();
    EXPECT_EQ(picture.size(), QSize(c.PictureWidth, c.PictureHeight));
    EXPECT_EQ(r.Tile.OpaqueRect, QRect(0, 0, c.Width, c.Height));
    EXPECT_EQ(picture.pixel(0, 0), ShpColour(Green));
    EXPECT_EQ(picture.pixel(c.Width - 1, c.Height - 1), ShpColour(Green));
    if (c.PictureWidth > c.Width) {
      EXPECT_EQ(picture.pixel(c.Width, 0), ShpTransparentColour);
    }
    if (c.PictureHeight > c.Height) {
      EXPECT_EQ(picture.pixel(0, c.Height), ShpTransparentColour);
    }
    EXPECT_EQ(ImgNumLblText(r.Images), c.ImgNum);
    EXPECT_EQ(SizeLblText(r.Images), c.Size);
  }
}

TEST(ReadShpTest, ImageListIndexesFollowTheAdds) {
  const Bytes file = FileOf({Solid(60, 60), Solid(61, 20), Solid(10, 10, Red)});
  ShpReader reader;
  TileImages images;
  TileGfx first, own, second;
  EXPECT_EQ(reader.ReadShp(0, file, first, images), ShpLoaded);
  EXPECT_EQ(reader.ReadShp(1, file, own, images), ShpLoaded);
  EXPECT_EQ(reader.ReadShp(2, file, second, images), ShpLoaded);
  EXPECT_EQ(first.ImageIndex, 0);
  EXPECT_EQ(second.ImageIndex, 1);
  EXPECT_EQ(images.TileIL[1].pixel(0, 0), ShpColour(Red));
  EXPECT_EQ(images.BigBitmapCount, 1);
  EXPECT_EQ(images.BigBitmapPixels, 1220);
}

TEST(ReadShpTest, ImageCountLimitsAndEmptyImages) {
  const std::vector<ShpFileImage> thirty(30, Solid(4, 4));
  std::vector<ShpFileImage> many(250, Solid(4, 4));
  ShpFileImage empty = Solid(4, 4);
  empty.FirstWord = 0;
  Bytes tooMany = FileOf(many);
  WriteLe32(tooMany.data() + 4, 251);
  Bytes negativeCount = FileOf(thirty);
  WriteLe32(negativeCount.data() + 4, uint32_t(-3));

  struct Case {
    const char* Name;
    Bytes File;
    int Image;
    int Status;
  };
  const Case cases[] = {
      {"250 images", FileOf(many), 249, ShpLoaded},
      {"251 images", tooMany, 0, ShpTooManyImages},
      {"image 30 of 30", FileOf(thirty), 30, ShpNoSuchImage},
      {"image 29 of 30", FileOf(thirty), 29, ShpLoaded},
      {"negative count", negativeCount, 0, ShpNoSuchImage},
      {"empty image", FileOf({empty}), 0, ShpEmptyImage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Read r = ReadImage(c.File, c.Image);
    EXPECT_EQ(r.Status, c.Status);
    EXPECT_EQ(r.Tile.IsLoaded(), c.Status == ShpLoaded);
    EXPECT_EQ(r.Images.TileIL.size(), c.Status == ShpLoaded ? 1u : 0u);
  }
}

// Decoded rows as text: R red, G green, '.' transparent.
std::vector<std::string> Rows(const QImage& picture, int width, int height) {
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      const QRgb p = picture.pixel(x, y);
      row += p == ShpTransparentColour ? '.' : p == ShpColour(Red) ? 'R' : p == ShpColour(Green) ? 'G' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(ReadShpTest, DecodesThePixelCode) {
  using R = std::vector<std::string>;
  struct Case {
    const char* Name;
    Bytes Code;
    int Status;
    R Expected;  // 3 x 3, when loaded
  };
  const uint8_t r = uint8_t(Red), g = uint8_t(Green);
  const Case cases[] = {
      {"repeat, literals, transparent run", {4, r, 0, 1, 1, 3, g, 0, 7, g, r, g, 0}, ShpLoaded, {"RR.", ".G.", "GRG"}},
      {"transparent count 0 puts nothing", {1, 0, 2, r, 0, 0, 0}, ShpLoaded, {"R..", "...", "..."}},
      {"two end-of-row codes leave a row empty", {6, r, 0, 0, 6, g, 0}, ShpLoaded, {"RRR", "...", "GGG"}},
      {"ends with the last row's end code", {2, r, 0, 2, r, 0, 2, r, 0, 6, g, 0}, ShpLoaded, {"R..", "R..", "R.."}},
      // Where a control byte should come the file may end: the image keeps what was decoded.
      {"file ends at a control byte", {6, r, 0}, ShpLoaded, {"RRR", "...", "..."}},
      {"file ends at a control byte inside the first row", {4, r}, ShpLoaded, {"RR.", "...", "..."}},
      {"file ends before a transparent count", {1}, ShpLoaded, {"...", "...", "..."}},
      // A colour index the file does not hold is a transparent pixel.
      {"file ends before a literal run's first colour", {6, r, 0, 7}, ShpLoaded, {"RRR", "...", "..."}},
      {"file ends inside literals", {7, g}, ShpLoaded, {"G..", "...", "..."}},
      {"file ends before a repeat colour", {6}, ShpLoaded, {"...", "...", "..."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Read read = ReadFromMemoryAndDisk(FileOf({Coded(3, 3, c.Code)}), 0);
    ASSERT_EQ(read.Status, c.Status);
    EXPECT_EQ(read.Tile.IsLoaded(), c.Status == ShpLoaded);
    if (c.Status == ShpLoaded) {
      EXPECT_EQ(Rows(read.Picture(), 3, 3), c.Expected);
    } else {
      EXPECT_TRUE(read.Images.TileIL.empty());
    }
  }
}

TEST(ReadShpTest, RowsRunningPastTheTableRefuseTheImage) {
  const uint8_t r = uint8_t(Red), g = uint8_t(Green);
  struct Case {
    const char* Name;
    int Width;
    Bytes Code;  // two rows, the second one green pixel
    int Status;
  };
  // Control 254 puts 127 pixels, 176 puts 88 and 178 puts 89: 215 or 216 pixels.
  const Case cases[] = {
      {"row fills the table", ShpPixelsWidth, {254, r, 176, r, 0, 2, g, 0}, ShpLoaded},
      {"repeat runs past", ShpPixelsWidth, {254, r, 178, r, 0, 2, g, 0}, ShpEmptyImage},
      {"literal runs past", ShpPixelsWidth, {254, r, 176, r, 3, g, 0, 2, g, 0}, ShpEmptyImage},
      {"transparent run runs past", ShpPixelsWidth, {254, r, 1, 89, 0, 2, g, 0}, ShpEmptyImage},
      // Past the image's own width but inside the table: the pixels stay, and a
      // standard tile shows them up to its 60th column.
      {"past the image's width only", 3, {254, r, 0, 2, g, 0}, ShpLoaded},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Read read = ReadFromMemoryAndDisk(FileOf({Coded(c.Width, 2, c.Code)}), 0);
    ASSERT_EQ(read.Status, c.Status);
    EXPECT_EQ(read.Tile.IsLoaded(), c.Status == ShpLoaded);
    if (c.Status != ShpLoaded) continue;
    const QImage picture = read.Picture();
    EXPECT_EQ(picture.pixel(picture.width() - 1, 0), ShpColour(Red));
    EXPECT_EQ(picture.pixel(0, 1), ShpColour(Green));
    EXPECT_EQ(picture.pixel(1, 1), ShpTransparentColour);
  }
}

TEST(ReadShpTest, PositionsFarOutsideAreNotDecoded) {
  struct Case {
    int32_t X0, Y0;
    bool Decoded;
  };
  const Case cases[] = {{642, 0, false}, {641, 0, true}, {-101, 0, false}, {-100, 0, true},
                        {0, 482, false}, {0, 481, true}, {0, -101, false}, {0, -100, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.X0 << "," << c.Y0);
    Read r = ReadImage(FileOf({Solid(20, 10, Red, c.X0, c.Y0)}), 0);
    ASSERT_EQ(r.Status, ShpLoaded);
    EXPECT_EQ(r.Tile.XOff, c.X0);
    EXPECT_EQ(r.Picture().size(), QSize(60, 60));
    EXPECT_EQ(r.Picture().pixel(5, 5), c.Decoded ? ShpColour(Red) : ShpTransparentColour);
    EXPECT_EQ(r.Tile.OpaqueRect.isEmpty(), !c.Decoded);
  }
}

TEST(ReadShpTest, DamagedFilesGiveStatusesNotStaleData) {
  const Bytes good = FileOf({Solid(4, 4), Solid(4, 4), Solid(4, 4)});
  auto withLe32 = [&](size_t at, int32_t value) {
    Bytes b = good;
    WriteLe32(b.data() + at, uint32_t(value));
    return b;
  };
  auto truncated = [&](size_t size) { return Bytes(good.begin(), good.begin() + ptrdiff_t(size)); };
  const size_t image2 = ReadLe32(good.data() + 8 + 16);
  const size_t x1Of2 = image2 + 16;
  const size_t y1Of2 = image2 + 20;

  struct Case {
    const char* Name;
    Bytes File;
    int Status;
  };
  const Case cases[] = {
      {"no count", truncated(6), ShpTooManyImages},
      {"offset of image 2 missing", truncated(8 + 8 * 2 + 2), ShpEmptyImage},
      {"header cut short", truncated(image2 + 20), ShpEmptyImage},
      {"offset beyond the file", withLe32(8 + 16, int32_t(good.size())), ShpEmptyImage},
      {"negative offset", withLe32(8 + 16, -24), ShpEmptyImage},
      {"216 wide", withLe32(x1Of2, ShpPixelsWidth), ShpEmptyImage},
      {"201 high", withLe32(y1Of2, ShpPixelsHeight), ShpEmptyImage},
      {"absurd width", withLe32(x1Of2, INT_MAX), ShpEmptyImage},
      {"code cut short", truncated(image2 + 24 + 3), ShpLoaded},
  };
  // One reader for all: a damaged file must not inherit the tables of the good
  // file read just before it, whether it is read from memory or from disk.
  ShpReader reader;
  TileImages images;
  const std::string goodPath = test::MakeTempFolder("shpgood") + "Ter00z4.shp";
  test::WriteFile(goodPath, good);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TileGfx before;
    ASSERT_EQ(reader.ReadShp(2, good, before, images), ShpLoaded);
    TileGfx tile;
    EXPECT_EQ(reader.ReadShp(2, c.File, tile, images), c.Status);
    EXPECT_EQ(tile.IsLoaded(), c.Status == ShpLoaded);

    TileGfx beforeFromDisk;
    ASSERT_EQ(reader.ReadShp(2, goodPath, beforeFromDisk, images), ShpLoaded);
    TileGfx fromDisk;
    EXPECT_EQ(reader.ReadShp(2, OnDisk(c.File), fromDisk, images), c.Status) << "from disk";
    EXPECT_EQ(fromDisk.IsLoaded(), c.Status == ShpLoaded) << "from disk";
  }
  Bytes minX = withLe32(image2 + 8, INT_MIN);
  WriteLe32(minX.data() + x1Of2, uint32_t(INT_MAX));
  TileGfx tile;
  EXPECT_EQ(reader.ReadShp(2, minX, tile, images), ShpEmptyImage);
}

// An image of at most 60 x 60 becomes a standard tile also when its width or
// height is below 1; one that needs an own bitmap then has none to make.
TEST(ReadShpTest, ImagesWithoutWidthOrHeight) {
  auto sized = [](int32_t x1, int32_t y1, int32_t x0 = 0) {
    ShpFileImage image = Solid(4, 4, Green, x0);
    image.X1 = x1;
    image.Y1 = y1;
    return FileOf({image});
  };
  struct Case {
    const char* Name;
    Bytes File;
    bool Force;
    int Status;
  };
  const Case cases[] = {
      {"width 0", sized(-1, 3), false, ShpLoaded},
      {"height below 0", sized(3, -5), false, ShpLoaded},
      {"neither", sized(-10, -10), false, ShpLoaded},
      // Past the end of int the right column keeps only its low 32 bits, as in a file.
      {"right column wrapped", sized(INT_MIN + 13, 9, INT_MAX - 5), false, ShpLoaded},
      {"width 0, 61 high", sized(-1, 60), false, ShpEmptyImage},
      {"61 wide, height 0", sized(60, -1), false, ShpEmptyImage},
      {"width 0 as own bitmap", sized(-1, 3), true, ShpEmptyImage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Read r = ReadImage(c.File, 0, c.Force);
    ASSERT_EQ(r.Status, c.Status);
    EXPECT_EQ(r.Tile.IsLoaded(), c.Status == ShpLoaded);
    if (c.Status != ShpLoaded) continue;
    EXPECT_EQ(r.Tile.ImageIndex, 0);
    EXPECT_EQ(r.Picture().size(), QSize(60, 60));
  }
  // Decoding reads one control byte even for an image of no rows: the first
  // row's green run shows in the tile.
  const Read flat = ReadFromMemoryAndDisk(sized(3, -5), 0);
  EXPECT_EQ(Rows(flat.Picture(), 5, 2), std::vector<std::string>({"GGGG.", "....."}));
}

TEST(ReadShpTest, FromDiskLargeFilesReadAsFromMemory) {
  // Ten 60 x 60 images of literal pixels, about 3.7 KB of code each, so that
  // images and their code lie across the pieces a file is read in.
  std::vector<ShpFileImage> images;
  for (int i = 0; i < 10; ++i) {
    ShpPicture picture(60, 60);
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x) picture.At(x, y) = int16_t((7 * x + 13 * y + 3 * i) % 256);
    images.push_back(MakeShpImage(picture));
  }
  const Bytes file = FileOf(images);
  ASSERT_GT(file.size(), 36000u);
  for (size_t size : {file.size(), size_t(16383), size_t(16384), size_t(16385), size_t(20000), size_t(33000)}) {
    const Bytes cut(file.begin(), file.begin() + ptrdiff_t(size));
    for (int image = 0; image < 10; ++image) {
      SCOPED_TRACE(testing::Message() << size << " bytes, image " << image);
      const Read read = ReadFromMemoryAndDisk(cut, image);
      if (size == file.size()) {
        ASSERT_EQ(read.Status, ShpLoaded);
        EXPECT_EQ(read.Picture().pixel(59, 59), ShpColour((7 * 59 + 13 * 59 + 3 * image) % 256));
      }
    }
  }
}

TEST(ReadShpTest, UnreadableFileIsStatus1) {
  ShpReader reader;
  TileImages images;
  TileGfx tile;
  const std::string folder = test::MakeTempFolder("shp");
  EXPECT_EQ(reader.ReadShp(0, folder + "missing.shp", tile, images), ShpCannotOpen);
  EXPECT_EQ(reader.ReadShp(0, folder, tile, images), ShpCannotOpen);  // a folder
  // A named pipe without a writer is refused at once rather than waited on.
  ASSERT_EQ(::mkfifo((folder + "pipe.shp").c_str(), 0600), 0);
  EXPECT_EQ(reader.ReadShp(0, folder + "pipe.shp", tile, images), ShpCannotOpen);
  EXPECT_FALSE(tile.IsLoaded());
}

class TileCacheTest : public testing::Test {
 protected:
  void SetUp() override { cache.ShpDir = folder; }
  void WriteShp(const std::string& dir, const std::string& name, std::vector<ShpFileImage> images) {
    test::WriteFile(dir + name, FileOf(std::move(images)));
  }
  QRgb CentreOf(int file, int image) {
    const TileGfx* tile = cache.Fetch(file, image);
    if (!tile) return 0;
    return cache.Picture(*tile)->pixel(1, 1);
  }
  std::string folder = test::MakeTempFolder("tiles");
  TileCache cache;
};

TEST_F(TileCacheTest, LoadsOnFirstUseCaseBlindAndKeepsTheTile) {
  WriteShp(folder, "TER05Z4.SHP", {Solid(4, 4, Red), Solid(4, 4, Green)});
  EXPECT_EQ(CentreOf(5, 1), ShpColour(Green));
  std::filesystem::remove(folder + "TER05Z4.SHP");
  EXPECT_EQ(CentreOf(5, 1), ShpColour(Green));
  EXPECT_EQ(cache.Images.TileIL.size(), 1u);
  EXPECT_EQ(cache.Fetch(5, 0), nullptr);
  EXPECT_FALSE(cache.Entry(5, 0)->IsLoaded());
}

TEST_F(TileCacheTest, AnImageWithoutWidthIsCachedLikeAnyOther) {
  ShpFileImage flat = Solid(4, 4, Red);
  flat.X1 = flat.X0 - 1;
  WriteShp(folder, "Ter03z4.shp", {flat});
  EXPECT_EQ(CentreOf(3, 0), ShpColour(Red));  // its rows are decoded all the same
  std::filesystem::remove(folder + "Ter03z4.shp");
  ASSERT_NE(cache.Fetch(3, 0), nullptr);  // not read again
  EXPECT_EQ(cache.Images.TileIL.size(), 1u);
}

TEST_F(TileCacheTest, FailedReadsAreRetriedOnTheNextUse) {
  EXPECT_EQ(cache.Fetch(7, 0), nullptr);
  WriteShp(folder, "Ter07z4.shp", {Solid(4, 4, Red)});
  EXPECT_EQ(CentreOf(7, 0), ShpColour(Red));
}

TEST_F(TileCacheTest, ChangingShpDirKeepsLoadedTiles) {
  const std::string other = test::MakeTempFolder("tiles2");
  WriteShp(folder, "Ter01z4.shp", {Solid(4, 4, Red), Solid(4, 4, Red)});
  WriteShp(other, "Ter01z4.shp", {Solid(4, 4, Green), Solid(4, 4, Green)});
  EXPECT_EQ(CentreOf(1, 0), ShpColour(Red));
  cache.ShpDir = other;
  EXPECT_EQ(CentreOf(1, 0), ShpColour(Red));
  EXPECT_EQ(CentreOf(1, 1), ShpColour(Green));
}

TEST_F(TileCacheTest, HoldsEveryFileAndImageATileWordCanName) {
  std::vector<ShpFileImage> images(TileCacheImages, Solid(4, 4));
  images.back() = Solid(4, 4, Red);
  WriteShp(folder, "Ter99z4.shp", images);
  EXPECT_EQ(CentreOf(99, 249), ShpColour(Red));
  EXPECT_EQ(cache.Fetch(100, 0), nullptr);
  EXPECT_EQ(cache.Fetch(99, 250), nullptr);
  EXPECT_EQ(cache.Fetch(-1, 0), nullptr);
  EXPECT_EQ(ShpFileName(7), "Ter07z4.shp");
  EXPECT_EQ(ShpFileName(99), "Ter99z4.shp");
}

}  // namespace
}  // namespace qrl::map
