#include "mapeditor/ui/transferform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <utility>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "forms/waitcursor.h"
#include "mapeditor/ui/indexform.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/mapimage.h"

namespace qrl::mapui {

namespace {

const char* const TransferCaption = "Tile Transfer";
const char* const FileErrorCaption = "File Error";
const char* const CannotOpenText = "Could not open %1.";
const char* const CannotReadText = "Could not read %1.";
const char* const NoPickCaption = "?";

constexpr int FormWidth = 771;
constexpr int FormHeight = 160;

constexpr int MinFileNumber = 0;
constexpr int MaxFileNumber = 99;
constexpr int MinSectionNumber = map::BaseLayerSection;  // 2..6: the base layer and overlays 3..6
constexpr int MaxSectionNumber = 6;

// The strip's box on the left, the controls in a column right of it.
constexpr int Margin = 4;
constexpr int StripBoxWidth = 657;
constexpr int StripBoxHeight = 121;
constexpr int StartImageSize = 105;
constexpr int ColumnX = Margin + StripBoxWidth + 5;
constexpr int ColumnWidth = FormWidth - ColumnX - Margin;
constexpr int RowHeight = 24;
constexpr int RowStep = 27;
constexpr int TextLabelWidth = 30;

QString Text(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TTransferForm::TTransferForm(TMainForm& mainForm) : QWidget(nullptr), FormBase(this), MainForm(mainForm) {
  forms::NameControl(this, QStringLiteral("TransferForm"), Text(TransferCaption));
  setWindowTitle(Text(TransferCaption));
  resize(FormWidth, FormHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }

  TransferSB = new QScrollArea(this);
  forms::NameControl(TransferSB, QStringLiteral("TransferSB"));
  TransferSB->setGeometry(Margin, Margin, StripBoxWidth, StripBoxHeight);
  TransferSB->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TransferSB->setWidgetResizable(false);
  TransferImg = new MapImage(StartImageSize, StartImageSize, TransferSB);
  forms::NameControl(TransferImg, QStringLiteral("TransferImg"));
  TransferSB->setWidget(TransferImg);

  // The column, row by row from the top.
  int y = Margin;
  auto nextRow = [&y] { return std::exchange(y, y + RowStep); };
  auto button = [&](const char* name, const char* caption) {
    auto* control = new QPushButton(Text(caption), this);
    forms::NameControl(control, Text(name), control->text());
    control->setGeometry(ColumnX, nextRow(), ColumnWidth, RowHeight);
    return control;
  };
  // A static text left of a spin box (an edit with its up-down), starting at its minimum.
  auto numberBox = [&](const char* text, const char* name, int minimum, int maximum) {
    const int top = nextRow();
    (new QLabel(Text(text), this))->setGeometry(ColumnX, top, TextLabelWidth, RowHeight);
    auto* control = new QSpinBox(this);
    forms::NameControl(control, Text(name));
    control->setRange(minimum, maximum);
    control->setValue(minimum);
    control->setWrapping(false);
    control->setGeometry(ColumnX + TextLabelWidth, top, ColumnWidth - TextLabelWidth, RowHeight);
    return control;
  };
  LoadBtn = button("LoadBtn", "Load");
  FileNumberEdit = numberBox("F", "FileNumberEdit", MinFileNumber, MaxFileNumber);
  IconNumberLbl = new QLabel(Text(NoPickCaption), this);
  IconNumberLbl->setObjectName(QStringLiteral("IconNumberLbl"));
  IconNumberLbl->setGeometry(ColumnX, nextRow(), ColumnWidth, RowHeight);
  IndexBtn = button("IndexBtn", "Index");
  SectionNumberEdit = numberBox("Sect", "SectionNumberEdit", MinSectionNumber, MaxSectionNumber);

  forms::Connect(LoadBtn, &QPushButton::clicked, this, [this] { LoadBtnClick(); });
  forms::Connect(IndexBtn, &QPushButton::clicked, this, [this] { IndexBtnClick(); });
  TransferImg->OnMouseDown = [this](Qt::MouseButton, int x, int) { TransferImgMouseDown(x); };
  TransferImg->OnClick = [this] { TransferImgClick(); };
}

int TTransferForm::SectionNumber() const { return SectionNumberEdit->value(); }

int TTransferForm::FileNumber() const { return FileNumberEdit->value(); }

std::string TTransferForm::IconNumberText() const { return IconNumberLbl->text().toStdString(); }

void TTransferForm::LoadBtnClick() {
  const int file = FileNumber();
  map::TileCache& tiles = MainForm.Tiles;
  map::StripLoadStatus status;
  {
    forms::TWaitCursor wait;
    status = map::LoadTransferStrip(Strip, file, tiles.ShpPath(file), tiles.LoadShp, tiles.Images);
  }
  const QString name = QString::fromStdString(map::ShpFileName(file));
  switch (status) {
    case map::StripLoadStatus::Loaded:
      ShowStrip();
      MainForm.ShowImageCounts();
      break;
    case map::StripLoadStatus::CannotOpen:
      forms::ShowMessage(this, Text(CannotOpenText).arg(name), Text(FileErrorCaption));
      break;
    case map::StripLoadStatus::CannotRead:
      forms::ShowMessage(this, Text(CannotReadText).arg(name), Text(FileErrorCaption));
      break;
  }
}

void TTransferForm::ShowStrip() {
  TransferImg->setFixedSize(Strip.Picture.size());
  TransferImg->SetPicture(Strip.Picture);
}

void TTransferForm::TransferImgMouseDown(int x) {
  if (!Strip.Press(x)) return;
  TransferImg->SetPicture(Strip.Picture);
  // The label follows at once, so the marked image is the one a stamp takes.
  TransferImgClick();
}

void TTransferForm::TransferImgClick() {
  if (Strip.TransferSelected) IconNumberLbl->setText(QString::fromStdString(map::IconNumberCaption(*Strip.TransferSelected)));
}

void TTransferForm::IndexBtnClick() {
  if (!IndexForm) return;
  IndexForm->show();
  IndexForm->raise();
  IndexForm->activateWindow();
}

void TTransferForm::FormClose() {
  if (MainForm.TileTransfer1->Checked()) MainForm.TileTransfer1->SetChecked(false);
  MainForm.TransferShown = false;
}

}  // namespace qrl::mapui
