#pragma once
// The view's mouse and scrolling rules: which hex a view pixel lies in, when
// a mouse move is taken, the status line and the scroll ranges.
#include <optional>
#include <string>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

// Pixels of movement on both axes that a mouse move may stay within and be ignored.
inline constexpr int MouseDeadZone = 5;

// The hex of view pixel (mouseX, mouseY) with the view at (viewCol, viewRow):
// each hex is hit as a 52 x 44 rectangle (the slanted sides are not
// considered), then clamped into [0, max(0, mapWidth - 1)] x [0, max(0, mapHeight - 1)].
HexPos MouseToHex(int mouseX, int mouseY, int viewCol, int viewRow, int mapWidth, int mapHeight);

// The mouse tracking of the view: the last taken position and the hex under it.
struct MouseTracker {
  int MouseX = 0;
  int MouseY = 0;
  int HexCol = 0;
  int HexRow = 0;

  // A move to (x, y): ignored (false) within MouseDeadZone pixels of the last
  // taken position on both axes; otherwise taken, and HexCol/HexRow follow.
  bool MapImgMouseMove(int x, int y, int viewCol, int viewRow, int mapWidth, int mapHeight);
};

// WhereLbl's text: "%2d,%2d  Click %2d" while roadClickState is not 0, else
// "%2d,%2d  f%2d i%2d" with the file and image of the hex's base-layer word
// (a hex without a base-layer record reads as word 0).
std::string WhereLblText(int hexCol, int hexRow, int roadClickState, std::optional<uint16_t> baseWord);
std::string WhereLblText(const MapDocument& doc, const MouseTracker& mouse, int roadClickState);

// Scroll ranges (minimum 0) of HMapSB and VMapSB.
int HMapSBMax(int mapWidth);
int VMapSBMax(int mapHeight);

// VMapSBChange: the first view row is always even. An odd position moves the
// view one row down and the scroll bar to that row, clamped to its maximum,
// so at an odd maximum the view starts one row past it.
struct VScrollOutcome {
  int ViewRow = 0;
  int Position = 0;  // where the scroll bar ends up
};
VScrollOutcome VMapSBChange(int position, int maximum);

}  // namespace qrl::map
