// A game file, then a dump loaded over it, then the hex view at any slot,
// offset and line width, scrolled to its ends, with a Retain at any cell.
// Input: 12 control bytes, a 32-bit length L, L bytes of game file, the
// rest the dump file's bytes. Control: [0] bit 0 Load All / Ld Sec, bits 1-2
// the display mode; [1] the dump slot; [2] the hex slot; [3..4] the line
// width as typed (any number, refused outside 1..256); [5..8] HexOffset;
// [9] Retain's column, [10] its row, [11] the text typed (a character).
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <tuple>

#include "gamefile/bytes.h"
#include "gamefile/strtoint.h"
#include "scenarioeditor/core/hexview.h"
#include "scenarioeditor/core/scenariodocument.h"
#include "scenarioeditor/core/sectiondump.h"

using namespace qrl;
using namespace qrl::scen;

namespace {

constexpr size_t ControlBytes = 12;
constexpr size_t LengthBytes = 4;
constexpr int ScrollLimit = 64;  // enough to reach the end of a small image

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckView(const GameFileSlots& fileSlots, const HexViewState& view) {
  const CellTable cells = FillHexGrid(fileSlots, view);
  Check(cells.ColumnCount() == HexColumnCount(view.BytesPerLine));
  Check(cells.RowCount() == HexRows);
  // Each line's first and last cells and the first beyond the line.
  for (int row = 1; row < HexRows; ++row)
    for (int col : {1, view.BytesPerLine, view.BytesPerLine + 1}) {
      const auto position = HexCellPosition(fileSlots, view, col, row);
      Check(position.has_value() != cells.Cell(col, row).isEmpty());
      if (position) Check(*position >= 0 && *position < LoadedImageSize(fileSlots));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < ControlBytes + LengthBytes) return 0;
  static ScenarioDocument& doc = *new ScenarioDocument;
  static GameFileSlots& scratch = *new GameFileSlots;
  const std::span<const uint8_t> input(data, size);
  const std::span<const uint8_t> control = input.first(ControlBytes);
  const size_t gameLength = std::min<size_t>(ReadLe32(data + ControlBytes), size - ControlBytes - LengthBytes);
  const std::span<const uint8_t> game = input.subspan(ControlBytes + LengthBytes, gameLength);
  const std::span<const uint8_t> dump = input.subspan(ControlBytes + LengthBytes + gameLength);
  if (!DecodeSaveFile(doc, "/fuzz/SCEN001.DAT", game, scratch).Loaded) return 0;

  const DumpListing listing = ListDumpSlots(doc.Slots);
  Check(listing.Cells.RowCount() == int(listing.RowSlots.size()) + 1);
  DumpSelection selection;
  selection.Rebuilt(listing);
  selection.SelectRow(control[1]);
  const int64_t imageSize = LoadedImageSize(doc.Slots);
  Check(int64_t(AllSectionsDump(doc.Slots).size()) <= imageSize);
  DumpStatsText(doc.Slots, doc.CurrentFile);

  const GameFileSlots& image = doc.Slots;
  const auto tablesBefore = std::make_tuple(image.SlotOffset, image.SlotSize, image.SlotId);
  const bool loadAll = (control[0] & 1) != 0;
  const int dumpSlot = loadAll ? 0 : selection.SelectedSlot();
  const size_t room = loadAll ? size_t(imageSize) : SectionDump(image, dumpSlot).size();
  const auto box = loadAll ? LoadAllDumpBytes(doc, dump) : LoadSectionDumpBytes(doc, dumpSlot, dump);
  Check(box.has_value() == (dump.size() > room));
  Check(tablesBefore == std::make_tuple(image.SlotOffset, image.SlotSize, image.SlotId));

  HexViewState view;
  view.Mode = HexMode((control[0] >> 1) % 3);
  SetHexSection(view, control[2]);
  SetBytesPerLine(view, QString::number(int16_t(ReadLe16(control.data() + 3))));
  view.HexOffset = ReadLe32(control.data() + 5);
  CheckView(doc.Slots, view);
  for (int i = 0; i < ScrollLimit && PageDown(doc.Slots, view); ++i) {
  }
  for (int i = 0; i < ScrollLimit && LineDown(doc.Slots, view); ++i) {
  }
  CheckView(doc.Slots, view);
  const QString typed{QChar(char16_t(control[11]))};
  try {
    RetainHexCell(doc.Slots, view, control[9] % (MaxBytesPerLine + 2), control[10] % (HexRows + 1), typed);
  } catch (const ConversionError&) {
  }
  PageUp(view);
  LineUp(view);
  Check(view.HexOffset >= 0);
  CheckView(doc.Slots, view);
  return 0;
}
