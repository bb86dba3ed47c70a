#pragma once
// The dense view the drawing benchmarks measure: every cell with a base tile,
// a full stack, five overlays, all three road kinds connected in every
// direction, shown with connection lines, markers and the grid.
#include <string>

#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/maprenderer.h"

namespace qrl::bench {

// A fresh temporary folder, ending in "/", removed with everything in it
// when the object goes.
struct TemporaryFolder {
  explicit TemporaryFolder(const std::string& tag);
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  std::string Path;
};

// A temporary folder holding the sample terrain graphics, ending in "/".
const std::string& ShpFolder();

// Makes hex (col, row) dense: a base tile, a full stack, five overlays, all
// three road kinds connected in every direction.
void MakeHexDense(map::MapDocument& doc, int col, int row);

// A map of exactly one view, ViewCols x ViewRows hexes.
const map::MapDocument& DenseMap();

// Show All Road Connections and Show Hexes on.
map::MapViewOptions DenseOptions();

}  // namespace qrl::bench
