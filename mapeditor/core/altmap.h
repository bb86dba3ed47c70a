#pragma once
// The SDTS window's elevation picture: one pixel per value of a DemGrid, in
// greys; lakes flooded over pixels of one elevation; four grey bands that the
// bitmap import turns into elevations 0, 10, 20 and 30, the lake colour into
// water.
#include <QImage>
#include <QRgb>
#include <array>
#include <cstdint>

#include "mapeditor/core/demfile.h"

namespace qrl::map {

inline constexpr QRgb LakeColour = 0xFF000078;  // RGB(0, 0, 120)
inline constexpr std::array<QRgb, 4> BandColours = {0xFF646464, 0xFF8C8C8C, 0xFFB4B4B4, 0xFFDCDCDC};  // greys 100..220

// DemMax: the highest value, never below 0. DemMin: the lowest value above
// 0, or 0 when there is none.
struct DemRange {
  int32_t DemMax = 0;
  int32_t DemMin = 0;
};
DemRange DemMinMax(const DemGrid& grid);

// The upper limits of bands 0, 1 and 2: the range cut into quarters.
struct BandLimits {
  int32_t Lvl0 = 0;
  int32_t Lvl1 = 0;
  int32_t Lvl2 = 0;
};
BandLimits DefaultBandLimits(const DemRange& range);

// The grey of a value: (v - DemMin) / ((DemMax - DemMin) / 256 + 1), kept
// within 0..255 (values below DemMin, such as void markers, are black).
int AltGrey(int value, const DemRange& range);

// DemCols x DemRows pixels (Format_RGB32), pixel (x, y) the grey of value
// (x, y); a null picture for an empty grid.
QImage DrawAltMap(const DemGrid& grid, const DemRange& range);

// Floods a lake from pixel (x, y), which must lie inside both: it takes the
// lake colour, and so does every pixel of exactly its elevation that is
// joined to any lake-coloured pixel (this one or an earlier lake) through
// eight-way steps over such pixels. `picture` is the grid's picture.
void MakeLake(QImage& picture, const DemGrid& grid, int x, int y);

// Recolours every pixel that is not lake-coloured into the band of its value:
// band 0 below Lvl0, else 1 below Lvl1, else 2 below Lvl2, else 3.
void BandAltMap(QImage& picture, const DemGrid& grid, const BandLimits& limits);

}  // namespace qrl::map
