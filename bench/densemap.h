#pragma once
// The dense view the drawing benchmarks measure: every cell with a base tile,
// a full stack, five overlays, all three road kinds connected in every
// direction, shown with connection lines, markers and the grid.
#include <string>

#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/maprenderer.h"

namespace qrl::bench {

// A temporary folder holding the sample terrain graphics, ending in "/".
const std::string& ShpFolder();

// A map of exactly one view, ViewCols x ViewRows hexes.
const map::MapDocument& DenseMap();

// Show All Road Connections and Show Hexes on.
map::MapViewOptions DenseOptions();

}  // namespace qrl::bench
