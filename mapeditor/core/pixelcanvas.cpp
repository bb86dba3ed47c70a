#include "mapeditor/core/pixelcanvas.h"

#include <algorithm>
#include <cstdlib>

namespace qrl::map {

namespace {

QRgb* Line(QImage& picture, int y) { return reinterpret_cast<QRgb*>(picture.scanLine(y)); }

void FillSquare(QImage& picture, int cx, int cy, int size, QRgb colour) {
  const int first = -(size / 2);
  for (int dy = first; dy < first + size; ++dy) {
    for (int dx = first; dx < first + size; ++dx) SetPixelClipped(picture, cx + dx, cy + dy, colour);
  }
}

}  // namespace

void SetPixelClipped(QImage& picture, int x, int y, QRgb colour) {
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return;
  Line(picture, y)[x] = colour;
}

void DrawLine(QImage& picture, QPoint from, QPoint to, QRgb colour, int penWidth) {
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int stepX = from.x() < to.x() ? 1 : -1;
  const int stepY = from.y() < to.y() ? 1 : -1;
  int error = dx + dy;
  int x = from.x();
  int y = from.y();
  while (x != to.x() || y != to.y()) {
    if (penWidth <= 1) {
      SetPixelClipped(picture, x, y, colour);
    } else {
      FillSquare(picture, x, y, penWidth, colour);
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
      SetPixelClipped(picture, px, py, rim ? outline : fill);
    }
  }
}

void DrawMasked(QImage& picture, const QImage& tile, int x, int y, QRgb mask) {
  const int firstX = std::max(0, -x);
  const int firstY = std::max(0, -y);
  const int endX = std::min(tile.width(), picture.width() - x);
  const int endY = std::min(tile.height(), picture.height() - y);
  for (int ty = firstY; ty < endY; ++ty) {
    const auto* source = reinterpret_cast<const QRgb*>(tile.constScanLine(ty));
    QRgb* target = Line(picture, y + ty);
    for (int tx = firstX; tx < endX; ++tx) {
      const QRgb p = source[tx];
      if (p != mask) target[x + tx] = p;
    }
  }
}

}  // namespace qrl::map
