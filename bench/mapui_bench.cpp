// TMainForm::RedrawMap over the dense view with Show All Road Connections and
// Show Hexes on, and the repaint that puts the picture on screen.
#include <benchmark/benchmark.h>


#include "bench/densemap.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/mapimage.h"

namespace {

using qrl::mapui::TMainForm;

void BM_MainFormRedrawWarm(benchmark::State& state) {
  qrl::map::MapDocument doc = qrl::bench::DenseMap();
  qrl::map::TileCache tiles;
  TMainForm form(doc, tiles, QString::fromStdString(qrl::bench::ShpFolder()));
  tiles.ShpDir = qrl::bench::ShpFolder();
  form.ShowAllRoadConnections1->SetChecked(true);
  form.ShowHexes1->SetChecked(true);
  form.show();
  form.RedrawMap();
  for (auto _ : state) {
    form.RedrawMap();
    form.MapImg->repaint();
  }
}
BENCHMARK(BM_MainFormRedrawWarm)->Unit(benchmark::kMillisecond);

}  // namespace
