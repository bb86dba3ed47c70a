// Any bytes as a game file through QrlEd's load, then what the position
// editor, the game data window and the battle summary do with it: the list of
// both sides with every sort, marks, box, drop, reset, retain and set, the
// overview, the game data read and stored back, the summary. A retain straight
// after a rebuild must store back the positions it read.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gamefile/gamefileslots.h"
#include "gamefile/strtoint.h"
#include "scenarioeditor/core/battlesummary.h"
#include "scenarioeditor/core/editorsession.h"
#include "scenarioeditor/core/gamedata.h"
#include "scenarioeditor/core/overviewmap.h"
#include "scenarioeditor/core/ownrecords.h"
#include "scenarioeditor/core/positionlist.h"

using namespace qrl;
using namespace qrl::scen;
using RecordLayout::PositionSlot;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void PositionEditor(EditorSession& session, OverviewMap& map, PositionList& list, uint8_t selector) {
  GameFileSlots& fileSlots = session.Document.Slots;
  const int side = selector & 1;
  FillUnitGrid(fileSlots, session.Grid, side);
  const PositionSource source{fileSlots, session.Grid.Cells, UnitProperties[selector % UnitProperties.size()].Offset};
  RebuildPositionList(list, source, side, session.Grid.UnitCount[size_t(side)]);
  Check(list.Cells.RowCount() == list.Rows + 1);

  // Straight after a rebuild Retain stores what it read, the hidden flag as 0 or 1.
  const auto positions = SlotBytes(fileSlots, PositionSlot);
  const std::vector<uint8_t> before(positions.begin(), positions.end());
  RetainPositions(list, fileSlots);
  for (size_t i = 0; i < before.size(); ++i) {
    const bool hiddenFlag = i % RecordLayout::PositionRecordSize == size_t(RecordLayout::Position::Hidden);
    Check(positions[i] == before[i] || (hiddenFlag && positions[i] == 1 && before[i] > 1));
  }

  for (int row = 1; row <= list.Rows; row += 1 + selector % 5) ToggleRowSelection(list, row);
  for (int column = -1; column <= PositionColumnCount; ++column) SortPositionGrid(list, source, column);
  map.Box = RubberBox{selector, 0, 400 - selector, 720, true, false, {}, {}};
  SelectInBox(list, fileSlots, map.Box);
  DrawOverviewMap(map, session.Document, list);
  DropSelected(list, fileSlots, {"50", "-2147483648", "2147483647", "-7", selector % 16}, session.Random);
  DrawOverviewMap(map, session.Document, list);
  RetainPositions(list, fileSlots);
  ResetPositions(list, fileSlots);
  SetSelectedProperty(list, fileSlots, session.Grid.Cells, "-2147483648", "2147483647", source.PropertyOffset,
                      session.Random);
  UnselectAll(list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static EditorSession* session = new EditorSession;
  static OverviewMap* map = new OverviewMap;
  static PositionList* list = new PositionList;
  ScenarioDocument& doc = session->Document;
  doc.GameKind = CurrentGameKind;
  // Kept between runs: a fresh 5 MB buffer per run costs more page faults than the run itself.
  static GameFileSlots& scratch = *new GameFileSlots;
  const LoadOutcome outcome = DecodeSaveFile(doc, "/fuzz/SCEN001.DAT", std::span<const uint8_t>(data, size), scratch);
  if (!outcome.Loaded) return 0;
  doc.NewFileLoaded = true;

  const uint8_t selector = size > 20 ? data[20] : 0;
  PositionEditor(*session, *map, *list, selector);

  GameDataTexts texts = ReadGameData(doc.Slots);
  Check(texts.GameDataPresent == !OwnGameDataRecord(doc.Slots).empty());
  RetainGameData(doc.Slots, texts);
  Check(ReadGameData(doc.Slots).Bytes == texts.Bytes);

  for (int side = 0; side < SideCount; ++side) {
    const BattleSummary summary =
        ComputeBattleSummary(doc.Slots, side, session->Grid.UnitCount[size_t(side)], {"Side 0", "Side 1"});
    Check(summary.Rows.RowCount() >= 1 && summary.Rows.RowCount() <= 257);
  }
  return 0;
}
