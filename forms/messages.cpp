#include "forms/messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace qrl::forms {

namespace {

MessageLog* ActiveLog = nullptr;

const char* const ErrorDialogCaption = "Error";

void ShowBox(BoxKind kind, QWidget* parent, const QString& text, const QString& caption) {
  if (MessageLog* log = MessageLog::Active()) {
    log->Add({kind, text, caption});
    return;
  }
  QMessageBox::Icon icon = kind == BoxKind::Message ? QMessageBox::NoIcon : QMessageBox::Critical;
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace

MessageLog::MessageLog() : Previous(ActiveLog) { ActiveLog = this; }

MessageLog::~MessageLog() { ActiveLog = Previous; }

MessageLog* MessageLog::Active() { return ActiveLog; }

bool MessageLog::TakeAnswer() {
  if (NextAnswer >= Answers.size()) return false;
  return Answers[NextAnswer++];
}

void ShowMessage(QWidget* parent, const QString& text, const QString& caption) {
  ShowBox(BoxKind::Message, parent, text, caption);
}

void ShowErrorDialog(QWidget* parent, const QString& text) {
  ShowBox(BoxKind::ErrorDialog, parent, text, QString::fromLatin1(ErrorDialogCaption));
}

void ShowExceptionBox(QWidget* parent, const QString& text) {
  ShowBox(BoxKind::Exception, parent, text, QCoreApplication::applicationName());
}

bool AskYesNo(QWidget* parent, const QString& text, const QString& caption) {
  if (MessageLog* log = MessageLog::Active()) {
    log->Add({BoxKind::Question, text, caption});
    return log->TakeAnswer();
  }
  QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace qrl::forms
