#include "mapeditor/ui/qrlmapforms.h"

namespace qrl::mapui {

QrlMapForms CreateQrlMapForms(forms::Program& program, map::MapDocument& doc, map::TileCache& tiles,
                              RandomSource& random, const QString& programDir) {
  program.SetTitle(QString::fromUtf8(ProgramTitle));
  // A braced list is evaluated in order: this is the order of creation.
  QrlMapForms forms{
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
  forms.MainForm.ImportForm = &forms.ImportForm;
  forms.MainForm.SDTS = &forms.SDTS;
  return forms;
}

}  // namespace qrl::mapui
