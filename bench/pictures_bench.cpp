// The pictures of QrlMap on a dense 100 x 240 map with a warm tile cache:
// the quadrant export at the origin at quality 30 (render, encode, and the
// whole export with its safe save), compared with cjpeg -quality 30 -baseline
// on the same pixels as PPM (wall time, best of 5; skipped when cjpeg is not
// installed); the contour picture with terrain markers; the strategic picture.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "bench/densemap.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/contourmap.h"
#include "mapeditor/core/jpegwriter.h"
#include "mapeditor/core/quadrantexport.h"
#include "mapeditor/core/stratmap.h"
#include "tools/sampledata/patternsheet.h"
#include "tools/sampledata/samplemap.h"

namespace {

using namespace qrl::map;
using qrl::bench::ShpFolder;

constexpr int DenseCols = 100;
constexpr int DenseRows = 240;
constexpr int ExportQuality = 30;
constexpr int CjpegRuns = 5;

// Every hex dense, with terrain bits that vary from hex to hex and an
// elevation that walks through the sheet.
const MapDocument& DenseLargeMap() {
  static const MapDocument doc = [] {
    MapDocument d = qrl::sample::MakeBlankMap(DenseCols, DenseRows);
    if (d.MapStride != DenseRows) throw std::runtime_error("the dense map is not a large map");
    for (int col = 0; col < DenseCols; ++col) {
      for (int row = 0; row < DenseRows; ++row) {
        qrl::bench::MakeHexDense(d, col, row);
        auto rec = d.MapHexRecordAt(col, row);
        rec[0] = uint8_t(0xDD ^ (col * 7 + row));
        rec[1] = uint8_t(0x1F & (col + row * 3));
        rec[HexRecord::Elevation] = uint8_t((col + row) % 133 - 5);
      }
    }
    return d;
  }();
  return doc;
}

// The tiles of the quadrant, loaded once before any timing.
TileCache& WarmTiles() {
  static TileCache tiles;
  static const bool warmed = [] {
    tiles.ShpDir = ShpFolder();
    BuildQuadrantPicture(DenseLargeMap(), tiles, MapViewOptions());
    return true;
  }();
  (void)warmed;
  return tiles;
}

const QImage& QuadrantPicture() {
  static const QImage picture = BuildQuadrantPicture(DenseLargeMap(), WarmTiles(), MapViewOptions());
  return picture;
}

// The benchmark's own files, removed at the end.
const std::string& Scratch() {
  static const qrl::bench::TemporaryFolder folder("pictures");
  return folder.Path;
}

void BM_QuadrantRender(benchmark::State& state) {
  TileCache& tiles = WarmTiles();
  for (auto _ : state) benchmark::DoNotOptimize(BuildQuadrantPicture(DenseLargeMap(), tiles, MapViewOptions()));
}
BENCHMARK(BM_QuadrantRender)->Unit(benchmark::kMillisecond);

void BM_QuadrantEncode(benchmark::State& state) {
  const QImage& picture = QuadrantPicture();
  size_t bytes = 0;
  for (auto _ : state) {
    auto file = EncodeJpeg(picture, ExportQuality);
    if (!file) state.SkipWithError("the encoder failed");
    bytes = file ? file->size() : 0;
    benchmark::DoNotOptimize(file);
  }
  state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_QuadrantEncode)->Unit(benchmark::kMillisecond);

// What the user waits for after the dialog: render, encode, safe save.
void BM_QuadrantExportWhole(benchmark::State& state) {
  TileCache& tiles = WarmTiles();
  const std::string path = Scratch() + "quadrant.jpg";
  for (auto _ : state) {
    auto file = EncodeJpeg(BuildQuadrantPicture(DenseLargeMap(), tiles, MapViewOptions()), ExportQuality);
    if (!file || !qrl::SafeSaveFile(path, *file)) state.SkipWithError("the export failed");
  }
}
BENCHMARK(BM_QuadrantExportWhole)->Unit(benchmark::kMillisecond);

std::string FindCjpeg() {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string candidate = dirs.substr(start, end - start) + "/cjpeg";
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

bool WritePpm(const QImage& picture, const std::string& path) {
  std::string bytes = "P6\n" + std::to_string(picture.width()) + " " + std::to_string(picture.height()) + "\n255\n";
  bytes.reserve(bytes.size() + size_t(3) * size_t(picture.width()) * size_t(picture.height()));
  for (int y = 0; y < picture.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      bytes.push_back(char(qRed(line[x])));
      bytes.push_back(char(qGreen(line[x])));
      bytes.push_back(char(qBlue(line[x])));
    }
  }
  return qrl::SafeSaveFile(path, bytes);
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// Both encoders best of 5 by wall time, on the same pixels; ratio = ours / cjpeg.
void BM_EncodeAgainstCjpeg(benchmark::State& state, const std::string& cjpeg) {
  const QImage& picture = QuadrantPicture();
  const std::string ppm = Scratch() + "quadrant.ppm";
  const std::string out = Scratch() + "cjpeg.jpg";
  if (!WritePpm(picture, ppm)) {
    state.SkipWithError("cannot write the PPM");
    return;
  }
  const std::string command =
      cjpeg + " -quality " + std::to_string(ExportQuality) + " -baseline -outfile " + out + " " + ppm;
  double cjpegBest = 1e300, oursBest = 1e300;
  for (auto _ : state) {
    for (int run = 0; run < CjpegRuns; ++run) {
      auto start = std::chrono::steady_clock::now();
      if (std::system(command.c_str()) != 0) {
        state.SkipWithError("cjpeg failed");
        return;
      }
      cjpegBest = std::min(cjpegBest, Milliseconds(std::chrono::steady_clock::now() - start));
      start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(EncodeJpeg(picture, ExportQuality));
      oursBest = std::min(oursBest, Milliseconds(std::chrono::steady_clock::now() - start));
    }
  }
  state.counters["cjpeg_best_ms"] = cjpegBest;
  state.counters["ours_best_ms"] = oursBest;
  state.counters["ours_over_cjpeg"] = oursBest / cjpegBest;
}

void BM_ContourWithTerrain(benchmark::State& state) {
  const QImage sheet = qrl::sample::BuildPatternSheet();
  for (auto _ : state) benchmark::DoNotOptimize(BuildContourPicture(DenseLargeMap(), sheet, true));
}
BENCHMARK(BM_ContourWithTerrain)->Unit(benchmark::kMillisecond);

void BM_StratRebuild(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildStratPicture(DenseLargeMap()));
}
BENCHMARK(BM_StratRebuild)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::string cjpeg = FindCjpeg();
  if (cjpeg.empty()) {
    std::fprintf(stderr, "cjpeg is not installed: the comparison with it is skipped\n");
  } else {
    benchmark::RegisterBenchmark("BM_EncodeAgainstCjpeg", BM_EncodeAgainstCjpeg, cjpeg)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
