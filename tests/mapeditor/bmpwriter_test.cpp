#include <gtest/gtest.h>

#include "gamefile/bytes.h"
#include "mapeditor/core/bmpwriter.h"

namespace qrl::map {
namespace {

TEST(BmpWriterTest, RowsArePaddedToFourBytes) {
  struct Case {
    int width;
    int64_t rowBytes;
  };
  for (Case c : {Case{1, 4}, Case{4, 12}, Case{5, 16}, Case{6, 20}}) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(BmpRowBytes(c.width), c.rowBytes);
  }
}

TEST(BmpWriterTest, WritesHeadersAndBottomUpRowsAsBlueGreenRed) {
  QImage picture(5, 3, QImage::Format_RGB32);
  picture.fill(qRgb(0, 0, 0));
  picture.setPixel(0, 0, qRgb(10, 20, 30));  // top-left: stored in the last row
  picture.setPixel(4, 2, qRgb(1, 2, 3));     // bottom-right: stored in the first row
  std::vector<uint8_t> bmp = EncodeBmp24(picture);
  ASSERT_EQ(bmp.size(), 102u);
  const uint8_t* p = bmp.data();
  EXPECT_EQ(p[0], 'B');
  EXPECT_EQ(p[1], 'M');
  EXPECT_EQ(ReadLe32(p + 2), 102u);
  EXPECT_EQ(ReadLe32(p + 6), 0u);
  EXPECT_EQ(ReadLe32(p + 10), 54u);
  EXPECT_EQ(ReadLe32(p + 14), 40u);
  EXPECT_EQ(ReadLe32(p + 18), 5u);
  EXPECT_EQ(ReadLe32(p + 22), 3u);
  EXPECT_EQ(ReadLe16(p + 26), 1u);
  EXPECT_EQ(ReadLe16(p + 28), 24u);
  EXPECT_EQ(ReadLe32(p + 30), 0u);
  EXPECT_EQ(ReadLe32(p + 34), 48u);
  for (int at : {38, 42, 46, 50}) EXPECT_EQ(ReadLe32(p + at), 0u);
  EXPECT_EQ(std::vector<uint8_t>(p + 54 + 12, p + 54 + 16), std::vector<uint8_t>({3, 2, 1, 0}));
  EXPECT_EQ(std::vector<uint8_t>(p + 54 + 32, p + 54 + 35), std::vector<uint8_t>({30, 20, 10}));

  QImage back;
  ASSERT_TRUE(back.loadFromData(bmp.data(), int(bmp.size()), "BMP"));
  EXPECT_EQ(back.size(), QSize(5, 3));
  EXPECT_EQ(back.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(back.pixel(4, 2), qRgb(1, 2, 3));
}

TEST(BmpWriterTest, ANullPictureGivesNothing) { EXPECT_TRUE(EncodeBmp24(QImage()).empty()); }

}  // namespace
}  // namespace qrl::map
