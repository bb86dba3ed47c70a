// The JPEG writer over libjpeg, read back by libjpeg and by the file's
// markers, and the quadrant picture it compresses.
#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "mapeditor/core/contourmap.h"
#include "mapeditor/core/jpegwriter.h"
#include "mapeditor/core/quadrantexport.h"
#include "tests/support/gamefilebuilder.h"
#include "tests/support/jpegmarkers.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/shpencoder.h"

namespace qrl::map {
namespace {

using test::JpegMarkers;
using test::ReadJpegMarkers;

// The size libjpeg decodes, or an empty size when it refuses the file.
struct JumpOnError {
  jpeg_error_mgr Base;
  std::jmp_buf Return;
};
[[noreturn]] void Jump(j_common_ptr info) { std::longjmp(reinterpret_cast<JumpOnError*>(info->err)->Return, 1); }

QSize DecodedSize(const std::vector<uint8_t>& file) {
  jpeg_decompress_struct info{};
  JumpOnError errors{};
  info.err = jpeg_std_error(&errors.Base);
  errors.Base.error_exit = Jump;
  QSize size;
  if (setjmp(errors.Return) == 0) {
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> row(size_t(info.output_width) * size_t(info.output_components));
    while (info.output_scanline < info.output_height) {
      JSAMPROW rows[1] = {row.data()};
      jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    size = QSize(int(info.image_width), int(info.image_height));
  }
  jpeg_destroy_decompress(&info);
  return size;
}

QImage Gradient(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
  return picture;
}

TEST(JpegWriterTest, QualityScalesTheBaselineTables) {
  const QImage picture = Gradient(64, 48);
  struct Case {
    int Quality;
    int LumaDc;
    int MaxValue;
  };
  // libjpeg's standard luminance table starts at 16 and peaks at 121.
  const Case cases[] = {{30, 27, 201}, {35, 23, 172}, {5, 160, 255}, {90, 3, 24}, {100, 1, 1}, {0, 255, 255}, {500, 1, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Quality);
    const std::optional<std::vector<uint8_t>> file = EncodeJpeg(picture, c.Quality);
    ASSERT_TRUE(file);
    const JpegMarkers markers = ReadJpegMarkers(*file);
    ASSERT_TRUE(markers.Valid);
    EXPECT_EQ(markers.FrameMarker, 0xC0);  // SOF0
    EXPECT_EQ(markers.Components, 3);
    EXPECT_EQ(markers.LumaSampling, 0x22);
    ASSERT_TRUE(markers.Tables.count(0));
    EXPECT_EQ(markers.TablePrecision.at(0), 0);  // 8-bit values
    EXPECT_EQ(markers.Tables.at(0)[0], c.LumaDc);
    EXPECT_EQ(*std::max_element(markers.Tables.at(0).begin(), markers.Tables.at(0).end()), c.MaxValue);
    EXPECT_EQ(DecodedSize(*file), QSize(64, 48));
  }
}

TEST(JpegWriterTest, LibraryErrorsComeBackAsFailures) {
  EXPECT_FALSE(EncodeJpeg(QImage(), 30));
  // Wider than libjpeg takes: its error must not end the process.
  EXPECT_FALSE(EncodeJpeg(QImage(65501, 1, QImage::Format_RGB32), 30));
  EXPECT_TRUE(EncodeJpeg(QImage(1, 1, QImage::Format_RGB32), 30));
}

class QuadrantTest : public testing::Test {
 protected:
  void SetUp() override {
    // One 60 x 60 tile of solid green from the cell's reference point.
    const std::vector<sample::ShpFileImage> images = {sample::MakeShpImage(sample::ShpPicture(60, 60, 13))};
    test::WriteFile(Folder + ShpFileName(TileFile), sample::BuildShpFile(images));
    Tiles.ShpDir = Folder;
  }

  // Every stored hex carries the tile.
  MapDocument TiledMap(int width, int height) {
    MapDocument doc = sample::MakeBlankMap(width, height);
    for (int col = 0; col < width; ++col)
      for (int row = 0; row < doc.MapStride; ++row) doc.SetTileWordAt(BaseLayerSection, col, row, MakeTileWord(TileFile, 0));
    return doc;
  }

  static QRgb At(const QImage& picture, int viewCol, int viewRow) { return picture.pixel(CellCentre(viewCol, viewRow)); }

  static constexpr int TileFile = 40;
  static constexpr QRgb TileColour = 0xFF2BCF33;
  std::string Folder = test::MakeTempFolder("quadrant");
  TileCache Tiles;
};

TEST_F(QuadrantTest, TheAreaStopsAtTheMapTheStrideAndFiftyByForty) {
  MapDocument doc = sample::MakeBlankMap(100, 80);
  struct Case {
    int Col, Row, Cols, Rows;
  };
  const Case cases[] = {{0, 0, 50, 40}, {60, 50, 40, 30}, {99, 78, 1, 2}, {100, 80, 0, 0}, {120, 90, 0, 0}};
  for (const Case& c : cases) {
    const MapArea area = QuadrantArea(doc, c.Col, c.Row);
    EXPECT_EQ(area.FirstCol, c.Col);
    EXPECT_EQ(area.Cols, c.Cols) << c.Col;
    EXPECT_EQ(area.Rows, c.Rows) << c.Row;
  }
  doc.MapHeight = 0xFFFF;  // claimed beyond the stride
  EXPECT_EQ(QuadrantArea(doc, 0, 60).Rows, 20);
}

TEST_F(QuadrantTest, AViewNearTheEndDrawsTheRestOfTheMapOnBlue) {
  const MapDocument doc = TiledMap(100, 80);
  MapViewOptions options;
  options.ViewCol = 60;
  options.ViewRow = 50;
  const QImage picture = BuildQuadrantPicture(doc, Tiles, options);
  ASSERT_EQ(picture.size(), QSize(2703, 1804));
  EXPECT_EQ(At(picture, 0, 0), TileColour);
  EXPECT_EQ(At(picture, 39, 29), TileColour);
  EXPECT_EQ(At(picture, 40, 29), BackgroundColour);
  EXPECT_EQ(At(picture, 10, 30), BackgroundColour);
  EXPECT_EQ(picture.pixel(2702, 1803), BackgroundColour);
}

TEST_F(QuadrantTest, RowsPastTheMapHeightStayBlueThoughStored) {
  const MapDocument doc = TiledMap(100, 30);
  ASSERT_EQ(doc.MapStride, 80);
  const QImage picture = BuildQuadrantPicture(doc, Tiles, MapViewOptions());
  EXPECT_EQ(At(picture, 49, 29), TileColour);
  for (int row = 30; row < 40; ++row) EXPECT_EQ(At(picture, 5, row), BackgroundColour) << row;
}

TEST_F(QuadrantTest, TheGridCoversEveryCellAndLayersFollowTheirBoxes) {
  MapDocument doc = TiledMap(10, 10);
  doc.SetTileWordAt(4, 0, 0, MakeTileWord(TileFile, 0));
  for (int col = 0; col < 10; ++col)
    for (int row = 0; row < doc.MapStride; ++row) doc.SetTileWordAt(BaseLayerSection, col, row, EmptyTileWord);
  MapViewOptions options;
  options.CB4 = false;
  options.ShowHexes1 = true;
  const QImage picture = BuildQuadrantPicture(doc, Tiles, options);
  EXPECT_EQ(At(picture, 0, 0), BackgroundColour);
  // The grid's left side of the last cell, far past the map's end.
  const QPoint ref = CellReferencePoint(49, 39);
  EXPECT_EQ(picture.pixel(ref.x(), ref.y() + OutlineOffsetY + 1), GridColour);
  options.CB4 = true;
  EXPECT_EQ(At(BuildQuadrantPicture(doc, Tiles, options), 0, 0), TileColour);
}

TEST_F(QuadrantTest, TheExportCompressesToTheQualityAsked) {
  const MapDocument doc = TiledMap(100, 80);
  const std::optional<std::vector<uint8_t>> file = EncodeJpeg(BuildQuadrantPicture(doc, Tiles, MapViewOptions()), 30);
  ASSERT_TRUE(file);
  const JpegMarkers markers = ReadJpegMarkers(*file);
  EXPECT_EQ(markers.FrameMarker, 0xC0);
  EXPECT_EQ(markers.Width, 2703);
  EXPECT_EQ(markers.Height, 1804);
  EXPECT_EQ(markers.Tables.at(0)[0], 27);
  EXPECT_EQ(DecodedSize(*file), QSize(2703, 1804));
}

}  // namespace
}  // namespace qrl::map
