#include "mapeditor/ui/copyform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "forms/handlers.h"
#include "forms/naming.h"

namespace qrl::mapui {

namespace {

constexpr const char* DesignCaption = "Copy";
constexpr const char* CopyCaption = "Copy->File";
constexpr const char* PasteCaption = "Paste";
constexpr const char* CopyButtonText = "Copy";
constexpr const char* PasteButtonText = "Paste";
constexpr int WindowWidth = 260, WindowHeight = 150;
constexpr int Margin = 10, RowHeight = 24, LabelWidth = 120, EditWidth = 50;

QLineEdit* CornerEdit(QWidget* parent, const char* name, int left, int top) {
  auto* edit = new QLineEdit("0", parent);
  forms::NameControl(edit, name);
  edit->setGeometry(left, top, EditWidth, RowHeight);
  return edit;
}

}  // namespace

TCopyForm::TCopyForm() : QDialog(nullptr), FormBase(this) {
  setWindowTitle(DesignCaption);
  setObjectName("CopyForm");
  setAccessibleName(DesignCaption);
  setFixedSize(WindowWidth, WindowHeight);

  Label1 = new QLabel("Top-Left (x,y)", this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(Margin, Margin, LabelWidth, RowHeight);
  X0Edit = CornerEdit(this, "X0Edit", Margin + LabelWidth, Margin);
  Y0Edit = CornerEdit(this, "Y0Edit", Margin + LabelWidth + EditWidth + 6, Margin);
  BRLbl = new QLabel("Bottom-Right (x,y)", this);
  BRLbl->setObjectName("BRLbl");
  BRLbl->setGeometry(Margin, Margin + 34, LabelWidth, RowHeight);
  X1Edit = CornerEdit(this, "X1Edit", Margin + LabelWidth, Margin + 34);
  Y1Edit = CornerEdit(this, "Y1Edit", Margin + LabelWidth + EditWidth + 6, Margin + 34);

  CopyBtn = new QPushButton(CopyButtonText, this);
  forms::NameControl(CopyBtn, "CopyBtn", CopyButtonText);
  CopyBtn->setGeometry(Margin, WindowHeight - Margin - 28, 100, 28);
  CancelBtn = new QPushButton("Cancel", this);
  forms::NameControl(CancelBtn, "CancelBtn", "Cancel");
  CancelBtn->setGeometry(WindowWidth - Margin - 100, WindowHeight - Margin - 28, 100, 28);
  forms::Connect(CopyBtn, &QPushButton::clicked, this, [this] { CopyBtnClick(); });
  forms::Connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TCopyForm::ShowBottomRight(bool shown) {
  BRLbl->setVisible(shown);
  X1Edit->setVisible(shown);
  Y1Edit->setVisible(shown);
}

void TCopyForm::PrepareForCopy() {
  setWindowTitle(CopyCaption);
  setAccessibleName(CopyCaption);
  CopyBtn->setText(CopyButtonText);
  CopyBtn->setAccessibleName(CopyButtonText);
  ShowBottomRight(true);
}

void TCopyForm::PrepareForPaste() {
  setWindowTitle(PasteCaption);
  setAccessibleName(PasteCaption);
  CopyBtn->setText(PasteButtonText);
  CopyBtn->setAccessibleName(PasteButtonText);
  ShowBottomRight(false);
}

bool TCopyForm::ShowModal() { return exec() == QDialog::Accepted; }

void TCopyForm::CopyBtnClick() { accept(); }

void TCopyForm::CancelBtnClick() { reject(); }

}  // namespace qrl::mapui
