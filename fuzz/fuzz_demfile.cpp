// Any bytes as an elevation file. A grid that is read must be whole and
// within the cap; it is then drawn, flooded from its middle and banded, as
// the window would, when it is small enough to keep the run fast.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "mapeditor/core/altmap.h"
#include "mapeditor/core/demfile.h"

namespace {
constexpr size_t MaxDrawnValues = size_t(1) << 20;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qrl::map;
  const DemReadOutcome read = ReadDemFile(std::span<const uint8_t>(data, size));
  if (read.Status != DemReadStatus::Read) {
    if (!read.Grid.Values.empty()) std::abort();
    return 0;
  }
  const DemGrid& grid = read.Grid;
  if (grid.DemCols < 0 || grid.DemCols > DemMaxCols || grid.DemRows <= 0 || grid.DemRows > DemMaxRows ||
      grid.Values.size() != size_t(grid.DemCols) * size_t(grid.DemRows))
    std::abort();
  if (grid.Values.size() > MaxDrawnValues) return 0;
  const DemRange range = DemMinMax(grid);
  QImage picture = DrawAltMap(grid, range);
  if (grid.DemCols == 0) return 0;
  MakeLake(picture, grid, grid.DemCols / 2, grid.DemRows / 2);
  BandAltMap(picture, grid, DefaultBandLimits(range));
  return 0;
}
