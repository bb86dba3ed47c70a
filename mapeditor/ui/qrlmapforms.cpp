#include "mapeditor/ui/qrlmapforms.h"

namespace qrl::mapui {

QrlMapForms CreateQrlMapForms(forms::Program& program, map::MapDocument& doc, map::TileCache& tiles,
                              RandomSource& random, const QString& programDir) {
  program.SetTitle(QString::fromUtf8(ProgramTitle));
  // A braced list is evaluated in order: this is the order of creation.
  QrlMapForms windows{
      program.CreateForm<TMainForm>(doc, tiles, programDir),
      program.CreateForm<TCopyForm>(),
      program.CreateForm<THexEditForm>(),
      program.CreateForm<TImportForm>(doc, random),
      program.CreateForm<TQualityForm>(),
      program.CreateForm<TLoadShp>(),
      program.CreateForm<TStratForm>(),
      program.CreateForm<TTransferForm>(),
      program.CreateForm<TContourForm>(),
      program.CreateForm<TSDTS>(programDir),
      program.CreateForm<TIndexForm>(),
  };
  windows.MainForm.ImportForm = &windows.ImportForm;
  windows.MainForm.SDTS = &windows.SDTS;
  return windows;
}

}  // namespace qrl::mapui
