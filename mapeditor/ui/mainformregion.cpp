// The main window's region commands: whole hexes of a rectangle copied as
// RegionText to a file or the clipboard, and pasted back from either.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QToolButton>

#include "forms/messages.h"
#include "gamefile/fileio.h"
#include "gamefile/strtoint.h"
#include "mapeditor/core/regiontext.h"
#include "mapeditor/ui/copyform.h"
#include "mapeditor/ui/localpath.h"
#include "mapeditor/ui/mainform.h"

namespace qrl::mapui {

namespace {

constexpr const char* ErrorCaption = "Error";
constexpr const char* CopyAborted = "Copy Aborted";
constexpr const char* NoMapLoaded = "No map is loaded.";
constexpr const char* RegionOutside = "The region lies outside the map.";
constexpr const char* CopyFileFailed = "Could not open copy file.";
constexpr const char* PasteFileFailed = "Can't open Paste file";
constexpr const char* PasteFileInvalid = "Data in Paste file is invalid";
constexpr const char* NoClipboardText = "The clipboard does not contain text.";
constexpr const char* NoClipboardTextCaption = "ClipBoard Paste Error";
constexpr const char* ClipboardInvalid = "Data on clipboard is invalid";
constexpr const char* ClipboardInvalidCaption = "Clipboard Paste Error";

int32_t EditValue(const QLineEdit* edit) { return StrToInt(edit->text().toStdString()); }

}  // namespace

std::optional<map::RegionRect> TMainForm::AskRegionToCopy() {
  if (!CopyForm) return std::nullopt;
  CopyForm->PrepareForCopy();
  if (!CopyForm->ShowModal()) return std::nullopt;
  // Parsed in this order, so that of several bad edits the first of these is named.
  map::RegionRect rect;
  rect.X0 = EditValue(CopyForm->X0Edit);
  rect.X1 = EditValue(CopyForm->X1Edit);
  rect.Y0 = EditValue(CopyForm->Y0Edit);
  rect.Y1 = EditValue(CopyForm->Y1Edit);
  return rect;
}

std::optional<map::HexPos> TMainForm::AskPasteTarget() {
  if (!CopyForm) return std::nullopt;
  CopyForm->PrepareForPaste();
  if (!CopyForm->ShowModal()) return std::nullopt;
  return map::HexPos{EditValue(CopyForm->X0Edit), EditValue(CopyForm->Y0Edit)};
}

bool TMainForm::RegionCanBeCopied(const map::RegionRect& rect) {
  switch (map::CheckRegionCopy(Doc, rect)) {
    case map::RegionCopyCheck::Copy: return true;
    case map::RegionCopyCheck::Empty: return false;
    case map::RegionCopyCheck::NoMap: forms::ShowMessage(this, NoMapLoaded, CopyAborted); return false;
    case map::RegionCopyCheck::OutsideMap: forms::ShowMessage(this, RegionOutside, CopyAborted); return false;
  }
  return false;
}

void TMainForm::RegionPasted(const map::RegionPasteResult& result) {
  if (result.HexesWritten > 0) StoredWithoutUndo();
}

void TMainForm::CopyToFile1Click() {
  const auto rect = AskRegionToCopy();
  if (!rect || !SaveDialog1.Execute()) return;
  if (!RegionCanBeCopied(*rect)) return;
  if (!SafeSaveFile(LocalPath(SaveDialog1.FileName()), map::RegionText(Doc, *rect)))
    forms::ShowMessage(this, CopyFileFailed, ErrorCaption);
}

void TMainForm::CopyToClipboard1Click() {
  const auto rect = AskRegionToCopy();
  if (!rect || !RegionCanBeCopied(*rect)) return;
  const std::string text = map::RegionText(Doc, *rect);
  QGuiApplication::clipboard()->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
}

void TMainForm::PasteFromFile1Click() {
  const auto target = AskPasteTarget();
  if (!target || !OpenDialog1.Execute()) return;
  const auto file = ReadWholeFile(LocalPath(OpenDialog1.FileName()));
  if (!file) return forms::ShowMessage(this, PasteFileFailed, ErrorCaption);
  const std::string_view text(reinterpret_cast<const char*>(file->data()), file->size());
  const map::RegionPasteResult result = map::PasteRegionText(Doc, target->Col, target->Row, text, map::RegionSource::File);
  if (result.Status == map::RegionPasteStatus::BadHeader) return forms::ShowMessage(this, PasteFileInvalid, ErrorCaption);
  RegionPasted(result);
}

void TMainForm::PasteFromClipboard1Click() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const QString clipboardText = data && data->hasText() ? data->text() : QString();
  if (clipboardText.isEmpty()) return forms::ShowMessage(this, NoClipboardText, NoClipboardTextCaption);
  const auto target = AskPasteTarget();
  if (!target) return;
  const std::string text = clipboardText.toStdString();
  const map::RegionPasteResult result =
      map::PasteRegionText(Doc, target->Col, target->Row, text, map::RegionSource::Clipboard);
  if (result.Status == map::RegionPasteStatus::BadHeader)
    return forms::ShowMessage(this, ClipboardInvalid, ClipboardInvalidCaption);
  RegionPasted(result);
}

}  // namespace qrl::mapui
