#pragma once
// "Comment": the comment of the loaded game in a fixed-pitch memo. The memo
// shows the document's CommentText when the window is shown, and on
// activation only when a load has read a new comment since: text typed or
// loaded from a comment file survives a visit to another window. The main
// window's "Save Comment File" writes what the memo holds.
#include <QString>
#include <QWidget>
#include <cstdint>

#include "forms/formbase.h"
#include "scenarioeditor/core/scenariodocument.h"

class QPlainTextEdit;

namespace qrl::scenui {

class TCommentForm : public QWidget, public forms::FormBase {
 public:
  // doc outlives the window.
  explicit TCommentForm(const scen::ScenarioDocument& doc);

  void FormShow() override;
  void FormActivate() override;

  // The memo's text as Windows-1252 bytes with CR LF line ends, and setting it
  // from such bytes.
  std::string MemoBytes() const;
  void SetMemoBytes(const std::string& bytes);

  QPlainTextEdit* CommentMemo;

 private:
  void ShowCommentText();

  const scen::ScenarioDocument& Doc;
  uint32_t ShownCommentReads = 0;
};

}  // namespace qrl::scenui
