#pragma once
// Our contour pattern sheet "grid.bmp": 200 x 70 pixels of 9 x 9 cells on a
// 10-pixel pitch. Rows 0..2 and 4..6 shade the elevations -5..54 and 75..127
// from green lowland through brown hills to white peaks; row 3 holds the
// markers of terrain bits 0..14 (the bit's number in dark digits) on the
// shades of 55..74, which that row addresses as elevations too.
#include <QtGui/QImage>

namespace qrl::sample {

inline constexpr int PatternSheetWidth = 200;
inline constexpr int PatternSheetHeight = 70;
inline constexpr int PatternSheetLowest = -5;    // elevation of cell (0, 0)
inline constexpr int PatternSheetHighest = 127;  // the last cell any elevation byte addresses

// The shade of elevation e in the sheet.
QRgb PatternSheetShade(int elevation);

QImage BuildPatternSheet();

}  // namespace qrl::sample
