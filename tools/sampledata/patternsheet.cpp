#include "tools/sampledata/patternsheet.h"

#include <algorithm>
#include <array>

#include "mapeditor/core/contourmap.h"
#include "tools/sampledata/sampletiles.h"

namespace qrl::sample {

namespace {

constexpr QRgb GridLineColour = 0xFF404040;
constexpr QRgb MarkerInk = 0xFF000000;
constexpr QRgb OutsideColour = 0xFFFFFFFF;  // cells no elevation addresses
constexpr int16_t InkIndex = 1;

// Colour stops of the elevation ramp, by elevation.
struct ShadeStop {
  int Elevation;
  int Red, Green, Blue;
};
constexpr std::array<ShadeStop, 5> ShadeStops = {{
    {-5, 20, 90, 40},
    {15, 90, 170, 70},
    {45, 220, 210, 110},
    {85, 150, 100, 50},
    {127, 245, 245, 245},
}};

QRgb Blend(const ShadeStop& a, const ShadeStop& b, int elevation) {
  const int span = b.Elevation - a.Elevation;
  const int t = elevation - a.Elevation;
  auto mix = [&](int from, int to) { return from + (to - from) * t / span; };
  return qRgb(mix(a.Red, b.Red), mix(a.Green, b.Green), mix(a.Blue, b.Blue));
}

void FillCell(QImage& sheet, int i, int j, QRgb colour) {
  for (int y = 1; y <= map::ContourCellSize; ++y)
    for (int x = 1; x <= map::ContourCellSize; ++x) sheet.setPixel(map::SheetPitch * i + x, map::SheetPitch * j + y, colour);
}

// The bit's number in the 3 x 5 digits of the sample tiles, centred in the
// cell; the bottom row stays clear, so the marker's bottom-left pixel is
// the background, the colour it is transparent in.
void DrawMarkerGlyph(QImage& sheet, int k) {
  ShpPicture glyph(map::ContourCellSize, map::ContourCellSize);
  const int width = k < 10 ? 3 : 7;
  DrawDigits(glyph, k, (map::ContourCellSize - width) / 2, 2, 1, InkIndex);
  for (int y = 0; y < map::ContourCellSize - 1; ++y)
    for (int x = 0; x < map::ContourCellSize; ++x)
      if (glyph.At(x, y) == InkIndex)
        sheet.setPixel(map::SheetPitch * k + 1 + x, map::SheetPitch * map::MarkerSheetRow + 1 + y, MarkerInk);
}

}  // namespace

QRgb PatternSheetShade(int elevation) {
  const int e = std::clamp(elevation, ShadeStops.front().Elevation, ShadeStops.back().Elevation);
  for (size_t s = 1; s < ShadeStops.size(); ++s)
    if (e <= ShadeStops[s].Elevation) return Blend(ShadeStops[s - 1], ShadeStops[s], e);
  return Blend(ShadeStops[ShadeStops.size() - 2], ShadeStops.back(), e);
}

QImage BuildPatternSheet() {
  QImage sheet(PatternSheetWidth, PatternSheetHeight, QImage::Format_RGB32);
  sheet.fill(GridLineColour);
  const int cellRows = PatternSheetHeight / map::SheetPitch;
  for (int j = 0; j < cellRows; ++j) {
    for (int i = 0; i < map::SheetCellsPerRow; ++i) {
      const int elevation = j * map::SheetCellsPerRow + i - map::ElevationCellBias;
      FillCell(sheet, i, j, elevation <= PatternSheetHighest ? PatternSheetShade(elevation) : OutsideColour);
    }
  }
  for (int k = 0; k < map::MarkedTerrainBits; ++k) DrawMarkerGlyph(sheet, k);
  return sheet;
}

}  // namespace qrl::sample
