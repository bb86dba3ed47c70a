// The unit grid of QrlEd's main window with a full side: the core's fill of
// 400 rows and their copy into the grid on screen (offscreen).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <vector>

#include "forms/messages.h"
#include "gamefile/magic.h"
#include "gamefile/sectionrecord.h"
#include "scenarioeditor/core/recordlayout.h"
#include "scenarioeditor/ui/mainform.h"

namespace {

using namespace qrl;
using namespace qrl::scen;
using namespace qrl::scen::RecordLayout;

constexpr int FormationSize = 4;

// Every slot of both sides in use; 100 formations of four units.
void FillBothSides(GameFileSlots& fileSlots) {
  std::vector<uint8_t> units(size_t(SideCount) * SideUnitBytes, 0);
  std::vector<uint8_t> leaders(size_t(UnitSlotCount) * LeaderRecordSize, 0);
  for (int index = 0; index < UnitSlotCount; ++index) {
    std::span<uint8_t> u(&units[size_t(index) * UnitRecordSize], size_t(UnitRecordSize));
    const int k = index % UnitsPerSide, side = index / UnitsPerSide;
    const std::string tag = std::to_string(side) + "." + std::to_string(k);
    SetFieldText(u, Unit::Name, Unit::NameFieldSize, "Unit " + tag);
    SetFieldByte(u, Unit::Formation, uint8_t(k / FormationSize));
    SetFieldByte(u, Unit::FormationNumber, uint8_t(k % FormationSize + 1));
    SetFieldByte(u, Unit::Experience, uint8_t(50 + (k + side) % 40));
    SetFieldByte(u, Unit::Morale, uint8_t(60 + (k + side) % 30));
    SetFieldByte(u, Unit::InUse, 1);
    SetFieldByte(u, Unit::SideByte, uint8_t(side));
    std::span<uint8_t> l(&leaders[size_t(index) * LeaderRecordSize], size_t(LeaderRecordSize));
    SetFieldText(l, Leader::Name, Leader::Rank, "Lt/" + tag);
    SetFieldByte(l, Leader::Rally, uint8_t(30 + (k + side) % 50));
    for (int skill = 0; skill < 3; ++skill)
      SetFieldByte(l, Leader::Infantry + skill, uint8_t(20 + (k + side + skill) % 60));
  }
  std::vector<uint8_t> file(GameFileHeaderSize, 0);
  std::copy(MagicKxqrlV100.begin(), MagicKxqrlV100.end(), file.begin());
  for (int id = 1; id <= LeaderSlot; ++id) {
    const std::vector<uint8_t> filler(16, uint8_t(id));
    AppendSectionRecord(file, id, id == UnitSlot ? units : id == LeaderSlot ? leaders : filler);
  }
  ReadSaveFileRecords(file, fileSlots);
}

// Alternates the sides, so that every cell of the grid changes each time.
// With `painted` the window is on screen and the grid's visible part is
// repainted after each copy.
void FillAndShowFullSide(benchmark::State& state, bool painted) {
  forms::MessageLog quiet;
  EditorSession session;
  DiceTable dice;
  FillBothSides(session.Document.Slots);
  scenui::TForm1 form(session, dice, scenui::QrlEdStartUp{"/tmp/QrlEd", std::nullopt});
  if (painted) {
    form.show();
    QCoreApplication::processEvents();  // the first activation paints the splash over the grid
    form.OpenImageClick();
  }
  int side = 0;
  for (auto _ : state) {
    FillUnitGrid(session.Document.Slots, session.Grid, side);
    form.PushGridCells();
    if (painted) form.InfoStringGrid->viewport()->repaint();
    side = 1 - side;
  }
  state.counters["rows"] = double(form.InfoStringGrid->RowCount() - 1);
}

void BM_FillAndShowFullSide(benchmark::State& state) { FillAndShowFullSide(state, false); }
BENCHMARK(BM_FillAndShowFullSide)->Unit(benchmark::kMillisecond);

void BM_FillShowAndPaintFullSide(benchmark::State& state) { FillAndShowFullSide(state, true); }
BENCHMARK(BM_FillShowAndPaintFullSide)->Unit(benchmark::kMillisecond);

}  // namespace
