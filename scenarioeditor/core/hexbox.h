#pragma once
// The overview picture's geometry and its rubber box. Hex (x, y) of the map is
// the 4 x 3 pixel rectangle whose top-left pixel is (4x, 3y): columns side by
// side, rows one below the other, no half-hex offset. Pixel coordinates are
// those of the picture; they may lie outside it while the mouse is dragged
// beyond its edge.
#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>

namespace qrl::scen {

inline constexpr int HexPixelWidth = 4;
inline constexpr int HexPixelHeight = 3;

struct HexPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const HexPoint&) const = default;
};

// The hex a pixel lies on (division truncating toward zero, as the game's
// coordinates are taken).
HexPoint HexAtPixel(int32_t px, int32_t py);
// The text of the label under the picture: the hex's column and row joined by ",".
QString HexPointText(int32_t px, int32_t py);

// The box the user draws on the overview: Left/Top where a mouse button went
// down, Right/Bottom where the mouse is (or was released).
struct RubberBox {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool BoxDrawn = false;         // the outline stands on the picture
  bool MouseButtonDown = false;  // a button is held on the picture
  HexPoint DragStartHex, DragEndHex;
};

// Flips the outline's pixels (exclusive-or with white), each pixel of the
// closed outline once as a pen that leaves out the end pixel of each line:
// drawing the same box twice restores the picture. Pixels outside it are skipped.
void XorBoxOutline(QImage& picture, const RubberBox& box);

// Mouse down: a new box starts here; an outline still shown is erased.
void BoxMouseDown(RubberBox& box, QImage& picture, int32_t px, int32_t py);
// Mouse move: while a button is held the outline follows the pointer. Gives
// the label text of the hex under the pointer in every case.
QString BoxMouseMove(RubberBox& box, QImage& picture, int32_t px, int32_t py);

// What a drag gives the drop and range edits: half the extent of the dragged
// hexes and their middle (from absolute values, so also for a box drawn
// leftward or upward).
struct DropArea {
  int64_t XRange = 0, YRange = 0, XDrop = 0, YDrop = 0;
  bool operator==(const DropArea&) const = default;
};
// Mouse up: the button is released. nullopt when the pointer came up on the
// hex where it went down (a plain click leaves the edits alone). The box
// stays on the picture.
std::optional<DropArea> BoxMouseUp(RubberBox& box, int32_t px, int32_t py);

// Hex (x, y) lies strictly inside the box taken from its start corner to its
// end corner; a box drawn leftward or upward holds no hex.
bool InsideBox(const RubberBox& box, int64_t x, int64_t y);

}  // namespace qrl::scen
