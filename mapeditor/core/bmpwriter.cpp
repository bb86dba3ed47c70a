#include "mapeditor/core/bmpwriter.h"

#include "gamefile/bytes.h"

namespace qrl::map {

namespace {
constexpr int FileHeaderBytes = 14;
constexpr int InfoHeaderBytes = 40;
constexpr int BytesPerPixel = 3;
constexpr int BitsPerPixel = 24;
}  // namespace

int64_t BmpRowBytes(int width) { return (int64_t(BytesPerPixel) * width + 3) / 4 * 4; }

std::vector<uint8_t> EncodeBmp24(const QImage& picture) {
  if (picture.isNull()) return {};
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const int width = rgb.width();
  const int height = rgb.height();
  const int64_t rowBytes = BmpRowBytes(width);
  const int64_t imageBytes = rowBytes * height;
  std::vector<uint8_t> out(size_t(BmpHeaderBytes + imageBytes), 0);
  uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  WriteLe32(p + 2, uint32_t(BmpHeaderBytes + imageBytes));
  WriteLe32(p + 10, BmpHeaderBytes);
  uint8_t* info = p + FileHeaderBytes;
  WriteLe32(info + 0, InfoHeaderBytes);
  WriteLe32(info + 4, uint32_t(width));
  WriteLe32(info + 8, uint32_t(height));
  WriteLe16(info + 12, 1);  // planes
  WriteLe16(info + 14, BitsPerPixel);
  WriteLe32(info + 20, uint32_t(imageBytes));
  for (int y = 0; y < height; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(height - 1 - y));
    uint8_t* row = p + BmpHeaderBytes + rowBytes * y;
    for (int x = 0; x < width; ++x) {
      row[3 * x + 0] = uint8_t(qBlue(line[x]));
      row[3 * x + 1] = uint8_t(qGreen(line[x]));
      row[3 * x + 2] = uint8_t(qRed(line[x]));
    }
  }
  return out;
}

}  // namespace qrl::map
