// The position editor window with a full side, offscreen: its reload (the
// list rebuilt and shown, the overview drawn) and the refill a change of the
// property box makes.
#include <benchmark/benchmark.h>


#include "bench/positionfile.h"
#include "forms/messages.h"
#include "scenarioeditor/ui/mainform.h"
#include "scenarioeditor/ui/positionform.h"

namespace {

using namespace qrl;

struct Windows {
  forms::MessageLog Quiet;
  scen::EditorSession Session;
  scen::DiceTable Dice;
  scenui::TForm1 Form1{Session, Dice, scenui::QrlEdStartUp{"/tmp/QrlEd", std::nullopt}};
  scenui::TPositionForm Position{Session, Form1};

  Windows() {
    ReadSaveFileRecords(bench::PositionBenchFile(), Session.Document.Slots);
    scen::FillUnitGrid(Session.Document.Slots, Session.Grid, 0);
    Form1.PushGridCells();
    Session.Document.NewFileLoaded = true;  // the first reload takes the 100 x 240 map
  }
};

void BM_ReloadOf400Rows(benchmark::State& state) {
  Windows w;
  for (auto _ : state) w.Position.Reload();
  state.counters["rows"] = double(w.Position.List().Rows);
}
BENCHMARK(BM_ReloadOf400Rows)->Unit(benchmark::kMillisecond);

void BM_PropertyRefillOf400Rows(benchmark::State& state) {
  Windows w;
  w.Position.Reload();
  for (auto _ : state) w.Position.PropertyCBChange();
}
BENCHMARK(BM_PropertyRefillOf400Rows)->Unit(benchmark::kMillisecond);

}  // namespace
