// Any bytes as a game file through QrlEd's load, the unit grid of both sides,
// the record accessors and both saves. A document read completely must save
// to a file that loads back to the same slots.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/editorsession.h"

using namespace qrl;
using namespace qrl::scen;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void TouchRecords(GameFileSlots& fileSlots) {
  for (int side = -1; side <= SideCount; ++side) {
    for (int unit : {-1, 0, 1, 199, 399, 400}) {
      SetFieldByte(UnitRecordAt(fileSlots, side, unit), RecordLayout::Unit::Changed, 1);
      SetFieldLe16(PositionRecordAt(fileSlots, side, unit), RecordLayout::Position::Y, 7);
      SetFieldByte(LeaderRecordAt(fileSlots, side, unit), RecordLayout::Leader::Kills, 3);
      Check(UnitName(UnitRecordAt(fileSlots, side, unit)).size() <= 16);
    }
  }
  SetFieldByte(GameDataRecordAt(fileSlots), RecordLayout::GameData::Terrain, 2);
  SetFieldLe16(PrestigeAt(fileSlots), 0, 300);
  FieldLe16(MapWidthAt(fileSlots), 0);
  FieldLe16(MapHeightAt(fileSlots), 0);
}

bool SameSlots(const GameFileSlots& a, const GameFileSlots& b) {
  if (a.RecordCount != b.RecordCount) return false;
  for (int slot = 0; slot < SlotCount; ++slot) {
    if (a.SlotSize[size_t(slot)] != b.SlotSize[size_t(slot)] || a.SlotId[size_t(slot)] != b.SlotId[size_t(slot)])
      return false;
    auto x = SlotBytes(a, slot), y = SlotBytes(b, slot);
    if (!std::equal(x.begin(), x.end(), y.begin(), y.end())) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static EditorSession* session = new EditorSession;
  ScenarioDocument& doc = session->Document;
  doc.GameKind = CurrentGameKind;
  // Kept between runs: a fresh 5 MB buffer per run costs more page faults than the run itself.
  static GameFileSlots& scratch = *new GameFileSlots;
  const LoadOutcome outcome =
      DecodeSaveFile(doc, "/fuzz/SCEN001.DAT", std::span<const uint8_t>(data, size), scratch);
  if (!outcome.Loaded) return 0;

  UnitGridState& grid = session->Grid;
  for (int side = 0; side < SideCount; ++side) {
    FillUnitGrid(doc.Slots, grid, side);
    Check(grid.Cells.RowCount() == grid.UnitCount[size_t(side)] + 1);
    ClassifyLeaders(grid);
    SelectGridRow(doc.Slots, grid, grid.UnitCount[size_t(side)]);
    StoreUnitGrid(doc.Slots, grid);
  }
  SwitchSide(doc.Slots, grid, 0);
  TouchRecords(doc.Slots);

  // The saved files' room is kept between runs too, for the same reason.
  static std::vector<uint8_t>& whole = *new std::vector<uint8_t>;
  static std::vector<uint8_t>& map = *new std::vector<uint8_t>;
  WriteSaveFile(doc.Slots, false, whole);
  WriteSaveFile(doc.Slots, true, map);
  Check(map.size() <= whole.size());
  if (doc.Incomplete()) return 0;
  GameFileSlots& back = scratch;  // the previous document's slots, no longer needed
  const RecordLoopResult reread = ReadSaveFileRecords(whole, back);
  Check(!reread.Incomplete());
  // The writer reads nothing but what SameSlots compares, so equal slots
  // save to the same bytes: saving back again would test nothing more.
  Check(SameSlots(doc.Slots, back));
  return 0;
}
