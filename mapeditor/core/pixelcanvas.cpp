#include "mapeditor/core/pixelcanvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace qrl::map {

namespace {

// Direct access to the pixels of an RGB32 picture, detached once per call
// rather than once per row or pixel.
class PixelWriter {
 public:
  explicit PixelWriter(QImage& picture)
      : Bits(reinterpret_cast<QRgb*>(picture.bits())),
        Stride(picture.bytesPerLine() / qsizetype(sizeof(QRgb))),
        Width(picture.width()),
        Height(picture.height()) {}

  void Set(int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < Width && y < Height) Row(y)[x] = colour;
  }
  void FillSquare(int cx, int cy, int size, QRgb colour) {
    const int first = -(size / 2);
    for (int dy = first; dy < first + size; ++dy) {
      for (int dx = first; dx < first + size; ++dx) Set(cx + dx, cy + dy, colour);
    }
  }
  QRgb* Row(int y) { return Bits + qsizetype(y) * Stride; }
  int W() const { return Width; }
  int H() const { return Height; }

 private:
  QRgb* Bits;
  qsizetype Stride;
  int Width;
  int Height;
};

// Four pixels at a time: every view redraw copies thousands of tiles.
using Pixels4 = uint32_t __attribute__((vector_size(16)));

void CopyUnmasked(QRgb* target, const QRgb* source, int count, QRgb mask) {
  const Pixels4 masks = {mask, mask, mask, mask};
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    Pixels4 s, t;
    std::memcpy(&s, source + i, sizeof s);
    std::memcpy(&t, target + i, sizeof t);
    const Pixels4 keep = reinterpret_cast<Pixels4>(s == masks);
    t = (t & keep) | (s & ~keep);
    std::memcpy(target + i, &t, sizeof t);
  }
  for (; i < count; ++i) {
    if (source[i] != mask) target[i] = source[i];
  }
}

}  // namespace

void SetPixelClipped(QImage& picture, int x, int y, QRgb colour) { PixelWriter(picture).Set(x, y, colour); }

void DrawLine(QImage& picture, QPoint from, QPoint to, QRgb colour, int penWidth) {
  PixelWriter out(picture);
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int stepX = from.x() < to.x() ? 1 : -1;
  const int stepY = from.y() < to.y() ? 1 : -1;
  int error = dx + dy;
  int x = from.x();
  int y = from.y();
  while (x != to.x() || y != to.y()) {
    if (penWidth <= 1) {
      out.Set(x, y, colour);
    } else {
      out.FillSquare(x, y, penWidth, colour);
    }
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

void DrawEllipse(QImage& picture, int left, int top, int right, int bottom, QRgb outline, QRgb fill) {
  const int64_t w = right - left;
  const int64_t h = bottom - top;
  if (w <= 0 || h <= 0) return;
  PixelWriter out(picture);
  // Pixel centres measured in half pixels from the box centre, so that the
  // test stays in integers.
  auto inside = [&](int px, int py) {
    if (px < left || px >= right || py < top || py >= bottom) return false;
    const int64_t ex = 2 * int64_t(px - left) + 1 - w;
    const int64_t ey = 2 * int64_t(py - top) + 1 - h;
    return ex * ex * h * h + ey * ey * w * w <= w * w * h * h;
  };
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) {
      if (!inside(px, py)) continue;
      const bool rim = !inside(px - 1, py) || !inside(px + 1, py) || !inside(px, py - 1) || !inside(px, py + 1);
      out.Set(px, py, rim ? outline : fill);
    }
  }
}

void DrawMasked(QImage& picture, const QImage& tile, int x, int y, QRgb mask) {
  DrawMasked(picture, tile, x, y, mask, tile.rect());
}

void DrawMasked(QImage& picture, const QImage& tile, int x, int y, QRgb mask, const QRect& part) {
  PixelWriter out(picture);
  const QRect inTile = part & tile.rect();
  if (inTile.isEmpty()) return;
  // The clipping in 64 bits: (x, y) may lie anywhere in int, where -x or the
  // picture's width - x do not fit.
  const int64_t firstX = std::max<int64_t>(inTile.left(), -int64_t(x));
  const int64_t firstY = std::max<int64_t>(inTile.top(), -int64_t(y));
  const int64_t endX = std::min<int64_t>(int64_t(inTile.right()) + 1, int64_t(out.W()) - x);
  const int64_t endY = std::min<int64_t>(int64_t(inTile.bottom()) + 1, int64_t(out.H()) - y);
  if (firstX >= endX || firstY >= endY) return;
  // From here on every tile pixel lands inside the picture, so x + firstX and
  // y + ty are picture coordinates.
  const auto* source = reinterpret_cast<const QRgb*>(tile.constBits());
  const qsizetype sourceStride = tile.bytesPerLine() / qsizetype(sizeof(QRgb));
  for (int64_t ty = firstY; ty < endY; ++ty) {
    CopyUnmasked(out.Row(int(y + ty)) + (x + firstX), source + ty * sourceStride + firstX, int(endX - firstX), mask);
  }
}

}  // namespace qrl::map
