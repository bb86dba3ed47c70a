#pragma once
// The strategic map: the whole map at 2 x 2 pixels per hex, coloured by each
// hex's terrain bits, and the view position a click on it asks for.
#include <QtGui/QImage>
#include <cstdint>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

inline constexpr int StratPictureWidth = 200;  // fixed, whatever the map's width
inline constexpr int StratPixelsPerHex = 2;
inline constexpr QRgb StratBackgroundColour = 0xFF000000;  // where no hex is drawn
inline constexpr QRgb StratOpenColour = 0xFF008000;        // no rule applies

// One colour rule: when bit `Bit` of TerrainBits byte `Byte` is set, the hex
// takes `Colour`. The rules apply in order and the last that applies wins.
struct StratColourRule {
  int Byte = 0;
  uint8_t Bit = 0;
  QRgb Colour = 0;
};
extern const StratColourRule StratColourRules[8];

// The colour of a hex whose TerrainBits start with byte0, byte1.
QRgb StratHexColour(uint8_t byte0, uint8_t byte1);

// StratPictureWidth x 2 * rows of StoredMapExtent, black, each stored hex a
// 2 x 2 square at (2 col, 2 row); columns past the picture's right edge are
// left out. A map of no rows gives a null picture.
QImage BuildStratPicture(const MapDocument& doc);

// The view origin a click at picture pixel (x, y) asks for: the clicked hex
// near the view's centre, on an even row, inside [0, hMax] x [0, vMax].
HexPos StratClickTarget(int x, int y, int hMax, int vMax);

}  // namespace qrl::map
