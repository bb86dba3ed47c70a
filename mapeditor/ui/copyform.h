#pragma once
// The small modal window of the region commands: the top-left hex (and for a
// copy the bottom-right hex) of a region. Its edits keep their texts from one
// use to the next.
#include <QDialog>

#include "forms/formbase.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace qrl::mapui {

class TCopyForm : public QDialog, public forms::FormBase {
 public:
  TCopyForm();

  // Caption "Copy->File" and "Copy" with the bottom-right corner shown, or
  // "Paste" and "Paste" with it hidden.
  void PrepareForCopy();
  void PrepareForPaste();
  // Shows the window modally; true when it was closed by CopyBtn.
  bool ShowModal();

  void CopyBtnClick();
  void CancelBtnClick();

  QLabel* Label1;
  QLineEdit* X0Edit;
  QLineEdit* Y0Edit;
  QLabel* BRLbl;
  QLineEdit* X1Edit;
  QLineEdit* Y1Edit;
  QPushButton* CopyBtn;
  QPushButton* CancelBtn;

 private:
  void ShowBottomRight(bool shown);
};

}  // namespace qrl::mapui
