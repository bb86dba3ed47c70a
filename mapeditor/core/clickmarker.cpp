#include "mapeditor/core/clickmarker.h"

namespace qrl::map {

void ClickMarker::Place(QImage& picture, int x, int y) {
  const QRect inside = picture.rect();
  if (Shown) {
    for (int dx = -MarkerHalfSize; dx <= MarkerHalfSize; ++dx)
      for (int dy = -MarkerHalfSize; dy <= MarkerHalfSize; ++dy)
        if (inside.contains(MarkerX + dx, MarkerY + dy))
          picture.setPixel(MarkerX + dx, MarkerY + dy, MarkerPixels[size_t(dx + MarkerHalfSize)][size_t(dy + MarkerHalfSize)]);
  }
  if (picture.isNull()) {
    Forget();
    return;
  }
  Shown = true;
  MarkerX = x;
  MarkerY = y;
  for (int dx = -MarkerHalfSize; dx <= MarkerHalfSize; ++dx) {
    for (int dy = -MarkerHalfSize; dy <= MarkerHalfSize; ++dy) {
      if (!inside.contains(x + dx, y + dy)) continue;
      MarkerPixels[size_t(dx + MarkerHalfSize)][size_t(dy + MarkerHalfSize)] = picture.pixel(x + dx, y + dy);
      picture.setPixel(x + dx, y + dy, MarkerColour);
    }
  }
}

}  // namespace qrl::map
