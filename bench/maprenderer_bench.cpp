// RedrawMap over the dense view of bench/densemap.h.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/densemap.h"
#include "mapeditor/core/maprenderer.h"

namespace {

using namespace qrl::map;
using qrl::bench::DenseMap;
using qrl::bench::DenseOptions;
using qrl::bench::ShpFolder;

void BM_RedrawMapWarm(benchmark::State& state) {
  TileCache tiles;
  tiles.ShpDir = ShpFolder();
  MapViewOptions options = DenseOptions();
  RedrawMap(DenseMap(), tiles, options);
  for (auto _ : state) benchmark::DoNotOptimize(RedrawMap(DenseMap(), tiles, options));
  state.counters["tiles"] = double(tiles.Images.TileIL.size() + size_t(tiles.Images.BigBitmapCount));
}
BENCHMARK(BM_RedrawMapWarm)->Unit(benchmark::kMillisecond);

void BM_RedrawMapCold(benchmark::State& state) {
  size_t loaded = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto tiles = std::make_unique<TileCache>();
    tiles->ShpDir = ShpFolder();
    MapViewOptions options = DenseOptions();
    state.ResumeTiming();
    benchmark::DoNotOptimize(RedrawMap(DenseMap(), *tiles, options));
    loaded = tiles->Images.TileIL.size() + size_t(tiles->Images.BigBitmapCount);
  }
  state.counters["tiles"] = double(loaded);
}
BENCHMARK(BM_RedrawMapCold)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
