#pragma once
// RegionText: whole hexes of a rectangle as plain decimal text, in files and
// on the clipboard alike. A header line "%3d %3d %3d" (map kind, width w,
// height h), then w x h hex lines, rows outer, columns inner, each 47 values
// "%3d " (the hex's section-29 byte, its six tile words low byte first, its
// 20-byte hex record, its 14-byte tile stack). Lines end in CR LF; readers
// take LF alone as well, whatever a line's length.
#include <cstdint>
#include <string>
#include <string_view>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

inline constexpr int RegionHexValues = 47;
inline constexpr int RegionValueWidth = 4;  // each value in a column of four characters

// The corners as typed: columns and rows from 0, both corners included.
struct RegionRect {
  int64_t X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  int64_t Width() const { return X1 - X0 + 1; }
  int64_t Height() const { return Y1 - Y0 + 1; }
};

enum class RegionCopyCheck {
  Copy,
  Empty,       // X1 < X0 or Y1 < Y0: nothing happens, no message
  NoMap,       // nothing loaded yet
  OutsideMap,  // a corner outside the map, or a hex of it lacks a record
};
RegionCopyCheck CheckRegionCopy(const MapDocument& doc, const RegionRect& rect);

// The text of a region that CheckRegionCopy lets through.
std::string RegionText(const MapDocument& doc, const RegionRect& rect);

enum class RegionSource { File, Clipboard };

enum class RegionPasteStatus {
  Pasted,
  BadHeader,  // the first line holds no three numbers, or (clipboard) no kind 4, 1..99 x 1..79
};

struct RegionPasteResult {
  RegionPasteStatus Status = RegionPasteStatus::Pasted;
  int64_t HexesWritten = 0;
};

// Pastes a text with its top-left hex at (x, y). Hexes outside the map
// (0..MapWidth-1 x 0..MapHeight-1) or lacking a record are dropped with
// their lines; a line whose column yields no number leaves its hex as it
// was; a text that ends early stops the paste. Nothing but the 47 bytes of
// each pasted hex changes.
RegionPasteResult PasteRegionText(MapDocument& doc, int64_t x, int64_t y, std::string_view text, RegionSource source);

}  // namespace qrl::map
