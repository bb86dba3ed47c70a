#pragma once
// Maps built in code: an empty map of any size, the road connections in both
// directions, and the 100 x 80 sample map.
#include "mapeditor/core/mapdocument.h"

namespace qrl::sample {

// A loaded-looking document of width x height hexes: every per-hex section
// laid out in MapFileBuf in ascending id order (80 rows per column while
// that holds the map, else 240), tile layers empty (0xFFFF), records zero,
// sections 38 and 39 holding the size.
map::MapDocument MakeBlankMap(int width, int height);

enum class RoadKind { Secondary, Paved, Railroad };

// Connects hex `from` with its neighbour in direction `dir` by a road of the
// kind: the presence bit in both hexes and the matching mask bits both ways.
// A neighbour outside the map is left alone; returns the neighbour.
map::HexPos ConnectRoad(map::MapDocument& doc, map::HexPos from, map::HexDir dir, RoadKind kind);

map::HexDir OppositeDir(map::HexDir dir);

// The sample map: varied terrain in section 2, stacks in 28, overlays in 3..7,
// connected secondary roads, a paved road and a railroad in section 8.
map::MapDocument BuildSampleMap();

}  // namespace qrl::sample
