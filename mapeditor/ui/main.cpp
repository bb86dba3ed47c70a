// QrlMap, the map editor. The document, the tile cache and the random source
// live here for the whole run and are handed to the windows; the windows go
// before them.
#include <QApplication>

#include "forms/program.h"
#include "gamefile/randomsource.h"
#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/tilecache.h"
#include "mapeditor/ui/qrlmapforms.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qrl::map::MapDocument doc;
  qrl::map::TileCache tiles;
  // The bitmap import's random numbers: never seeded, so each run draws the
  // same sequence.
  qrl::RandomSource random;
  return qrl::forms::RunProgram([&](qrl::forms::Program& program) {
    qrl::mapui::CreateQrlMapForms(program, doc, tiles, random, QCoreApplication::applicationDirPath() + "/");
  });
}
