#include "bench/densemap.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

#include "gamefile/fileio.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/sampletiles.h"

namespace qrl::bench {

using namespace qrl::map;

namespace {

constexpr int OverlayFiles[] = {9, 43, 23, 27, 22};

}  // namespace

TemporaryFolder::TemporaryFolder(const std::string& tag) {
  std::string pattern = (std::filesystem::temp_directory_path() / ("qrl-bench-" + tag + "-XXXXXX")).string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  Path = pattern + "/";
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ec;
  std::filesystem::remove_all(Path, ec);
}

// The sample terrain graphics, removed when the benchmark program ends.
struct TemporaryShpFolder : TemporaryFolder {
  TemporaryShpFolder() : TemporaryFolder("shp") {
    for (int file : qrl::sample::SampleShpFileNumbers())
      if (!qrl::SafeSaveFile(Path + ShpFileName(file), qrl::sample::SampleShpFile(file)))
        throw std::runtime_error("cannot write the sample terrain graphics");
  }
};

const std::string& ShpFolder() {
  static const TemporaryShpFolder folder;
  return folder.Path;
}

void MakeHexDense(MapDocument& d, int col, int row) {
  d.SetTileWordAt(BaseLayerSection, col, row, MakeTileWord(row % 4, (col + 3 * row) % 45));
  auto stack = d.TileStackAt(col, row);
  stack[TileStackCountByte] = TileStackMaxTiles;
  for (int i = 0; i < TileStackMaxTiles; ++i)
    PutTileWord(&stack[size_t(TileStackFirstWord + 2 * i)], MakeTileWord(26, (col + 5 * i) % 30));
  for (int s = FirstOverlaySection; s <= LastOverlaySection; ++s)
    d.SetTileWordAt(s, col, row, MakeTileWord(OverlayFiles[s - FirstOverlaySection], (col + row) % 8));
  auto rec = d.MapHexRecordAt(col, row);
  rec[0] = SecondaryRoadBit | PavedRoadBit;
  rec[2] = RailroadBit;
  rec[HexRecord::SecondaryRoadMask] = rec[HexRecord::PavedRoadMask] = rec[HexRecord::RailroadMask] = AllHexDirs;
}

const MapDocument& DenseMap() {
  static const MapDocument doc = [] {
    MapDocument d = qrl::sample::MakeBlankMap(ViewCols, ViewRows);
    for (int col = 0; col < ViewCols; ++col)
      for (int row = 0; row < ViewRows; ++row) MakeHexDense(d, col, row);
    return d;
  }();
  return doc;
}

MapViewOptions DenseOptions() {
  MapViewOptions options;
  options.ShowAllRoadConnections1 = true;
  options.ShowHexes1 = true;
  return options;
}

}  // namespace qrl::bench
