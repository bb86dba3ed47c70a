// qrl_make_samples <output folder>: writes the sample terrain graphics to
// <output folder>/Shp/, the sample map to <output folder>/samples/sample.dat
// and the contour pattern sheet to <output folder>/grid.bmp.
#include <cstdio>
#include <filesystem>
#include <string>

#include "gamefile/fileio.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/core/contourmap.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/tilecache.h"
#include "tools/sampledata/patternsheet.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/sampletiles.h"

namespace {

bool Save(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  if (qrl::SafeSaveFile(path.string(), bytes)) return true;
  std::fprintf(stderr, "qrl_make_samples: cannot write %s\n", path.string().c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qrl_make_samples <output folder>\n");
    return 2;
  }
  const std::filesystem::path out(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(out / "Shp", ec);
  std::filesystem::create_directories(out / "samples", ec);
  bool ok = true;
  for (int file : qrl::sample::SampleShpFileNumbers()) {
    ok = Save(out / "Shp" / qrl::map::ShpFileName(file), qrl::sample::SampleShpFile(file)) && ok;
  }
  ok = Save(out / "samples" / "sample.dat", qrl::map::BuildMapFile(qrl::sample::BuildSampleMap())) && ok;
  ok = Save(out / qrl::map::PatternSheetName, qrl::map::EncodeBmp24(qrl::sample::BuildPatternSheet())) && ok;
  return ok ? 0 : 1;
}
