#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "gamefile/bytes.h"
#include "gamefile/gamefileslots.h"
#include "gamefile/magic.h"
#include "gamefile/sectionrecord.h"
#include "scenarioeditor/core/overviewmap.h"
#include "scenarioeditor/core/positionlist.h"

namespace {

using namespace qrl;
using namespace qrl::scen;
using Bytes = std::vector<uint8_t>;

constexpr int MapColumns = 100, MapRows = 240;
constexpr int Units = UnitsPerSide;

// A complete file (section n in slot n) with a 100 x 240 map of mixed
// elevations and roads, and 400 units of side 0 spread over it.
Bytes Section(int id) {
  switch (id) {
    case 1: return Bytes(size_t(SideCount) * RecordLayout::SideUnitBytes, 0);
    case 2: return Bytes(size_t(MapColumns) * MapRows * 2, 0);
    case 8: {
      Bytes hexes(size_t(MapColumns) * MapRows * 20, 0);
      for (size_t hex = 0; hex < size_t(MapColumns) * MapRows; ++hex) {
        hexes[hex * 20 + 4] = uint8_t(hex * 7);
        hexes[hex * 20 + 12] = uint8_t(hex % 13 == 0);
      }
      return hexes;
    }
    case 17: {
      Bytes positions(size_t(UnitSlotCount) * RecordLayout::PositionRecordSize, 0);
      for (int u = 0; u < Units; ++u) {
        WriteLe16(&positions[size_t(u) * 20], uint16_t(1 + u % 99));
        WriteLe16(&positions[size_t(u) * 20 + 2], uint16_t(1 + u % 239));
      }
      return positions;
    }
    case 38: return Bytes{MapColumns, 0};
    case 39: return Bytes{MapRows, 0};
    default: return Bytes(8, 0);
  }
}

Bytes GameFile() {
  Bytes file(GameFileHeaderSize, 0);
  for (int id = 1; id <= 39; ++id) AppendSectionRecord(file, id, Section(id));
  return file;
}

struct Fixture {
  std::unique_ptr<ScenarioDocument> Doc = std::make_unique<ScenarioDocument>();
  CellTable Main{GridColumnCount, Units + 1};
  PositionList List;
  OverviewMap Map;

  Fixture() {
    ReadSaveFileRecords(GameFile(), Doc->Slots);
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
