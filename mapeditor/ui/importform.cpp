#include "mapeditor/ui/importform.h"

#include <QByteArray>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "forms/numbers.h"
#include "gamefile/fileio.h"
#include "mapeditor/ui/localpath.h"
#include "mapeditor/ui/pictureimage.h"

namespace qrl::mapui {

namespace {

const char* const FormCaption = "Import";
constexpr int FormWidth = 657;
constexpr int FormHeight = 529;
constexpr int BmpSBWidth = 508;
constexpr int BmpSBHeight = 408;
constexpr int TimerInterval = 200;  // ms
constexpr int ScrollStep = 1;

const char* const PictureFilter = "Bitmaps (*.bmp)|*.bmp";
// Appended to the size and origin labels.
const char* const LabelTail = "    ";

// Placement (free apart from the window's and the scroll box's sizes).
constexpr int Margin = 8;
constexpr int RightX = Margin + BmpSBWidth + Margin;
constexpr int RightWidth = FormWidth - RightX - Margin;
constexpr int RowHeight = 24;
constexpr int SpinWidth = 48;
constexpr int SmallLabelWidth = 16;

QString Text(const char* text) { return QString::fromUtf8(text); }

QSpinBox* ScaleBox(QWidget* parent, const char* name) {
  auto* box = new QSpinBox(parent);
  box->setRange(map::MinImportScale, map::MaxImportScale);
  box->setValue(map::DefaultImportScale);
  box->setWrapping(false);
  forms::NameControl(box, Text(name));
  return box;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QPushButton(Text(caption), parent);
  forms::NameControl(button, Text(name), Text(caption));
  return button;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  if (name) forms::NameControl(label, Text(name));
  return label;
}

}  // namespace

TImportForm::TImportForm(map::MapDocument& doc, RandomSource& random)
    : QWidget(nullptr), FormBase(this), Doc(doc), Random(random), OpenPictureDialog1(this) {
  forms::NameControl(this, QStringLiteral("ImportForm"), Text(FormCaption));
  setWindowTitle(Text(FormCaption));
  setFixedSize(FormWidth, FormHeight);
  BuildControls();
  forms::Connect(LoadBtn, &QPushButton::clicked, this, [this] { LoadBtnClick(); });
  forms::Connect(AltBtn, &QPushButton::clicked, this, [this] { AltBtnClick(); });
  forms::Connect(TerBtn, &QPushButton::clicked, this, [this] { TerBtnClick(); });
  forms::Connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TImportForm::~TImportForm() = default;

void TImportForm::BuildControls() {
  BmpSB = new QScrollArea(this);
  forms::NameControl(BmpSB, QStringLiteral("BmpSB"));
  BmpSB->setGeometry(Margin, Margin, BmpSBWidth, BmpSBHeight);
  BmpSB->setWidgetResizable(false);
  BmpSB->horizontalScrollBar()->setSingleStep(ScrollStep);
  BmpSB->verticalScrollBar()->setSingleStep(ScrollStep);
  BmpSB->horizontalScrollBar()->setTracking(true);
  BmpSB->verticalScrollBar()->setTracking(true);
  BmpImg = new PictureImage(nullptr, QSize(0, 0));
  forms::NameControl(BmpImg, QStringLiteral("BmpImg"));
  BmpSB->setWidget(BmpImg);
  // A click anywhere in the scroll box, picture included, shows the position.
  BmpSB->viewport()->installEventFilter(this);

  int y = Margin + BmpSBHeight + Margin;
  ImgSizeLbl = Label(this, "ImgSizeLbl", QStringLiteral("0x0 Bitmap"));
  ImgSizeLbl->setGeometry(Margin, y, BmpSBWidth / 2, RowHeight);
  OriginLbl = Label(this, "OriginLbl", QStringLiteral("at 0,0"));
  OriginLbl->setGeometry(Margin + BmpSBWidth / 2, y, BmpSBWidth / 2, RowHeight);
  y += RowHeight;
  MapSizeLbl = Label(this, "MapSizeLbl", QString());
  MapSizeLbl->setGeometry(Margin, y, BmpSBWidth, RowHeight);

  y = Margin;
  Label(this, nullptr, QStringLiteral("Conversion Scale (x,y)"))->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight;
  XScaleEdit = ScaleBox(this, "XScaleEdit");
  XScaleEdit->setGeometry(RightX, y, SpinWidth, RowHeight);
  Label(this, nullptr, QStringLiteral("X"))->setGeometry(RightX + SpinWidth + 2, y, SmallLabelWidth, RowHeight);
  YScaleEdit = ScaleBox(this, "YScaleEdit");
  YScaleEdit->setGeometry(RightX + SpinWidth + SmallLabelWidth + 4, y, SpinWidth, RowHeight);
  y += RowHeight;
  Label(this, nullptr, QStringLiteral("Pixels/Hex"))->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight + Margin;
  struct ButtonRow {
    QPushButton* TImportForm::*Button;
    const char* Name;
    const char* Caption;
  };
  const ButtonRow buttons[] = {{&TImportForm::LoadBtn, "LoadBtn", "Load Bmp"},
                               {&TImportForm::AltBtn, "AltBtn", "Alt Convert"},
                               {&TImportForm::TerBtn, "TerBtn", "Ter Convert"}};
  for (const ButtonRow& row : buttons) {
    this->*row.Button = Button(this, row.Name, row.Caption);
    (this->*row.Button)->setGeometry(RightX, y, RightWidth, RowHeight + 4);
    y += RowHeight + 4 + Margin;
  }

  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(TimerInterval);
}

map::ImportGeometry TImportForm::Geometry() const {
  XScaleEdit->interpretText();
  YScaleEdit->interpretText();
  return {XScaleEdit->value(), YScaleEdit->value(), ImportOriginX, ImportOriginY};
}

void TImportForm::FormActivate() {
  Timer1->start();
  MapSizeLbl->setText(QStringLiteral("Map Size: ") + forms::IntToStr(Doc.MapWidth) + u'x' + forms::IntToStr(Doc.MapHeight));
}

void TImportForm::FormDeactivate() { Timer1->stop(); }

void TImportForm::hideEvent(QHideEvent* event) {
  FormDeactivate();
  QWidget::hideEvent(event);
}

void TImportForm::Timer1Timer() {
  // Activation moves between the program's windows without telling the one
  // it leaves; a message box or dialog of this window does not count.
  if (forms::ActivationTracker::Shared().Last() != this) {
    FormDeactivate();
    return;
  }
  ImportOriginX = BmpSB->horizontalScrollBar()->value();
  ImportOriginY = BmpSB->verticalScrollBar()->value();
  OriginLbl->setText(forms::IntToStr(ImportOriginX) + u',' + forms::IntToStr(ImportOriginY) + Text(LabelTail));
}

void TImportForm::BmpImgClick() { OriginLbl->setText(forms::IntToStr(BmpSB->horizontalScrollBar()->value())); }

bool TImportForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == BmpSB->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) return true;
    if (event->type() == QEvent::MouseButtonRelease) {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton && BmpSB->viewport()->rect().contains(mouse->position().toPoint()))
        forms::RunHandler(this, [this] { BmpImgClick(); });
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TImportForm::LoadBtnClick() {
  OpenPictureDialog1.SetFilter(Text(PictureFilter));
  if (!OpenPictureDialog1.Execute()) return;
  const QString name = OpenPictureDialog1.FileName();
  QImage picture;
  const std::optional<std::vector<uint8_t>> bytes = ReadWholeFile(LocalPath(name));
  if (!bytes || !picture.loadFromData(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes->data()),
                                                              qsizetype(bytes->size())))) {
    forms::ShowMessage(this, QStringLiteral("Could not load bitmap ") + name, QStringLiteral("Error"));
    return;
  }
  BmpImg->SetPicture(picture.convertToFormat(QImage::Format_RGB32), true);
  ImgSizeLbl->setText(forms::IntToStr(picture.width()) + u',' + forms::IntToStr(picture.height()) +
                      QStringLiteral(" Bitmap") + Text(LabelTail));
  ImportOriginX = 0;
  ImportOriginY = 0;
  OriginLbl->setText(QStringLiteral("0,0") + Text(LabelTail));
  // The scroll box back where the origin now is.
  BmpSB->horizontalScrollBar()->setValue(0);
  BmpSB->verticalScrollBar()->setValue(0);
}

bool TImportForm::ReadyToConvert() {
  switch (map::CheckImportReady(Doc, BmpImg->Picture())) {
    case map::ImportRefusal::None:
      return true;
    case map::ImportRefusal::NoMap:
      forms::ShowMessage(this, QStringLiteral("Load a map first"), QStringLiteral("Error"));
      return false;
    case map::ImportRefusal::NoBitmap:
      forms::ShowMessage(this, QStringLiteral("Load a bitmap first"), QStringLiteral("Error"));
      return false;
  }
  return false;
}

void TImportForm::AltBtnClick() {
  if (!ReadyToConvert()) return;
  map::AltConvert(Doc, BmpImg->Picture(), Geometry());
  if (OnMapChanged) OnMapChanged();
}

void TImportForm::TerBtnClick() {
  if (!ReadyToConvert()) return;
  map::TerConvert(Doc, BmpImg->Picture(), Geometry(), Random);
  if (OnMapChanged) OnMapChanged();
}

}  // namespace qrl::mapui
