#include "mapeditor/core/altmap.h"

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace qrl::map {

namespace {

constexpr int GreyLevels = 256;
constexpr int MaxGrey = 255;
constexpr int BandQuarters = 4;

bool IsLake(QRgb pixel) { return (pixel | 0xFF000000) == LakeColour; }

QRgb* Line(QImage& picture, int y) { return reinterpret_cast<QRgb*>(picture.scanLine(y)); }

// A scanline flood over the pixels of one elevation that are not lake yet,
// eight-way, from seeds next to lake pixels.
class LakeFill {
 public:
  // `picture` is Format_RGB32 and of the grid's size.
  LakeFill(QImage& picture, const DemGrid& grid, int16_t elevation)
      : Bits(picture.bits()),
        Stride(picture.bytesPerLine()),
        Values(grid.Values.data()),
        Elevation(elevation),
        Width(grid.DemCols),
        Height(grid.DemRows) {}

  // Seeds every pixel of the elevation that touches a lake pixel.
  void SeedAroundLakes() {
    for (int y = 0; y < Height; ++y) {
      const QRgb* line = Pixels(y);
      for (int x = 0; x < Width;) {
        if (!IsLake(line[x])) {
          ++x;
          continue;
        }
        const int first = x;
        while (x < Width && IsLake(line[x])) ++x;
        SeedRow(y - 1, first - 1, x);
        SeedRow(y, first - 1, first - 1);
        SeedRow(y, x, x);
        SeedRow(y + 1, first - 1, x);
      }
    }
  }

  void Run() {
    while (!Seeds.empty()) {
      const auto [x, y] = Seeds.back();
      Seeds.pop_back();
      if (!Fillable(x, y)) continue;
      int left = x, right = x;
      while (left > 0 && Fillable(left - 1, y)) --left;
      while (right < Width - 1 && Fillable(right + 1, y)) ++right;
      std::fill(Pixels(y) + left, Pixels(y) + right + 1, LakeColour);
      // Diagonal steps reach one pixel beyond each end of the span.
      SeedRow(y - 1, left - 1, right + 1);
      SeedRow(y + 1, left - 1, right + 1);
    }
  }

 private:
  QRgb* Pixels(int y) const { return reinterpret_cast<QRgb*>(Bits + Stride * y); }
  bool Fillable(int x, int y) const {
    return Values[size_t(y) * size_t(Width) + size_t(x)] == Elevation && !IsLake(Pixels(y)[x]);
  }

  // One seed per run of fillable pixels of row y within [left, right].
  void SeedRow(int y, int left, int right) {
    if (y < 0 || y >= Height) return;
    left = std::max(left, 0);
    right = std::min(right, Width - 1);
    for (int x = left; x <= right;) {
      if (!Fillable(x, y)) {
        ++x;
        continue;
      }
      Seeds.emplace_back(x, y);
      while (x <= right && Fillable(x, y)) ++x;
    }
  }

  uchar* const Bits;
  const qsizetype Stride;
  const int16_t* const Values;
  const int16_t Elevation;
  const int Width, Height;
  std::vector<std::pair<int, int>> Seeds;
};

}  // namespace

DemRange DemMinMax(const DemGrid& grid) {
  int32_t highest = 0;
  int32_t lowestAboveZero = std::numeric_limits<int32_t>::max();
  for (int16_t v : grid.Values) {
    highest = std::max<int32_t>(highest, v);
    if (v > 0) lowestAboveZero = std::min<int32_t>(lowestAboveZero, v);
  }
  return {highest, lowestAboveZero == std::numeric_limits<int32_t>::max() ? 0 : lowestAboveZero};
}

BandLimits DefaultBandLimits(const DemRange& range) {
  const int32_t quarter = (range.DemMax - range.DemMin) / BandQuarters;
  return {range.DemMin + quarter, range.DemMin + 2 * quarter, range.DemMin + 3 * quarter};
}

int AltGrey(int value, const DemRange& range) {
  const int scale = (range.DemMax - range.DemMin) / GreyLevels + 1;
  return std::clamp((value - range.DemMin) / scale, 0, MaxGrey);
}

QImage DrawAltMap(const DemGrid& grid, const DemRange& range) {
  if (grid.DemCols <= 0 || grid.DemRows <= 0) return {};
  QImage picture(grid.DemCols, grid.DemRows, QImage::Format_RGB32);
  for (int y = 0; y < grid.DemRows; ++y) {
    QRgb* line = Line(picture, y);
    for (int x = 0; x < grid.DemCols; ++x) {
      const int g = AltGrey(grid.At(x, y), range);
      line[x] = qRgb(g, g, g);
    }
  }
  return picture;
}

void MakeLake(QImage& picture, const DemGrid& grid, int x, int y) {
  if (!grid.Contains(x, y) || picture.width() != grid.DemCols || picture.height() != grid.DemRows) return;
  if (picture.format() != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format_RGB32);
  Line(picture, y)[x] = LakeColour;
  LakeFill fill(picture, grid, grid.At(x, y));
  fill.SeedAroundLakes();
  fill.Run();
}

void BandAltMap(QImage& picture, const DemGrid& grid, const BandLimits& limits) {
  if (picture.width() != grid.DemCols || picture.height() != grid.DemRows) return;
  if (picture.format() != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < grid.DemRows; ++y) {
    QRgb* line = Line(picture, y);
    for (int x = 0; x < grid.DemCols; ++x) {
      if (IsLake(line[x])) continue;
      const int v = grid.At(x, y);
      const size_t band = v < limits.Lvl0 ? 0 : v < limits.Lvl1 ? 1 : v < limits.Lvl2 ? 2 : 3;
      line[x] = BandColours[band];
    }
  }
}

}  // namespace qrl::map
