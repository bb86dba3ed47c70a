#include "mapeditor/ui/qrlmapforms.h"

namespace qrl::mapui {

QrlMapForms CreateQrlMapForms(forms::Program& program, map::MapDocument& doc, map::TileCache& tiles,
                              RandomSource& random, const QString& programDir) {
  program.SetTitle(QString::fromUtf8(ProgramTitle));
  // Created one by one in this order; the main window first.
  TMainForm& mainForm = program.CreateForm<TMainForm>(doc, tiles, programDir);
  TCopyForm& copyForm = program.CreateForm<TCopyForm>();
  THexEditForm& hexEditForm = program.CreateForm<THexEditForm>(doc);
  TImportForm& importForm = program.CreateForm<TImportForm>(doc, random);
  TQualityForm& qualityForm = program.CreateForm<TQualityForm>(mainForm.JpegQuality);
  TLoadShp& loadShp = program.CreateForm<TLoadShp>();
  TStratForm& stratForm = program.CreateForm<TStratForm>(mainForm);
  TTransferForm& transferForm = program.CreateForm<TTransferForm>(mainForm);
  TContourForm& contourForm = program.CreateForm<TContourForm>(doc, mainForm.ProgramDir);
  TSDTS& sdts = program.CreateForm<TSDTS>(programDir);
  TIndexForm& indexForm = program.CreateForm<TIndexForm>();
  mainForm.SetPeers({&stratForm, &contourForm, &qualityForm});
  ConnectMapEditingForms(mainForm, hexEditForm, transferForm, indexForm);
  mainForm.ImportForm = &importForm;
  importForm.OnMapChanged = [&mainForm] { mainForm.StoredWithoutUndo(); };
  mainForm.SDTS = &sdts;
  mainForm.CopyForm = &copyForm;
  return QrlMapForms{mainForm, copyForm, hexEditForm, importForm, qualityForm, loadShp,
                     stratForm, transferForm, contourForm, sdts, indexForm};
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
