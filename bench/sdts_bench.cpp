// The lake fill on a serpentine lake of a 4,000 x 4,000 picture (rows of one
// elevation between one-pixel walls open at alternate ends: the repeated
// whole-picture sweeps would need one sweep per turn), and the reading of a
// generated 1,000 x 1,000 elevation file in both record layouts.
#include <benchmark/benchmark.h>

#include "gamefile/fileio.h"
#include "mapeditor/core/altmap.h"
#include "mapeditor/core/demfile.h"
#include "tests/support/demfilebuilder.h"

namespace {

using namespace qrl::map;

constexpr int Side = 4000;
constexpr int16_t LakeLevel = 100;
constexpr int16_t WallLevel = 200;

DemGrid SerpentineGrid() {
  DemGrid grid;
  grid.DemCols = Side;
  grid.DemRows = Side;
  grid.Values.assign(size_t(Side) * Side, LakeLevel);
  for (int y = 1; y < Side; y += 2) {
    const int opening = (y / 2) % 2 == 0 ? Side - 1 : 0;
    for (int x = 0; x < Side; ++x)
      if (x != opening) grid.Values[size_t(y) * Side + size_t(x)] = WallLevel;
  }
  return grid;
}

void BM_SerpentineLakeFill(benchmark::State& state) {
  const DemGrid grid = SerpentineGrid();
  const QImage drawn = DrawAltMap(grid, DemMinMax(grid));
  for (auto _ : state) {
    state.PauseTiming();
    QImage picture = drawn.copy();
    state.ResumeTiming();
    MakeLake(picture, grid, 0, 0);
    benchmark::DoNotOptimize(picture.constBits());
    state.PauseTiming();
    if (picture.pixel(0, Side - 2) != LakeColour) state.SkipWithError("the lake did not reach the last row");
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SerpentineLakeFill)->Unit(benchmark::kMillisecond);

void BM_ReadDemFile(benchmark::State& state) {
  const auto layout = state.range(0) == 0 ? qrl::test::DemLayout::ShortRecords : qrl::test::DemLayout::ReusedLayout;
  const std::vector<uint8_t> file = qrl::test::BuildDemFile(qrl::test::DemPattern(1000, 1000), layout);
  const std::string path = qrl::test::MakeTempFolder("bench-dem") + "1000CEL0.DDF";
  qrl::test::WriteFile(path, file);
  for (auto _ : state) {
    DemReadOutcome read = LoadDemFile(path);
    if (read.Status != DemReadStatus::Read || read.Grid.DemRows != 1000) state.SkipWithError("not read");
    benchmark::DoNotOptimize(read.Grid.Values.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
  state.SetLabel(layout == qrl::test::DemLayout::ShortRecords ? "own leaders" : "reused layout");
}
BENCHMARK(BM_ReadDemFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
