#include "mapeditor/ui/qrlmapforms.h"

namespace qrl::mapui {

QrlMapForms CreateQrlMapForms(forms::Program& program, map::MapDocument& doc, map::TileCache& tiles,
                              const QString& programDir) {
  program.SetTitle(QString::fromUtf8(ProgramTitle));
  TMainForm& mainForm = program.CreateForm<TMainForm>(doc, tiles, programDir);
  // A braced list is evaluated in order: this is the order of creation.
  QrlMapForms forms{
      mainForm,
      program.CreateForm<TCopyForm>(),
      program.CreateForm<THexEditForm>(doc),
      program.CreateForm<TImportForm>(),
      program.CreateForm<TQualityForm>(),
      program.CreateForm<TLoadShp>(),
      program.CreateForm<TStratForm>(),
      program.CreateForm<TTransferForm>(mainForm),
      program.CreateForm<TContourForm>(),
      program.CreateForm<TSDTS>(),
      program.CreateForm<TIndexForm>(),
  };
  ConnectMapEditingForms(forms.MainForm, forms.HexEditForm, forms.TransferForm, forms.IndexForm);
  forms.MainForm.CopyForm = &forms.CopyForm;
  return forms;
}

void ConnectMapEditingForms(TMainForm& mainForm, THexEditForm& hexEditForm, TTransferForm& transferForm,
                            TIndexForm& indexForm) {
  mainForm.HexEditForm = &hexEditForm;
  hexEditForm.SetHost({
      .MouseHex = [&mainForm] { return map::HexPos{mainForm.Mouse.HexCol, mainForm.Mouse.HexRow}; },
      .TakeUndoRecord = [&mainForm](map::HexPos hex) { mainForm.SaveUndoHex(hex.Col, hex.Row); },
      .StoredWithoutUndo = [&mainForm] { mainForm.StoredWithoutUndo(); },
      .SaveDialog = &mainForm.SaveDialog1,
  });
  mainForm.TransferForm = &transferForm;
  transferForm.IndexForm = &indexForm;
  indexForm.TransferForm = &transferForm;
}

}  // namespace qrl::mapui
