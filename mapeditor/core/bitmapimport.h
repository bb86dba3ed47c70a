#pragma once
// The bitmap import: one sampled pixel per hex becomes an elevation ("Alt
// Convert") or scattered trees and rough ground ("Ter Convert"). Both change
// the document in place through its checked accessors, sections 2, 6, 8, 28
// and 29; they draw nothing and keep no undo.
#include <QImage>
#include <array>
#include <cstdint>

#include "gamefile/randomsource.h"
#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

// Pixels of the bitmap per hex, across and down, and the bitmap pixel at
// which hex (0,0)'s cell begins.
struct ImportGeometry {
  int XScale = 5;
  int YScale = 5;
  int OriginX = 0;
  int OriginY = 0;
};

inline constexpr int MinImportScale = 2;
inline constexpr int MaxImportScale = 15;
inline constexpr int DefaultImportScale = 5;

// The single bitmap pixel hex (col, row) is sampled at: the middle of its
// cell (halves rounded down); odd rows are not shifted.
struct PixelPos {
  int X = 0;
  int Y = 0;
  bool operator==(const PixelPos&) const = default;
};
PixelPos SamplePoint(const ImportGeometry& geometry, int col, int row);

struct Rgb {
  int Red = 255;
  int Green = 255;
  int Blue = 255;
};
// The pixel's colour; a point outside the picture reads white.
Rgb SamplePixel(const QImage& picture, PixelPos at);

// Pass 1's value of a pixel: 0, 10, 20, 30 by grey level, WaterElevation or
// SwampElevation for dark pixels with blue or green, else `previous` (the
// value of the hex sampled before).
inline constexpr int WaterElevation = -3;
inline constexpr int SwampElevation = -2;
int AltValue(Rgb colour, int previous);

// Per HexDirMask of higher neighbours, up to three images of terrain graphics
// file 1 laid as a hillside stack; -1 = none. Row 0 is never used.
inline constexpr int HillsideFile = 1;
inline constexpr int MaxHillsideImages = 3;
extern const std::array<std::array<int8_t, MaxHillsideImages>, 64> HillsideTable;

// Why a convert refuses to run; nothing changes then.
enum class ImportRefusal { None, NoMap, NoBitmap };
ImportRefusal CheckImportReady(const MapDocument& doc, const QImage& picture);

// Elevations, water and swamp by grey level, hillside stacks on hexes with
// higher neighbours, half levels at the feet of slopes and the hexes' codes.
// Rows go top to bottom and each left to right.
void AltConvert(MapDocument& doc, const QImage& picture, const ImportGeometry& geometry);

// Trees by the green component and rough ground by the red one, by chance;
// grey pixels are skipped without a draw. Draws from `random` in the order
// tree roll, tree image, rough roll, rough image for each hex, row by row.
void TerConvert(MapDocument& doc, const QImage& picture, const ImportGeometry& geometry, RandomSource& random);

}  // namespace qrl::map
