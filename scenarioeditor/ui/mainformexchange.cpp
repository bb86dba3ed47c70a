// The main window's commands that exchange text with other files: comment
// files, CSV unit files and the info table.
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QLabel>

#include "forms/messages.h"
#include "gamefile/fileio.h"
#include "scenarioeditor/core/commentfile.h"
#include "scenarioeditor/core/csvunitfile.h"
#include "scenarioeditor/core/texttables.h"
#include "scenarioeditor/ui/commentform.h"
#include "scenarioeditor/ui/mainform.h"
#include "scenarioeditor/ui/pathtext.h"

namespace qrl::scenui {

namespace {

constexpr const char* CommentFilter = "Comment files (*.cmt)|*.cmt|All Files (*.*) |*.*";
constexpr const char* SaveCommentTitle = "Save Comment File";
constexpr const char* CommentExtension = "cmt";
constexpr const char* ErrorCaption = "Error";
constexpr const char* CommentNotOpened = "Could not open Comment file";
constexpr const char* CommentNotCreated = "Could not open new Comment file";
constexpr const char* CommentCut = "Only the first 199 characters of the comment were saved.";
constexpr const char* WarningCaption = "Warning";
constexpr const char* CsvNotCreated = "Couldn't open csv file. Aborting.";
constexpr const char* CsvNotOpened = "Couldn't load csv file. Aborting.";

QString Latin(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

}  // namespace

void TForm1::EditCommentFile1Click() {
  if (!Peers.CommentForm) return;
  Peers.CommentForm->show();
  Peers.CommentForm->raise();
  Peers.CommentForm->activateWindow();
}

void TForm1::LoadCommentFile1Click() {
  OpenDialog1.SetFilter(CommentFilter);
  OpenDialog1.SetFileName(PathText(scen::CommentFileName(Session.Document.CurrentFile)));
  if (!OpenDialog1.Execute()) return;
  auto file = ReadFileStart(PathBytes(OpenDialog1.FileName()), scen::CommentFileSize);
  if (!file) return forms::ShowMessage(this, CommentNotOpened, ErrorCaption);
  EditCommentFile1Click();
  // After the window's own refresh, so it shows the file's text; the
  // document's comment stays the loaded game's.
  if (Peers.CommentForm) Peers.CommentForm->SetMemoBytes(scen::ReadCommentText(*file));
}

void TForm1::SaveCommentFile1Click() {
  SaveDialog1.SetFilter(CommentFilter);
  SaveDialog1.SetTitle(SaveCommentTitle);
  SaveDialog1.SetDefaultExt(CommentExtension);
  SaveDialog1.SetFileName(PathText(scen::CommentFileName(Session.Document.CurrentFile)));
  if (!SaveDialog1.Execute()) return;
  const std::string text = Peers.CommentForm ? Peers.CommentForm->MemoBytes() : std::string();
  const scen::EncodedComment comment = scen::EncodeCommentFile(text);
  if (!SafeSaveFile(PathBytes(SaveDialog1.FileName()), comment.Bytes))
    return forms::ShowMessage(this, CommentNotCreated, ErrorCaption);
  if (comment.Cut) forms::ShowMessage(this, CommentCut, WarningCaption);
}

void TForm1::SaveCSVUnitFile1Click() {
  SaveDialog1.SetTitle(Latin(scen::CsvDialogs::SaveTitle));
  SaveDialog1.SetFilter(Latin(scen::CsvDialogs::Filter));
  SaveDialog1.SetDefaultExt(Latin(scen::CsvDialogs::DefaultExtension));
  if (!SaveDialog1.Execute()) return;
  const int side = SideIndex();
  const int units = side >= 0 && side < scen::SideCount ? Session.Grid.UnitCount[size_t(side)] : 0;
  if (!SafeSaveFile(PathBytes(SaveDialog1.FileName()), scen::CsvUnitFileText(Session.Document.Slots, side, units)))
    forms::ShowMessage(this, CsvNotCreated, ErrorCaption);
}

void TForm1::LoadCSVUnitFile1Click() {
  OpenDialog1.SetTitle(Latin(scen::CsvDialogs::LoadTitle));
  OpenDialog1.SetFilter(Latin(scen::CsvDialogs::Filter));
  if (!OpenDialog1.Execute()) return;
  auto file = ReadWholeFile(PathBytes(OpenDialog1.FileName()));
  if (!file) return forms::ShowMessage(this, CsvNotOpened, ErrorCaption);
  const int side = SideIndex();
  scen::PasteCsvUnitFile(Session.Document.Slots, side, *file);
  // The grid shows the pasted records; its unstored edits are dropped, so
  // its next store writes what was pasted.
  Session.Document.Changes.Note();
  scen::FillUnitGrid(Session.Document.Slots, Session.Grid, side);
  PushGridCells();
  ShowSideNames();
}

void TForm1::PrintInfoAs1Click() {
  PullGridCells();
  if (Session.Grid.Cells.RowCount() < scen::InfoTableMinRows) return;
  SaveDialog1.SetTitle(Latin(scen::TableDialogs::InfoTitle));
  SaveDialog1.SetFilter(Latin(scen::TableDialogs::Filter));
  SaveDialog1.SetDefaultExt(Latin(scen::TableDialogs::DefaultExtension));
  if (!SaveDialog1.Execute()) return;
  const std::string table = scen::InfoTable(FileLbl->text(), SideIndex(),
                                            {SideButtons[0]->text(), SideButtons[1]->text()}, Session.Grid.Cells);
  if (!SafeSaveFile(PathBytes(SaveDialog1.FileName()), table)) forms::ShowMessage(this, Latin(scen::TableDialogs::NotCreated), ErrorCaption);
}

}  // namespace qrl::scenui
