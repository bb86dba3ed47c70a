#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "bench/positionfile.h"
#include "scenarioeditor/core/overviewmap.h"
#include "scenarioeditor/core/positionlist.h"

namespace {

using namespace qrl;
using namespace qrl::scen;
using namespace qrl::bench;

struct Fixture {
  std::unique_ptr<ScenarioDocument> Doc = std::make_unique<ScenarioDocument>();
  CellTable Main{GridColumnCount, Units + 1};
  PositionList List;
  OverviewMap Map;

  Fixture() {
    ReadSaveFileRecords(PositionBenchFile(), Doc->Slots);
    for (int u = 0; u < Units; ++u) {
      Main.SetCell(UnitLabelColumn, u + 1, QString("A%1").arg(u % 100));
      Main.SetCell(UnitNameColumn, u + 1, QString("Unit %1").arg(u));
    }
    RebuildPositionList(List, Source(), 0, Units);
  }
  PositionSource Source() const { return {Doc->Slots, Main, 118}; }
};

void BM_OverviewOfFullMapWith400Markers(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    f.Doc->NewFileLoaded = true;
    DrawOverviewMap(f.Map, *f.Doc, f.List);
    benchmark::DoNotOptimize(f.Map.Picture.constBits());
  }
}
BENCHMARK(BM_OverviewOfFullMapWith400Markers)->Unit(benchmark::kMillisecond);

void BM_RefillOf400Rows(benchmark::State& state) {
  Fixture f;
  for (int u = 0; u < Units; u += 3) f.List.UnitSelected[size_t(u)] = 1;
  for (auto _ : state) {
    FillPositionGrid(f.List, f.Source());
    benchmark::DoNotOptimize(f.List.Cells);
  }
}
BENCHMARK(BM_RefillOf400Rows)->Unit(benchmark::kMillisecond);

void BM_SortOf400RowsByName(benchmark::State& state) {
  Fixture f;
  for (auto _ : state) {
    SortPositionGrid(f.List, f.Source(), PosNameColumn);
    benchmark::DoNotOptimize(f.List.RowUnitMap);
  }
}
BENCHMARK(BM_SortOf400RowsByName)->Unit(benchmark::kMillisecond);

}  // namespace
