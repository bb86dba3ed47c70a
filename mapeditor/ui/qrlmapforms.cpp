#include "mapeditor/ui/qrlmapforms.h"

namespace qrl::mapui {

QrlMapForms CreateQrlMapForms(forms::Program& program, map::MapDocument& doc, map::TileCache& tiles,
                              const QString& programDir) {
  program.SetTitle(QString::fromUtf8(ProgramTitle));
  // A braced list is evaluated in order: this is the order of creation.
  return QrlMapForms{
      program.CreateForm<TMainForm>(doc, tiles, programDir),
      program.CreateForm<TCopyForm>(),
      program.CreateForm<THexEditForm>(doc),
      program.CreateForm<TImportForm>(),
      program.CreateForm<TQualityForm>(),
      program.CreateForm<TLoadShp>(),
      program.CreateForm<TStratForm>(),
      program.CreateForm<TTransferForm>(),
      program.CreateForm<TContourForm>(),
      program.CreateForm<TSDTS>(),
      program.CreateForm<TIndexForm>(),
  };
}

}  // namespace qrl::mapui
