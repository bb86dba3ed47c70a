#include "mapeditor/core/roadedit.h"

#include <array>
#include <span>
#include <vector>

namespace qrl::map {

bool ToggleRoad(MapDocument& doc, int col, int row, RoadKinds kinds) {
  if (!kinds.Paved && !kinds.Secondary && !kinds.Railroad) return false;
  const std::span<uint8_t> record = doc.MapHexRecordAt(col, row);
  if (record.empty()) return false;
  if (kinds.Paved) record[0] ^= PavedRoadBit;
  if (kinds.Secondary) record[0] ^= SecondaryRoadBit;
  if (kinds.Railroad) record[2] ^= RailroadBit;
  return true;
}

std::optional<HexDir> ConnectionDirection(HexPos first, HexPos clicked) {
  for (HexDir dir : {DirE, DirW, DirSE, DirSW, DirNW, DirNE}) {
    if (HexNeighbour(first, dir) == clicked) return dir;
  }
  return std::nullopt;
}

int ConnectionMaskByte(RoadKinds kinds) {
  if (kinds.Railroad) return HexRecord::RailroadMask;
  if (kinds.Paved) return HexRecord::PavedRoadMask;
  return HexRecord::SecondaryRoadMask;
}

bool ToggleRoadConnection(MapDocument& doc, HexPos first, HexPos clicked, RoadKinds kinds) {
  const std::optional<HexDir> dir = ConnectionDirection(first, clicked);
  if (!dir) return false;
  const std::span<uint8_t> record = doc.MapHexRecordAt(first.Col, first.Row);
  if (record.empty()) return false;
  record[size_t(ConnectionMaskByte(kinds))] ^= *dir;
  return true;
}

ConnectionClickOutcome ConnectionClick(MapDocument& doc, int roadClickState, HexPos first, HexPos clicked,
                                       RoadKinds kinds) {
  ConnectionClickOutcome outcome;
  if (roadClickState == RoadClickWaiting) {
    outcome.RoadClickState = RoadFirstHexChosen;
    outcome.RoadFirst = clicked;
    return outcome;
  }
  outcome.RoadClickState = RoadClickWaiting;
  outcome.RoadFirst = first;
  outcome.Stored = ToggleRoadConnection(doc, first, clicked, kinds);
  outcome.Redraw = true;
  return outcome;
}

namespace {

using Mark = bool RoadsMenuMarks::*;

struct MarkChange {
  Mark Item;
  bool On;
};

// What a click does while the item's own mark is off, or on.
struct RoadsMenuEffect {
  std::vector<MarkChange> Marks;
  std::optional<int> RoadClickState;  // none: the state stays
};

struct RoadsMenuRow {
  RoadsMenuItem Item;
  Mark Own;
  RoadsMenuEffect WhileOff;
  RoadsMenuEffect WhileOn;
};

const std::vector<RoadsMenuRow>& RoadsMenuTable() {
  using M = RoadsMenuMarks;
  using I = RoadsMenuItem;
  constexpr bool on = true;
  constexpr bool off = false;
  static const std::vector<RoadsMenuRow> table = {
      {I::ShowRoadConnections1, &M::ShowRoadConnections1,
       {{{&M::ShowRoadConnections1, on}, {&M::ShowAllRoadConnections1, off}}, std::nullopt},
       {{{&M::ShowRoadConnections1, off}}, std::nullopt}},
      {I::ToggleRoadConnection1, &M::ToggleRoadConnection1,
       {{{&M::ToggleRoadConnection1, on},
         {&M::ShowRoadConnections1, on},
         {&M::ShowAllRoadConnections1, off},
         {&M::ToggleRoad1, off}},
        RoadClickWaiting},
       {{{&M::ToggleRoadConnection1, off}}, NoRoadClick}},
      {I::ToggleRoad1, &M::ToggleRoad1,
       {{{&M::ToggleRoad1, on},
         {&M::ShowRoadConnections1, on},
         {&M::ShowAllRoadConnections1, off},
         {&M::ToggleRoadConnection1, off}},
        RoadClickWaiting},
       {{{&M::ToggleRoad1, off}}, NoRoadClick}},
      {I::PavedRoad1, &M::PavedRoad1,
       {{{&M::PavedRoad1, on}, {&M::Railroad1, off}, {&M::SecondaryRoad1, off}, {&M::ShowAllRoadConnections1, off}},
        std::nullopt},
       {{{&M::PavedRoad1, off}}, std::nullopt}},
      {I::SecondaryRoad1, &M::SecondaryRoad1,
       {{{&M::PavedRoad1, off}, {&M::Railroad1, off}, {&M::SecondaryRoad1, on}, {&M::ShowAllRoadConnections1, off}},
        std::nullopt},
       {{{&M::SecondaryRoad1, off}}, std::nullopt}},
      {I::Railroad1, &M::Railroad1,
       {{{&M::PavedRoad1, off}, {&M::Railroad1, on}, {&M::SecondaryRoad1, off}, {&M::ShowAllRoadConnections1, off}},
        std::nullopt},
       {{{&M::Railroad1, off}}, std::nullopt}},
      {I::ShowAllRoadConnections1, &M::ShowAllRoadConnections1,
       {{{&M::ShowAllRoadConnections1, on},
         {&M::ShowRoadConnections1, off},
         {&M::Railroad1, off},
         {&M::SecondaryRoad1, off},
         {&M::PavedRoad1, off}},
        std::nullopt},
       {{{&M::ShowAllRoadConnections1, off}}, std::nullopt}},
  };
  return table;
}

}  // namespace

RoadsMenuState RoadsMenuClick(RoadsMenuItem item, const RoadsMenuState& before) {
  RoadsMenuState after = before;
  for (const RoadsMenuRow& row : RoadsMenuTable()) {
    if (row.Item != item) continue;
    const RoadsMenuEffect& effect = before.Marks.*row.Own ? row.WhileOn : row.WhileOff;
    for (const MarkChange& change : effect.Marks) after.Marks.*change.Item = change.On;
    if (effect.RoadClickState) after.RoadClickState = *effect.RoadClickState;
  }
  return after;
}

}  // namespace qrl::map
