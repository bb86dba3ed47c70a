#pragma once
// The position editor's overview: the map drawn at 4 x 3 pixels per hex
// (elevation as grey, water blue, roads and railways brown) with a marker on
// every unit of the list's side, and the rubber box the user draws on it.
#include <QImage>
#include <QRgb>
#include <cstdint>
#include <span>

#include "scenarioeditor/core/hexbox.h"
#include "scenarioeditor/core/positionlist.h"
#include "scenarioeditor/core/scenariodocument.h"

namespace qrl::scen {

inline constexpr int OverviewWidth = 400;   // 100 hex columns
inline constexpr int OverviewHeight = 720;  // 240 hex rows
inline constexpr int32_t InitialMapWidth = 100;
inline constexpr int32_t InitialMapHeight = 80;

namespace OverviewColours {
inline constexpr QRgb Background = 0xFF808080;
inline constexpr QRgb Water = 0xFF0000C0;
inline constexpr QRgb Road = 0xFFC06000;
inline constexpr QRgb Side0Unit = 0xFFFFFF00;
inline constexpr QRgb Side1Unit = 0xFFFF0000;
}  // namespace OverviewColours

// Elevation bytes above this are water; below it the grey darkens from
// elevation 30 down to 0.
inline constexpr int WaterElevation = 200;
inline constexpr int BrightestElevation = 30;

struct OverviewMap {
  QImage Picture{OverviewWidth, OverviewHeight, QImage::Format_RGB32};
  // The map size the overview draws: taken from slots 38 and 39 by the first
  // draw after a load (0 when they are absent).
  int32_t MapWidth = InitialMapWidth;
  int32_t MapHeight = InitialMapHeight;
  RubberBox Box;

  OverviewMap() { Picture.fill(OverviewColours::Background); }
};

// The colour of a hex from its 20-byte map record.
QRgb HexColour(std::span<const uint8_t> hexRecord);

// Draws the map and the markers of the list's rows, wiping the rubber box.
// The first draw after a load (doc.NewFileLoaded) takes the map size anew and
// clears the flag. Only hexes whose record lies in slot 8 are drawn; a marker
// needs a position record and X and Y above 0, read from the list's cells
// (ConversionError for a cell that holds no integer, the picture then drawn
// as far as it got).
void DrawOverviewMap(OverviewMap& map, ScenarioDocument& doc, const PositionList& list);

}  // namespace qrl::scen
