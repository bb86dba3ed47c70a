#include "forms/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace qrl::forms {

namespace {

DialogScript* ActiveScript = nullptr;

const QString AllFilesPattern = QStringLiteral("*.*");

QString FileNamePart(const QString& path) { return path.mid(path.lastIndexOf(u'/') + 1); }

QString FolderPart(const QString& path) { return path.left(path.lastIndexOf(u'/') + 1); }

}  // namespace

QStringList QtNameFilters(const QString& filter) {
  QStringList result;
  QStringList parts = filter.split(u'|');
  // An empty part ("||") ends the list, as the system's dialog reads it.
  const qsizetype end = parts.indexOf(QString());
  if (end >= 0) parts.resize(end);
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& piece : parts[i + 1].split(u';')) {
      QString pattern = piece.trimmed();
      if (pattern.isEmpty()) continue;
      patterns << (pattern == AllFilesPattern ? QStringLiteral("*") : pattern);
    }
    if (!patterns.isEmpty()) result << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
  }
  return result;
}

QString WithDefaultExt(const QString& path, const QString& ext) {
  QString name = FileNamePart(path);
  if (ext.isEmpty() || name.isEmpty() || name.contains(u'.')) return path;
  return path + u'.' + ext;
}

QString FileDialog::StartFolder() const {
  QString folder = FolderPart(FileNameText);
  return folder.isEmpty() ? InitialDirText : folder;
}

bool FileDialog::Execute() { return DialogScript::Active() ? ExecuteScripted() : ExecuteShown(); }

bool FileDialog::ExecuteScripted() {
  DialogScript* script = DialogScript::Active();
  DialogCall call{Mode, TitleText, FilterText, DefaultExtText, FileNameText, InitialDirText};
  const QString* answer = script->TakeAnswer();
  if (!answer) {
    script->Record(std::move(call));
    return false;
  }
  QString path = QDir::isAbsolutePath(*answer) ? *answer : QDir(StartFolder()).absoluteFilePath(*answer);
  path = WithDefaultExt(path, DefaultExtText);
  call.AskedOverwrite = AsksBeforeOverwrite() && QFileInfo::exists(path);
  script->Record(std::move(call));
  FileNameText = path;
  return true;
}

bool FileDialog::ExecuteShown() {
  QFileDialog dialog(Owner, TitleText, StartFolder());
  // Qt's own dialog behaves the same on every desktop; the appended pattern
  // lists of the filters stay hidden.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !AsksBeforeOverwrite());
  dialog.setAcceptMode(Mode == DialogKind::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(Mode == DialogKind::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  QStringList filters = QtNameFilters(FilterText);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(DefaultExtText);
  QString name = FileNamePart(FileNameText);
  if (!name.isEmpty()) dialog.selectFile(name);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  FileNameText = WithDefaultExt(chosen.first(), DefaultExtText);
  return true;
}

DialogScript::DialogScript() : Previous(ActiveScript) { ActiveScript = this; }

DialogScript::~DialogScript() { ActiveScript = Previous; }

DialogScript* DialogScript::Active() { return ActiveScript; }

DialogScript& DialogScript::Choose(const QString& path) {
  Answers.push_back({false, path});
  return *this;
}

DialogScript& DialogScript::Cancel() {
  Answers.push_back({true, QString()});
  return *this;
}

const QString* DialogScript::TakeAnswer() {
  if (NextAnswer >= Answers.size()) return nullptr;
  const Answer& answer = Answers[NextAnswer++];
  return answer.Cancel ? nullptr : &answer.Path;
}

}  // namespace qrl::forms
