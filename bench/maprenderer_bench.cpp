// RedrawMap over a dense view: every cell with a base tile, a full stack,
// five overlays, all three road kinds connected in every direction, with
// connection lines, markers and the grid shown.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "gamefile/fileio.h"
#include "mapeditor/core/maprenderer.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/sampletiles.h"

namespace {

using namespace qrl::map;

// The sample terrain graphics, written by main into a temporary folder
// (ending in "/") before any benchmark runs and removed after the last.
std::string ShpFolderPath;
const std::string& ShpFolder() { return ShpFolderPath; }

// A fresh temporary folder holding the sample terrain graphics files; empty
// when it cannot be made or a file cannot be written (then nothing is left).
std::string WriteShpFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qrl-bench-shp-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return {};
  const std::string dir = pattern + "/";
  for (int file : qrl::sample::SampleShpFileNumbers()) {
    if (!qrl::SafeSaveFile(dir + ShpFileName(file), qrl::sample::SampleShpFile(file))) {
      std::error_code ec;
      std::filesystem::remove_all(pattern, ec);
      return {};
    }
  }
  return dir;
}

constexpr int OverlayFiles[] = {9, 43, 23, 27, 22};

const MapDocument& DenseMap() {
  static const MapDocument doc = [] {
    MapDocument d = qrl::sample::MakeBlankMap(ViewCols, ViewRows);
    for (int col = 0; col < ViewCols; ++col) {
      for (int row = 0; row < ViewRows; ++row) {
        d.SetTileWordAt(BaseLayerSection, col, row, MakeTileWord(row % 4, (col + 3 * row) % 45));
        auto stack = d.TileStackAt(col, row);
        stack[TileStackCountByte] = TileStackMaxTiles;
        for (int i = 0; i < TileStackMaxTiles; ++i)
          PutTileWord(&stack[size_t(TileStackFirstWord + 2 * i)], MakeTileWord(26, (col + 5 * i) % 30));
        for (int s = FirstOverlaySection; s <= LastOverlaySection; ++s)
          d.SetTileWordAt(s, col, row, MakeTileWord(OverlayFiles[s - FirstOverlaySection], (col + row) % 8));
        auto rec = d.MapHexRecordAt(col, row);
        rec[0] = SecondaryRoadBit | PavedRoadBit;
        rec[2] = RailroadBit;
        rec[HexRecord::SecondaryRoadMask] = rec[HexRecord::PavedRoadMask] = rec[HexRecord::RailroadMask] = AllHexDirs;
      }
    }
    return d;
  }();
  return doc;
}

MapViewOptions DenseOptions() {
  MapViewOptions options;
  options.ShowAllRoadConnections1 = true;
  options.ShowHexes1 = true;
  return options;
}

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

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ShpFolderPath = WriteShpFolder();
  if (ShpFolderPath.empty()) {
    std::fprintf(stderr, "cannot write the sample terrain graphics to a temporary folder\n");
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  std::filesystem::remove_all(ShpFolderPath, ec);
  return 0;
}
