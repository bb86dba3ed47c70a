#pragma once
// Pixel drawing on RGB32 pictures with the pixel rules the map views rely on:
// a line leaves out its end pixel, an ellipse box leaves out its right and
// bottom edge, and tiles are copied with one colour as their mask. Everything
// is clipped to the picture.
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtGui/QImage>

namespace qrl::map {

void SetPixelClipped(QImage& picture, int x, int y, QRgb colour);

// The line from `from` toward `to`, `to` itself left out. A pen wider than 1
// paints a penWidth x penWidth square centred on each pixel of the line.
void DrawLine(QImage& picture, QPoint from, QPoint to, QRgb colour, int penWidth = 1);

// The ellipse inside the box [left, right) x [top, bottom): its rim in
// `outline` (one pixel wide), the inside in `fill`.
void DrawEllipse(QImage& picture, int left, int top, int right, int bottom, QRgb outline, QRgb fill);

// Copies `tile` with its top-left pixel at (x, y), leaving out its pixels of
// colour `mask`; with `part`, only that rectangle of the tile.
void DrawMasked(QImage& picture, const QImage& tile, int x, int y, QRgb mask);
void DrawMasked(QImage& picture, const QImage& tile, int x, int y, QRgb mask, const QRect& part);

}  // namespace qrl::map
