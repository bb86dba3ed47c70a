#include "scenarioeditor/core/hexbox.h"

#include <algorithm>
#include <cstdlib>

namespace qrl::scen {

namespace {

constexpr QRgb XorWhite = 0x00FFFFFF;

void FlipPixel(QImage& picture, int64_t x, int64_t y) {
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return;
  auto* line = reinterpret_cast<QRgb*>(picture.scanLine(int(y)));
  line[x] ^= XorWhite;
}

// One side of the outline from (x0, y0) toward (x1, y1), leaving out the end
// pixel; sides are horizontal or vertical. Only the part on the picture is walked.
void FlipSide(QImage& picture, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  if (x0 == x1 && y0 == y1) return;
  const bool horizontal = y0 == y1;
  const int64_t from = horizontal ? x0 : y0, to = horizontal ? x1 : y1;
  int64_t first = to > from ? from : to + 1;
  int64_t last = to > from ? to - 1 : from;
  first = std::max<int64_t>(first, 0);
  last = std::min<int64_t>(last, (horizontal ? picture.width() : picture.height()) - 1);
  for (int64_t i = first; i <= last; ++i) FlipPixel(picture, horizontal ? i : x0, horizontal ? y0 : i);
}

}  // namespace

HexPoint HexAtPixel(int32_t px, int32_t py) { return {px / HexPixelWidth, py / HexPixelHeight}; }

QString HexPointText(int32_t px, int32_t py) {
  const HexPoint hex = HexAtPixel(px, py);
  return QString::number(hex.X) + u',' + QString::number(hex.Y);
}

void XorBoxOutline(QImage& picture, const RubberBox& box) {
  FlipSide(picture, box.Left, box.Top, box.Right, box.Top);
  FlipSide(picture, box.Right, box.Top, box.Right, box.Bottom);
  FlipSide(picture, box.Right, box.Bottom, box.Left, box.Bottom);
  FlipSide(picture, box.Left, box.Bottom, box.Left, box.Top);
}

void BoxMouseDown(RubberBox& box, QImage& picture, int32_t px, int32_t py) {
  box.DragStartHex = HexAtPixel(px, py);
  box.MouseButtonDown = true;
  if (box.BoxDrawn) XorBoxOutline(picture, box);
  box.BoxDrawn = false;
  box.Left = px;
  box.Top = py;
}

QString BoxMouseMove(RubberBox& box, QImage& picture, int32_t px, int32_t py) {
  if (box.MouseButtonDown) {
    if (box.BoxDrawn) XorBoxOutline(picture, box);
    box.BoxDrawn = true;
    box.Right = px;
    box.Bottom = py;
    XorBoxOutline(picture, box);
  }
  return HexPointText(px, py);
}

std::optional<DropArea> BoxMouseUp(RubberBox& box, int32_t px, int32_t py) {
  box.DragEndHex = HexAtPixel(px, py);
  box.MouseButtonDown = false;
  const int64_t sx = box.DragStartHex.X, sy = box.DragStartHex.Y;
  const int64_t ex = box.DragEndHex.X, ey = box.DragEndHex.Y;
  const int64_t dx = std::llabs(sx - ex), dy = std::llabs(sy - ey);
  if (dx + dy == 0) return std::nullopt;
  return DropArea{dx / 2, dy / 2, (std::llabs(sx) + std::llabs(ex)) / 2, (std::llabs(sy) + std::llabs(ey)) / 2};
}

bool InsideBox(const RubberBox& box, int64_t x, int64_t y) {
  return box.Left / HexPixelWidth < x && x < box.Right / HexPixelWidth && box.Top / HexPixelHeight < y &&
         y < box.Bottom / HexPixelHeight;
}

}  // namespace qrl::scen
