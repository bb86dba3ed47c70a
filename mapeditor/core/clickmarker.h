#pragma once
// The click marker: a 7 x 7 yellow square that a left click on the view
// paints on the view picture, centred on the last taken mouse position. The
// next click puts the pixels it covered back first. A redraw replaces the
// picture, and with it the marker: the marker is then forgotten, so that no
// piece of the old picture is written into the new one.
#include <array>

#include <QtGui/QImage>

namespace qrl::map {

inline constexpr int MarkerHalfSize = 3;
inline constexpr int MarkerSize = 2 * MarkerHalfSize + 1;
inline constexpr QRgb MarkerColour = 0xFFFFFF00;  // red 255, green 255, blue 0

class ClickMarker {
 public:
  // Puts back the pixels under the marker on `picture`, if it has one, then
  // saves the pixels around (x, y) and paints the marker there. Pixels
  // outside the picture are left out; a null picture (nothing drawn yet)
  // gets no marker.
  void Place(QImage& picture, int x, int y);

  // The picture the marker was painted on has been replaced.
  void Forget() {
    Shown = false;
    MarkerX = MarkerY = -1;
  }

  bool HasMarker() const { return Shown; }

  // Pixel position of the marker's centre on the view picture; -1 while
  // there is none. A marker near the edge may be centred outside the picture
  // (the mouse position of a drag that left the view), so HasMarker tells.
  int MarkerX = -1;
  int MarkerY = -1;
  // The covered pixels, [x offset + 3][y offset + 3].
  std::array<std::array<QRgb, MarkerSize>, MarkerSize> MarkerPixels{};

 private:
  bool Shown = false;
};

}  // namespace qrl::map
