#pragma once
// The open and save dialogs of the main windows. Each main window keeps one
// OpenDialog and one SaveDialog for the whole run; their properties persist
// between commands, so every command sets only what it needs and inherits the
// rest from the last command that used the dialog. Paths use "/".
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace qrl::forms {

enum class DialogKind { Open, Save };

// The framework's filter "desc|pattern|desc|pattern|..." as Qt name filters,
// one per pair: "desc (p1 p2 ...)". The patterns of a pair are separated by
// ";" and may carry blanks around them; "*.*" means every file ("*"). The
// dialogs hide the appended pattern list, so the user sees each description
// exactly as the program gives it. An empty part ("||") ends the list, as in
// the framework; a trailing description without a pattern and empty patterns
// are dropped.
QStringList QtNameFilters(const QString& filter);

// `path` with "." + ext appended when ext is not empty and the part after the
// last "/" holds no ".".
QString WithDefaultExt(const QString& path, const QString& ext);

class FileDialog {
 public:
  FileDialog(const FileDialog&) = delete;
  FileDialog& operator=(const FileDialog&) = delete;
  virtual ~FileDialog() = default;

  DialogKind Kind() const { return Mode; }
  // Empty: the dialog's own "Open" / "Save As".
  const QString& Title() const { return TitleText; }
  void SetTitle(const QString& title) { TitleText = title; }
  // Framework form, see QtNameFilters. Empty: every file.
  const QString& Filter() const { return FilterText; }
  void SetFilter(const QString& filter) { FilterText = filter; }
  // Without the dot ("dat"); empty: none.
  const QString& DefaultExt() const { return DefaultExtText; }
  void SetDefaultExt(const QString& ext) { DefaultExtText = ext; }
  // The name the dialog offers; after a confirmed Execute the chosen full path.
  const QString& FileName() const { return FileNameText; }
  void SetFileName(const QString& name) { FileNameText = name; }
  // The start folder when FileName holds no folder of its own.
  const QString& InitialDir() const { return InitialDirText; }
  void SetInitialDir(const QString& folder) { InitialDirText = folder; }

  // The folder the dialog opens in: FileName's folder when it has a "/",
  // else InitialDir (empty: the current folder).
  QString StartFolder() const;

  // Runs the dialog modally (a DialogScript answers instead while one lives).
  // Confirmed: FileName() = the chosen full path, with DefaultExt appended
  // when the chosen name has no extension; returns true. Cancelled: false,
  // and no property changes.
  bool Execute();

 protected:
  FileDialog(QWidget* owner, DialogKind kind) : Owner(owner), Mode(kind) {}
  // Only the save dialog asks before overwriting.
  virtual bool AsksBeforeOverwrite() const { return false; }

 private:
  bool ExecuteScripted();
  bool ExecuteShown();

  QWidget* Owner;  // parent of the shown dialog; not owned, may be null
  DialogKind Mode;
  QString TitleText, FilterText, DefaultExtText, FileNameText, InitialDirText;
};

// Picks an existing file.
class OpenDialog : public FileDialog {
 public:
  explicit OpenDialog(QWidget* owner) : FileDialog(owner, DialogKind::Open) {}
};

// Picks a file name to write; with OverwritePrompt (on from the start, as the
// main windows want it) an existing file is only taken after the user agreed.
class SaveDialog : public FileDialog {
 public:
  explicit SaveDialog(QWidget* owner) : FileDialog(owner, DialogKind::Save) {}
  bool OverwritePrompt() const { return Prompt; }
  void SetOverwritePrompt(bool on) { Prompt = on; }

 protected:
  bool AsksBeforeOverwrite() const override { return Prompt; }

 private:
  bool Prompt = true;
};

// One Execute() as a DialogScript saw it: the properties at that moment.
struct DialogCall {
  DialogKind Kind;
  QString Title, Filter, DefaultExt, FileName, InitialDir;
  // A real dialog would have asked before overwriting the chosen file (the
  // script then answers "replace").
  bool AskedOverwrite = false;
};

// While a DialogScript lives, Execute() shows nothing: it records the call
// and takes the next answer in order. Scripts nest like MessageLog. Meant for
// tests; GUI thread only.
class DialogScript {
 public:
  DialogScript();
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  // The next unanswered Execute() picks `path`: a full path, or a name typed
  // relative to the dialog's start folder; the default extension is appended
  // as for a typed name.
  DialogScript& Choose(const QString& path);
  // The next unanswered Execute() is cancelled. An Execute() with no answer
  // left is cancelled too.
  DialogScript& Cancel();

  const std::vector<DialogCall>& Calls() const { return Recorded; }
  int AnswersLeft() const { return int(Answers.size() - NextAnswer); }

  static DialogScript* Active();
  // nullptr for cancel; else the answer. Consumes it.
  const QString* TakeAnswer();
  void Record(DialogCall call) { Recorded.push_back(std::move(call)); }

 private:
  struct Answer {
    bool Cancel;
    QString Path;
  };
  DialogScript* Previous;
  std::vector<Answer> Answers;
  size_t NextAnswer = 0;
  std::vector<DialogCall> Recorded;
};

}  // namespace qrl::forms
