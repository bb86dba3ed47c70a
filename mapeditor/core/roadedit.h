#pragma once
// Road editing by mouse: switching a road kind on or off in a hex, switching
// a road connection from one hex toward a neighbour, the two-click state of
// connection editing, and the check marks of the Roads menu.
#include <cstdint>
#include <optional>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

// RoadClickState: 0 no road click mode; 1 "Toggle Road", or "Toggle Road
// Connection" waiting for its first hex; 2 the first hex of a connection chosen.
inline constexpr int NoRoadClick = 0;
inline constexpr int RoadClickWaiting = 1;
inline constexpr int RoadFirstHexChosen = 2;

// The road kinds checked in the Roads menu.
struct RoadKinds {
  bool Paved = false;
  bool Secondary = false;
  bool Railroad = false;
};

// "Toggle Road": inverts the presence bit of each checked kind in the hex's
// MapHexRecord. True when it stored something: a kind is checked and the hex
// has a record.
bool ToggleRoad(MapDocument& doc, int col, int row, RoadKinds kinds);

// The HexDirMask bit pointing from `first` to `clicked`; none when `clicked`
// is no neighbour of `first` (`first` itself included).
std::optional<HexDir> ConnectionDirection(HexPos first, HexPos clicked);

// The MapHexRecord byte of the connection mask edited: railroad before paved
// road before secondary road.
int ConnectionMaskByte(RoadKinds kinds);

// Inverts, in the first hex's mask only, the bit toward `clicked`. True when
// it stored something: `clicked` is a neighbour and the first hex has a record.
bool ToggleRoadConnection(MapDocument& doc, HexPos first, HexPos clicked, RoadKinds kinds);

// One click of "Toggle Road Connection" on `clicked`.
struct ConnectionClickOutcome {
  int RoadClickState = RoadClickWaiting;
  HexPos RoadFirst;     // the first hex of the pair, kept or newly chosen
  bool Redraw = false;  // the second click of a pair redraws, stored or not
  bool Stored = false;  // the second click changed the first hex's mask
};
// State 1 remembers `clicked` as the first hex (state 2); any other state
// toggles the connection from `first` to `clicked` and starts a new pair.
ConnectionClickOutcome ConnectionClick(MapDocument& doc, int roadClickState, HexPos first, HexPos clicked,
                                       RoadKinds kinds);

// The seven check items of the Roads menu.
enum class RoadsMenuItem {
  ShowAllRoadConnections1,
  ShowRoadConnections1,
  ToggleRoadConnection1,
  ToggleRoad1,
  PavedRoad1,
  SecondaryRoad1,
  Railroad1,
};

struct RoadsMenuMarks {
  bool ShowAllRoadConnections1 = false;
  bool ShowRoadConnections1 = false;
  bool ToggleRoadConnection1 = false;
  bool ToggleRoad1 = false;
  bool PavedRoad1 = false;
  bool SecondaryRoad1 = false;
  bool Railroad1 = false;
  bool operator==(const RoadsMenuMarks&) const = default;
};

struct RoadsMenuState {
  RoadsMenuMarks Marks;
  int RoadClickState = NoRoadClick;
  bool operator==(const RoadsMenuState&) const = default;
};

// The marks and the road click state after a click on `item`, by the item's
// own mark before the click; marks the item does not name keep their state.
RoadsMenuState RoadsMenuClick(RoadsMenuItem item, const RoadsMenuState& before);

}  // namespace qrl::map
