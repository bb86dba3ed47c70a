#pragma once
// The contour picture: each hex a 9 x 9 cell copied from the pattern sheet by
// its elevation, optionally overlaid with markers for its terrain bits, with
// tick marks every ten hexes along the edges.
#include <QtCore/QPoint>
#include <QtGui/QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

// The pattern sheet "grid.bmp" beside the program: 9 x 9 pixel cells on a
// 10-pixel pitch; cell (i, j) is the square x = 10i + 1 .. 10i + 9,
// y = 10j + 1 .. 10j + 9.
inline constexpr const char* PatternSheetName = "grid.bmp";
inline constexpr int SheetPitch = 10;
inline constexpr int SheetCellsPerRow = 20;
inline constexpr int MarkerSheetRow = 3;  // cell (k, 3) marks terrain bit k
inline constexpr int MarkedTerrainBits = 15;  // bits 0..14; bit 15 has no marker
inline constexpr int ElevationCellBias = 5;  // elevation e addresses cell number e + 5
// A sheet of more than this many pixels is refused as unreadable rather than
// decoded: a hostile header must not take the memory.
inline constexpr int64_t MaxSheetPixels = int64_t(1024) * 1024;

// Picture geometry, in pixels.
inline constexpr int ContourCellSize = 9;
inline constexpr int ContourOrigin = 10;       // cell of hex (0, 0) at (10, 10)
inline constexpr int ContourOddRowShift = 4;
inline constexpr int ContourExtraWidth = 24;   // 9 * cols + 4 + 20
inline constexpr int ContourExtraHeight = 20;  // 9 * rows + 20
inline constexpr int ContourTickEvery = 10;    // hexes
inline constexpr int ContourTickPenWidth = 3;
inline constexpr QRgb ContourBackgroundColour = 0xFFFFFFFF;
inline constexpr QRgb ContourTickColour = 0xFF000000;

// The sheet cell of an elevation byte (byte 4 of the hex record read as a
// signed 8-bit value): v = e + 5, cell (v % 20, v / 20), truncated toward zero.
QPoint ElevationSheetCell(int8_t elevation);

// Where hex (col, row)'s cell lies in the picture (top-left pixel).
QPoint ContourCellPosition(int col, int row);

// The picture's size for the stored extent of the map.
QSize ContourPictureSize(const MapDocument& doc);

// Decodes a BMP sheet; nullopt when the bytes are no BMP Qt can read, or the
// sheet is larger than MaxSheetPixels.
std::optional<QImage> DecodePatternSheet(std::span<const uint8_t> bytes);
// Reads and decodes the sheet at `path` (a regular file only).
std::optional<QImage> ReadPatternSheet(const std::string& path);

// The contour picture over StoredMapExtent. Hexes without a record are left
// white, so are hexes whose cell lies outside the sheet; markers whose cell
// lies outside the sheet are not drawn. With `terrain`, each set bit k < 15
// of TerrainBits bytes 0..1 draws sheet cell (k, 3) over the hex's cell,
// leaving out the pixels of the colour of the marker's bottom-left pixel.
QImage BuildContourPicture(const MapDocument& doc, const QImage& sheet, bool terrain);

// What "Save" writes for the chosen name: a BMP under that name when its
// extension (after the file name's last dot) is exactly ".bmp"; otherwise a
// JPEG named with ".jpg" in place of the extension (appended when the name
// has none).
struct ContourSaveTarget {
  bool Bmp = false;
  std::string Path;
};
ContourSaveTarget ContourSaveTargetFor(const std::string& chosenPath);

// The contour picture's JPEG quality, whatever the export's quality is.
inline constexpr int ContourJpegQuality = 90;

}  // namespace qrl::map
