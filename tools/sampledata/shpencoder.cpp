#include "tools/sampledata/shpencoder.h"

#include <algorithm>

#include "gamefile/bytes.h"

namespace qrl::sample {

namespace {

constexpr int MaxRun = 127;             // pixels of one repeat or literal control
constexpr int MaxTransparentRun = 255;  // pixels of one transparent control
constexpr int MinRepeat = 3;            // shorter runs go into literals

int RunLength(const ShpPicture& p, int x, int y) {
  int n = 1;
  while (x + n < p.Width && p.At(x + n, y) == p.At(x, y)) ++n;
  return n;
}

void EncodeRow(const ShpPicture& p, int y, std::vector<uint8_t>& out) {
  int end = p.Width;
  while (end > 0 && p.At(end - 1, y) == NoPixel) --end;
  int x = 0;
  while (x < end) {
    const int run = std::min(RunLength(p, x, y), end - x);
    if (p.At(x, y) == NoPixel) {
      const int n = std::min(run, MaxTransparentRun);
      out.push_back(1);
      out.push_back(uint8_t(n));
      x += n;
    } else if (run >= MinRepeat) {
      const int n = std::min(run, MaxRun);
      out.push_back(uint8_t(2 * n));
      out.push_back(uint8_t(p.At(x, y)));
      x += n;
    } else {
      // Literal pixels up to the next transparent pixel or long repeat.
      int n = 0;
      while (x + n < end && n < MaxRun && p.At(x + n, y) != NoPixel && RunLength(p, x + n, y) < MinRepeat) ++n;
      n = std::max(n, 1);
      out.push_back(uint8_t(2 * n + 1));
      for (int i = 0; i < n; ++i) out.push_back(uint8_t(p.At(x + i, y)));
      x += n;
    }
  }
  out.push_back(0);
}

}  // namespace

std::vector<uint8_t> EncodeShpPixels(const ShpPicture& picture) {
  std::vector<uint8_t> out;
  for (int y = 0; y < picture.Height; ++y) EncodeRow(picture, y, out);
  return out;
}

ShpFileImage MakeShpImage(const ShpPicture& picture, int32_t x0, int32_t y0) {
  ShpFileImage image;
  image.X0 = x0;
  image.Y0 = y0;
  // In 64 bits: a fixture may put x0 or y0 near the end of int32. The field
  // keeps the low 32 bits, as the file would.
  image.X1 = int32_t(int64_t(x0) + picture.Width - 1);
  image.Y1 = int32_t(int64_t(y0) + picture.Height - 1);
  image.Code = EncodeShpPixels(picture);
  return image;
}

std::vector<uint8_t> BuildShpFile(std::span<const ShpFileImage> images) {
  constexpr size_t HeaderSize = 24;
  std::vector<uint8_t> out(8 + 8 * images.size(), 0);
  WriteLe32(out.data() + 4, uint32_t(images.size()));
  for (size_t i = 0; i < images.size(); ++i) {
    const ShpFileImage& image = images[i];
    WriteLe32(out.data() + 8 + 8 * i, uint32_t(out.size()));
    const size_t at = out.size();
    out.resize(at + HeaderSize, 0);
    WriteLe16(out.data() + at, image.FirstWord);
    WriteLe32(out.data() + at + 8, uint32_t(image.X0));
    WriteLe32(out.data() + at + 12, uint32_t(image.Y0));
    WriteLe32(out.data() + at + 16, uint32_t(image.X1));
    WriteLe32(out.data() + at + 20, uint32_t(image.Y1));
    out.insert(out.end(), image.Code.begin(), image.Code.end());
  }
  return out;
}

}  // namespace qrl::sample
