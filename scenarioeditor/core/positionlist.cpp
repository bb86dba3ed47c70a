#include "scenarioeditor/core/positionlist.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "gamefile/bytes.h"
#include "gamefile/strtoint.h"
#include "scenarioeditor/core/celltext.h"
#include "scenarioeditor/core/ownrecords.h"

namespace qrl::scen {

using namespace RecordLayout;

namespace {

constexpr int32_t Unselected = 0;
constexpr int32_t Selected = 1;

QString Ascii(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }
int32_t ParseCell(const QString& text) { return StrToInt(text.toStdString()); }
int32_t ClampTo32(int64_t value) {
  return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool ValidSide(int side) { return side >= 0 && side < SideCount; }

void WriteHeadings(CellTable& cells) {
  for (int col = 0; col < PositionColumnCount; ++col) cells.SetCell(col, 0, Ascii(PositionHeadings[size_t(col)]));
}

// X and Y of a present position record, signed.
void ShowXY(CellTable& cells, int row, std::span<const uint8_t> position) {
  cells.SetCell(PosXColumn, row, QString::number(ReadLe16Signed(position.data() + Position::X)));
  cells.SetCell(PosYColumn, row, QString::number(ReadLe16Signed(position.data() + Position::Y)));
}

void FillPositionCells(CellTable& cells, int row, std::span<const uint8_t> position) {
  if (position.empty()) {
    for (int col : {PosXColumn, PosYColumn, PosHiddenColumn}) cells.SetCell(col, row, Ascii(AbsentRecordText));
    return;
  }
  ShowXY(cells, row, position);
  cells.SetCell(PosHiddenColumn, row, QString::number(position[Position::Hidden]));
}

QString PropertyText(const PositionSource& source, int side, int unit) {
  if (source.PropertyOffset == NoProperty) return Ascii(NoPropertyText);
  const auto value = FieldByte(OwnUnitRecord(source.Slots, side, unit), source.PropertyOffset);
  return value ? QString::number(*value) : Ascii(AbsentRecordText);
}

void FillRow(PositionList& list, const PositionSource& source, int r, bool withMark) {
  const int row = r + 1;
  const int unit = list.RowUnitMap[size_t(r)];
  CellTable& cells = list.Cells;
  cells.SetCell(PosNumberColumn, row, QString::number(unit));
  QString label = source.MainCells.Cell(UnitLabelColumn, unit + 1);
  if (withMark && list.UnitSelected[size_t(unit)]) label += SelectionMark;
  cells.SetCell(PosLabelColumn, row, label);
  cells.SetCell(PosNameColumn, row, source.MainCells.Cell(UnitNameColumn, unit + 1));
  FillPositionCells(cells, row, OwnPositionRecord(source.Slots, list.Side, unit));
  cells.SetCell(PosPropertyColumn, row, PropertyText(source, list.Side, unit));
}

int UnitOfRow(const PositionList& list, int r) { return list.RowUnitMap[size_t(r)]; }
QString LabelOfRow(const PositionList& list, int r) { return list.Cells.Cell(PosLabelColumn, r + 1); }
bool RowMarked(const PositionList& list, int r) { return IsMarked(LabelOfRow(list, r)); }

void SetMark(PositionList& list, int r, bool on) {
  QString label = LabelOfRow(list, r);
  if (on && !IsMarked(label)) label += SelectionMark;
  if (!on && IsMarked(label)) label.chop(1);
  list.Cells.SetCell(PosLabelColumn, r + 1, label);
  list.UnitSelected[size_t(UnitOfRow(list, r))] = uint8_t(on ? Selected : Unselected);
}

bool HasPosition(const PositionList& list, const GameFileSlots& fileSlots, int r) {
  return !OwnPositionRecord(fileSlots, list.Side, UnitOfRow(list, r)).empty();
}

// Runs action(r, position record) for every row whose unit has a position
// record, in list order; true when rows without one were skipped.
template <class Slots, class RowAction>
bool ForRowsWithPosition(const PositionList& list, Slots& fileSlots, RowAction action) {
  bool skipped = false;
  for (int r = 0; r < list.Rows; ++r) {
    const auto position = OwnPositionRecord(fileSlots, list.Side, UnitOfRow(list, r));
    if (position.empty())
      skipped = true;
    else
      action(r, position);
  }
  return skipped;
}

// One candidate of a drop: the side of each offset, then the offsets, drawn in that order.
struct Candidate {
  int64_t X, Y;
};
Candidate DrawCandidate(int64_t cx, int64_t cy, const DropInput& input, RandomSource& random) {
  const int32_t sx = random.RandomBelow(2);
  const int32_t sy = random.RandomBelow(2);
  const int64_t ox = random.RandomBelow(ParseCell(input.RangeX));
  const int64_t oy = random.RandomBelow(ParseCell(input.RangeY));
  return {sx != 0 ? cx + ox : cx - ox, sy != 0 ? cy + oy : cy - oy};
}

int64_t SquaredDistance(const Candidate& c, int64_t cx, int64_t cy) {
  return (c.X - cx) * (c.X - cx) + (c.Y - cy) * (c.Y - cy);
}

}  // namespace

int32_t SelectedPropertyOffset(const QString& text) {
  for (const UnitProperty& property : UnitProperties)
    if (text == Ascii(property.Name)) return property.Offset;
  return NoProperty;
}

bool IsMarked(const QString& label) { return label.endsWith(SelectionMark); }

void RebuildPositionList(PositionList& list, const PositionSource& source, int side, int unitCount) {
  list.Side = ValidSide(side) ? side : NoSide;
  list.Rows = list.Side == NoSide ? 0 : std::clamp(unitCount, 0, UnitsPerSide);
  std::iota(list.RowUnitMap.begin(), list.RowUnitMap.end(), 0);
  list.Cells.SetRowCount(list.Rows + 1);
  WriteHeadings(list.Cells);
  for (int r = 0; r < list.Rows; ++r) FillRow(list, source, r, false);
}

void FillPositionGrid(PositionList& list, const PositionSource& source) {
  for (int r = 0; r < list.Rows; ++r) FillRow(list, source, r, true);
}

void ToggleRowSelection(PositionList& list, int row) {
  const int r = row - 1;
  if (r < 0 || r >= list.Rows) return;
  SetMark(list, r, !RowMarked(list, r));
}

bool SelectInBox(PositionList& list, const GameFileSlots& fileSlots, const RubberBox& box) {
  if (!box.BoxDrawn) return false;
  return ForRowsWithPosition(list, fileSlots, [&](int r, std::span<const uint8_t>) {
    const int32_t x = ParseCell(list.Cells.Cell(PosXColumn, r + 1));
    const int32_t y = ParseCell(list.Cells.Cell(PosYColumn, r + 1));
    if (InsideBox(box, x, y) && !RowMarked(list, r)) SetMark(list, r, true);
  });
}

void UnselectAll(PositionList& list) {
  for (int r = 0; r < list.Rows; ++r)
    if (RowMarked(list, r)) SetMark(list, r, false);
}

void SortPositionGrid(PositionList& list, const PositionSource& source, int column) {
  if (column < 0 || column >= SortableColumnCount) return;
  list.UnitSelected.fill(Unselected);
  for (int r = 0; r < list.Rows; ++r)
    if (RowMarked(list, r)) list.UnitSelected[size_t(UnitOfRow(list, r))] = Selected;
  std::iota(list.RowUnitMap.begin(), list.RowUnitMap.end(), 0);
  FillPositionGrid(list, source);

  // The keys are read once from the list in unit order (row u + 1 shows unit
  // u), before any entry moves, so RowUnitMap always matches the rows shown.
  std::vector<int> order(size_t(list.Rows));
  std::iota(order.begin(), order.end(), 0);
  if (column == PosNameColumn) {
    std::vector<std::string> names;
    for (int u = 0; u < list.Rows; ++u) names.push_back(BytesFromText(list.Cells.Cell(column, u + 1)));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return names[size_t(a)] < names[size_t(b)]; });
  } else {
    // Numbers; a row without a value sorts after every number.
    constexpr int64_t Last = std::numeric_limits<int64_t>::max();
    std::vector<int64_t> keys;
    for (int u = 0; u < list.Rows; ++u) {
      const QString cell = list.Cells.Cell(column, u + 1);
      if (column == PosLabelColumn)
        keys.push_back(IsMarked(cell) ? 0 : 1);
      else if (column != PosNumberColumn && OwnPositionRecord(source.Slots, list.Side, u).empty())
        keys.push_back(Last);
      else
        keys.push_back(ParseCell(cell));
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
  }
  for (int r = 0; r < list.Rows; ++r) list.RowUnitMap[size_t(r)] = order[size_t(r)];
  FillPositionGrid(list, source);
}

bool DropSelected(PositionList& list, const GameFileSlots& fileSlots, const DropInput& input, RandomSource& random) {
  const int64_t cx = ParseCell(input.DropX);
  const int64_t cy = ParseCell(input.DropY);
  bool skipped = false;
  for (int r = 0; r < list.Rows; ++r) {
    if (!RowMarked(list, r)) continue;
    if (!HasPosition(list, fileSlots, r)) {
      skipped = true;
      continue;
    }
    Candidate kept = DrawCandidate(cx, cy, input, random);
    int64_t keptDistance = SquaredDistance(kept, cx, cy);
    for (int k = 0; k < input.Density; ++k) {
      const Candidate next = DrawCandidate(cx, cy, input, random);
      const int64_t distance = SquaredDistance(next, cx, cy);
      if (distance < keptDistance) {
        kept = next;
        keptDistance = distance;
      }
    }
    list.Cells.SetCell(PosXColumn, r + 1, QString::number(ClampTo32(kept.X)));
    list.Cells.SetCell(PosYColumn, r + 1, QString::number(ClampTo32(kept.Y)));
  }
  return skipped;
}

bool ResetPositions(PositionList& list, const GameFileSlots& fileSlots) {
  return ForRowsWithPosition(list, fileSlots,
                             [&](int r, std::span<const uint8_t> position) { ShowXY(list.Cells, r + 1, position); });
}

bool RetainPositions(const PositionList& list, GameFileSlots& fileSlots) {
  return ForRowsWithPosition(list, fileSlots, [&](int r, std::span<uint8_t> position) {
    const int row = r + 1;
    SetFieldLe16(position, Position::X, uint16_t(ParseCell(list.Cells.Cell(PosXColumn, row))));
    SetFieldLe16(position, Position::Y, uint16_t(ParseCell(list.Cells.Cell(PosYColumn, row))));
    SetFieldByte(position, Position::Hidden, ParseCell(list.Cells.Cell(PosHiddenColumn, row)) != 0 ? 1 : 0);
  });
}

SetOutcome SetSelectedProperty(PositionList& list, GameFileSlots& fileSlots, const CellTable& mainCells,
                               const QString& minText, const QString& maxText, int32_t propertyOffset,
                               RandomSource& random) {
  const int64_t min = ParseCell(minText);
  const int64_t max = ParseCell(maxText);
  const int64_t n = max - min + 1;
  SetOutcome outcome;
  if (propertyOffset == NoProperty) return outcome;
  outcome.Ran = true;
  for (int r = 0; r < list.Rows; ++r) {
    if (!RowMarked(list, r)) continue;
    const auto unit = OwnUnitRecord(fileSlots, list.Side, UnitOfRow(list, r));
    if (unit.empty()) {
      outcome.SkippedUnits = true;
      continue;
    }
    const int64_t value = min + random.RandomBelowWide(n);
    SetFieldByte(unit, propertyOffset, uint8_t(uint64_t(value) & 0xFF));
    SetFieldByte(unit, Unit::Changed, 1);
  }
  FillPositionGrid(list, PositionSource{fileSlots, mainCells, propertyOffset});
  return outcome;
}

}  // namespace qrl::scen
