#include "scenarioeditor/ui/commentform.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "forms/cp1252text.h"
#include "forms/naming.h"

namespace qrl::scenui {

namespace {
constexpr const char* Caption = "Comment";
constexpr int WindowWidth = 420, WindowHeight = 260;
}  // namespace

TCommentForm::TCommentForm(const scen::ScenarioDocument& doc) : QWidget(nullptr), FormBase(this), Doc(doc) {
  setWindowTitle(Caption);
  setAccessibleName(Caption);
  setObjectName("CommentForm");
  resize(WindowWidth, WindowHeight);
  CommentMemo = new QPlainTextEdit(this);
  forms::NameControl(CommentMemo, "CommentMemo");
  CommentMemo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(CommentMemo);
  ShowCommentText();
}

void TCommentForm::FormShow() { ShowCommentText(); }

void TCommentForm::FormActivate() {
  if (Doc.CommentReads != ShownCommentReads) ShowCommentText();
}

void TCommentForm::ShowCommentText() {
  SetMemoBytes(Doc.CommentText);
  ShownCommentReads = Doc.CommentReads;
}

std::string TCommentForm::MemoBytes() const {
  QString text = CommentMemo->toPlainText();
  text.replace(u'\n', QStringLiteral("\r\n"));
  return forms::ToCp1252(text);
}

void TCommentForm::SetMemoBytes(const std::string& bytes) {
  QString text = forms::FromCp1252(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  CommentMemo->setPlainText(text);
}

}  // namespace qrl::scenui
