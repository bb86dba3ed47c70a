// QrlMap, the map editor. The document and the tile cache live here for the
// whole run and are handed to the windows; the windows go before them.
#include <QApplication>

#include "forms/program.h"
#include "mapeditor/core/mapdocument.h"
#include "mapeditor/core/tilecache.h"
#include "mapeditor/ui/qrlmapforms.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  qrl::map::MapDocument doc;
  qrl::map::TileCache tiles;
  return qrl::forms::RunProgram([&](qrl::forms::Program& program) {
    qrl::mapui::CreateQrlMapForms(program, doc, tiles, QCoreApplication::applicationDirPath() + "/");
  });
}
