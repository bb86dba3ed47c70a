#pragma once
// The drawing of the map: tile layers from the terrain graphics, road pieces
// composed from the connection masks, connection lines, road markers and the
// hex grid, into RGB32 pictures. Pictures are in view pixels: view cell (0, 0)
// has its reference point at (TileOriginX, TileOriginY).
#include <array>
#include <cstdint>

#include <QtCore/QPoint>
#include <QtGui/QImage>

#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/tilecache.h"

namespace qrl::map {

// View geometry, in pixels.
inline constexpr int HexPitchX = 52;
inline constexpr int HexPitchY = 44;
inline constexpr int OddRowShift = 26;
inline constexpr int TileOriginX = -27;
inline constexpr int TileOriginY = -12;
inline constexpr int ViewRows = 12;
inline constexpr int ViewCols = 14;
inline constexpr int CentreOffsetX = -TileOriginX;        // centre relative to the reference point
inline constexpr int CentreOffsetY = HexPitchY / 2 - 5 - TileOriginY;
inline constexpr int OutlineOffsetY = 13;                // grid's upper-left corner below the reference point
inline constexpr int OutlineSideHeight = 30;             // the vertical side
inline constexpr int OutlineSlantX = 26;
inline constexpr int OutlineSlantY = 13;
inline constexpr int MapImgWidth = ViewCols * HexPitchX - OddRowShift;  // 702
inline constexpr int MapImgHeight = ViewRows * HexPitchY - 11;          // 517

// Colours (0xAARRGGBB).
inline constexpr QRgb BackgroundColour = 0xFF0000FF;
inline constexpr QRgb ConnectionLineColour = 0xFFFF0000;
inline constexpr int ConnectionLineWidth = 3;
inline constexpr QRgb RoadMarkerOutlineColour = 0xFF000000;
inline constexpr QRgb SecondaryRoadColour = 0xFFFF8000;
inline constexpr QRgb PavedRoadColour = 0xFF808080;
inline constexpr QRgb RailroadColour = 0xFF0000FF;
inline constexpr QRgb GridColour = 0xFF8080FF;
inline constexpr int RoadMarkerRadius = 6;

// The view double-draws this own-bitmap tile one pixel further left first.
inline constexpr int DoubleDrawnTileFile = 0;
inline constexpr int DoubleDrawnTileImage = 35;

// Overlay tiles are drawn only from files below this.
inline constexpr int OverlayFileLimit = 99;

// Road pieces: file 24 holds one set of 21 pieces per road kind.
inline constexpr int RoadPieceFile = 24;
inline constexpr int SecondaryRoadBase = 0;
inline constexpr int PavedRoadBase = 21;
inline constexpr int RailroadBase = 42;

// A road piece: the directions (HexDir bits) it stands for and its image
// offset from the set's base.
struct RoadPiece {
  uint8_t Dirs = 0;
  int Offset = 0;
};
// Tested in this order, each pass taking every pair whose two bits are still set.
extern const std::array<RoadPiece, 15> RoadPairPieces;
// For the one bit left over; the first set bit wins.
extern const std::array<RoadPiece, 6> RoadSinglePieces;

// The pieces DrawRoadTiles draws for a connection mask (bits 64 and 128 are
// ignored), in drawing order; six directions need at most three pieces.
struct RoadPieceList {
  std::array<RoadPiece, 3> Pieces{};
  int Count = 0;
};
RoadPieceList RoadPiecesForMask(int mask);

// The number of set bits among the low eight bits of value.
int CountBits(int value);

// The view origin and the display switches the drawing reads: the layer
// check boxes and the check items of the Roads and Options menus.
struct MapViewOptions {
  int ViewCol = 0;
  int ViewRow = 0;  // always even, so view rows have the parity of map rows
  bool CB3 = true;
  bool CB4 = true;
  bool CB5 = true;
  bool CB6 = true;
  bool CB7 = true;
  bool ShowRoadConnections1 = false;
  bool ShowAllRoadConnections1 = false;
  bool ToggleRoad1 = false;
  bool ToggleRoadConnection1 = false;
  bool PavedRoad1 = false;
  bool SecondaryRoad1 = false;
  bool Railroad1 = false;
  bool ShowHexes1 = false;

  // The check box of an overlay section 3..7; false for any other section.
  bool LayerShown(int section) const;
};

// The hexes a drawing covers: view cell (c, r), 0 <= c < Cols, 0 <= r < Rows,
// shows hex (FirstCol + c, FirstRow + r). FirstRow must be even.
struct MapArea {
  int FirstCol = 0;
  int FirstRow = 0;
  int Cols = ViewCols;
  int Rows = ViewRows;
};
inline MapArea ViewArea(const MapViewOptions& options) { return {options.ViewCol, options.ViewRow, ViewCols, ViewRows}; }

// Where a view cell lies in the picture.
QPoint CellReferencePoint(int viewCol, int viewRow);
QPoint CellCentre(int viewCol, int viewRow);

// What the tile passes draw on and where their tiles come from.
struct MapCanvas {
  QImage& Picture;
  TileCache& Tiles;
  bool DoubleDrawOwnTile = true;  // the view has it; a larger export draws each tile once
};

// Draws one tile at the view cell, loading it on first use; files above 99,
// tiles that cannot be read and wholly transparent tiles draw nothing.
void DrawTile(MapCanvas& canvas, int viewCol, int viewRow, int image, int file);

// The road pieces of one road kind (base 0, 21 or 42) of hex (col, row), in
// view cell (col - viewCol, row - viewRow).
void DrawRoadTiles(MapCanvas& canvas, const MapDocument& doc, int base, int col, int row, int viewCol, int viewRow);

// The passes of the drawing, each over the whole area, rows from the top and
// within a row from the left. Hexes without a record in a section draw
// nothing of that section.
// Base layer, tile stacks (at most six tiles), overlays 3..7 where shown.
void DrawTileLayers(MapCanvas& canvas, const MapDocument& doc, const MapArea& area, const MapViewOptions& options);
void DrawRoadPieces(MapCanvas& canvas, const MapDocument& doc, const MapArea& area);
// Connection lines, when a Show ... Road Connections item is on. Returns true
// when it switched options.SecondaryRoad1 on because no road kind was chosen.
bool DrawConnectionLines(QImage& picture, const MapDocument& doc, const MapArea& area, MapViewOptions& options);
// Road markers, when a road mode or Show All Road Connections is on.
void DrawRoadMarkers(QImage& picture, const MapDocument& doc, const MapArea& area, const MapViewOptions& options);

// The hex grid of cols x rows cells.
void DrawHexOutlines(QImage& picture, int cols = ViewCols, int rows = ViewRows);

struct RedrawOutcome {
  QImage MapBitmap;  // the map drawing, MapImgWidth x MapImgHeight
  QImage Picture;    // MapImg's picture: MapBitmap, with the grid when ShowHexes1 is on
  bool SecondaryRoadSwitchedOn = false;  // options.SecondaryRoad1 was switched on: set the menu check
};

// Draws the view of ViewCols x ViewRows hexes from (ViewCol, ViewRow).
RedrawOutcome RedrawMap(const MapDocument& doc, TileCache& tiles, MapViewOptions& options);

}  // namespace qrl::map
