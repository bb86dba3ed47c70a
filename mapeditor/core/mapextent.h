#pragma once
// How much of a map the overview pictures draw. Sections 38 and 39 may claim
// up to 65535 columns and rows whatever the file holds; a picture sized and
// looped by those claims would take gigabytes and hours. The pictures are
// bounded by the hexes the file actually stores.
#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

struct MapExtent {
  int Cols = 0;
  int Rows = 0;
};

// Cols = min(MapWidth, the columns section 8 holds at least in part),
// Rows = min(MapHeight, MapStride). Hexes inside the extent may still lack a
// record (a last column held in part): the per-hex accessors tell.
MapExtent StoredMapExtent(const MapDocument& doc);

}  // namespace qrl::map
