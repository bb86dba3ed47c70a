#include "mapeditor/ui/sdts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "forms/numbers.h"
#include "forms/waitcursor.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/ui/localpath.h"
#include "mapeditor/ui/pictureimage.h"

namespace qrl::mapui {

namespace {

const char* const FormCaption = "SDTS";
constexpr int FormWidth = 595;
constexpr int FormHeight = 480;
constexpr int AltMapImgWidth = 377;
constexpr int AltMapImgHeight = 441;

// The patterns match names in any case, as the files come from Windows.
const char* const DemFilter = "Elevation files (*cel0.ddf)|*[cC][eE][lL]0.[dD][dD][fF]|All files (*.*)|*.*";
const char* const BmpFilter = "Bitmaps (*.bmp)|*.[bB][mM][pP]|All files (*.*)|*.*";
const char* const BmpDefaultExt = "bmp";
const char* const SaveBmpTitle = "Save Windows Bitmap";
const char* const ErrorCaption = "Error";
const char* const ReadyStatus = "Ok";
const char* const ArmedStatus = "Click Lake";
const char* const BusyStatus = "Making Lake ";
const char* const DoneStatus = "             ";  // thirteen blanks

// Placement (free apart from the window's and the picture's design sizes).
constexpr int Margin = 8;
constexpr int RightX = Margin + AltMapImgWidth + Margin;
constexpr int RightWidth = FormWidth - RightX - Margin;
constexpr int RowHeight = 24;
constexpr int LvlLabelWidth = 60;
constexpr int ValueWidth = RightWidth / 3;

QString Text(const char* text) { return QString::fromUtf8(text); }

QString RefusalText(map::DemReadStatus status) {
  switch (status) {
    case map::DemReadStatus::Read: break;
    case map::DemReadStatus::CannotOpen: return QStringLiteral("Could not open DDF file");
    case map::DemReadStatus::NotSdts: return QStringLiteral("Not an SDTS elevation file");
    case map::DemReadStatus::NotInteger16: return QStringLiteral("Elevation values are not 16-bit integers");
    case map::DemReadStatus::TooLarge: return QStringLiteral("Elevation file too large (at most 4000 x 4000 values)");
  }
  return {};
}

}  // namespace

TSDTS::TSDTS(const QString& programDir) : QWidget(nullptr), FormBase(this), OpenDialog1(this), SaveDialog1(this) {
  forms::NameControl(this, QStringLiteral("SDTS"), Text(FormCaption));
  setWindowTitle(Text(FormCaption));
  setFixedSize(FormWidth, FormHeight);
  BuildControls();
  forms::Connect(LoadDDFBtn, &QPushButton::clicked, this, [this] { LoadDDFBtnClick(); });
  forms::Connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
  forms::Connect(ConvertBtn, &QPushButton::clicked, this, [this] { ConvertBtnClick(); });
  forms::Connect(LakeBtn, &QPushButton::clicked, this, [this] { LakeBtnClick(); });
  AltMapImg->OnMouseMove = [this](int x, int y) { AltMapImgMouseMove(x, y); };
  AltMapImg->OnMouseDown = [this](int x, int y) { AltMapImgMouseDown(x, y); };
  FormCreate(programDir);
}

TSDTS::~TSDTS() = default;

void TSDTS::BuildControls() {
  AltMapSB = new QScrollArea(this);
  AltMapSB->setObjectName(QStringLiteral("AltMapSB"));
  AltMapSB->setGeometry(Margin, Margin, AltMapImgWidth + 2, AltMapImgHeight + 2);
  AltMapImg = new PictureImage(nullptr, QSize(AltMapImgWidth, AltMapImgHeight));
  forms::NameControl(AltMapImg, QStringLiteral("AltMapImg"));
  AltMapSB->setWidget(AltMapImg);

  auto button = [this](const char* name, const char* caption) {
    auto* b = new QPushButton(Text(caption), this);
    forms::NameControl(b, Text(name), Text(caption));
    return b;
  };
  auto label = [this](const char* name, const char* text) {
    auto* l = new QLabel(Text(text), this);
    if (name) forms::NameControl(l, Text(name));
    return l;
  };

  int y = Margin;
  LoadDDFBtn = button("LoadDDFBtn", "Load DDF");
  LoadDDFBtn->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight + Margin;
  SaveBtn = button("SaveBtn", "Save Bmp");
  SaveBtn->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight + Margin;
  MaxAltLbl = label("MaxAltLbl", "Max");
  MaxAltLbl->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight;
  MinAltLbl = label("MinAltLbl", "Min");
  MinAltLbl->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight + Margin;

  struct LvlRow {
    QLineEdit* TSDTS::*Edit;
    const char* Name;
    const char* Caption;
  };
  const LvlRow levels[] = {{&TSDTS::Lvl0Edit, "Lvl0Edit", "Lvl 0 <"},
                           {&TSDTS::Lvl1Edit, "Lvl1Edit", "Lvl 1 <"},
                           {&TSDTS::Lvl2Edit, "Lvl2Edit", "Lvl 2 <"}};
  for (const LvlRow& row : levels) {
    label(nullptr, row.Caption)->setGeometry(RightX, y, LvlLabelWidth, RowHeight);
    auto* edit = new QLineEdit(QStringLiteral("0"), this);
    forms::NameControl(edit, Text(row.Name));
    edit->setGeometry(RightX + LvlLabelWidth, y, RightWidth - LvlLabelWidth, RowHeight);
    this->*row.Edit = edit;
    y += RowHeight + 2;
  }
  ConvertBtn = button("ConvertBtn", "Convert");
  ConvertBtn->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight + Margin;

  label(nullptr, "X       Y     Alt.")->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight;
  XLbl = label("XLbl", "0");
  XLbl->setGeometry(RightX, y, ValueWidth, RowHeight);
  YLbl = label("YLbl", "0");
  YLbl->setGeometry(RightX + ValueWidth, y, ValueWidth, RowHeight);
  AltitudeLbl = label("AltitudeLbl", "0");
  AltitudeLbl->setGeometry(RightX + 2 * ValueWidth, y, ValueWidth, RowHeight);
  y += RowHeight + Margin;

  LakeBtn = button("LakeBtn", "Make Lake");
  LakeBtn->setGeometry(RightX, y, RightWidth, RowHeight);
  y += RowHeight + Margin;
  StatusLbl = label("StatusLbl", ReadyStatus);
  StatusLbl->setGeometry(RightX, y, RightWidth, RowHeight);
}

void TSDTS::FormCreate(const QString& programDir) {
  DemLastDir = programDir;
  if (!DemLastDir.endsWith(u'/')) DemLastDir += u'/';
}

void TSDTS::StartInDemLastDir(forms::FileDialog& dialog) {
  dialog.SetInitialDir(DemLastDir);
  dialog.SetFileName(FromLocalPath(FileNameOf(LocalPath(dialog.FileName()))));
}

void TSDTS::LoadDDFBtnClick() {
  StartInDemLastDir(OpenDialog1);
  OpenDialog1.SetFilter(Text(DemFilter));
  if (!OpenDialog1.Execute()) return;
  const std::string path = LocalPath(OpenDialog1.FileName());
  const map::DemReadOutcome read = map::LoadDemFile(path);
  if (read.Status != map::DemReadStatus::CannotOpen) DemLastDir = FromLocalPath(FolderOf(path));
  if (read.Status != map::DemReadStatus::Read) {
    // The picture, the labels and the limits of the last good file stay.
    forms::ShowMessage(this, RefusalText(read.Status), Text(ErrorCaption));
    return;
  }
  Dem = read.Grid;
  Range = map::DemMinMax(Dem);
  MaxAltLbl->setText(QStringLiteral("Max ") + forms::IntToStr(Range.DemMax));
  MinAltLbl->setText(QStringLiteral("Min ") + forms::IntToStr(Range.DemMin));
  const map::BandLimits limits = map::DefaultBandLimits(Range);
  Lvl0Edit->setText(forms::IntToStr(limits.Lvl0));
  Lvl1Edit->setText(forms::IntToStr(limits.Lvl1));
  Lvl2Edit->setText(forms::IntToStr(limits.Lvl2));
  DrawAltMap();
}

void TSDTS::DrawAltMap() {
  AltMapImg->SetPicture(map::DrawAltMap(Dem, Range), true);
  AltMapImg->resize(Dem.DemCols, Dem.DemRows);
}

void TSDTS::AltMapImgMouseMove(int x, int y) {
  if (!Dem.Contains(x, y)) return;
  XLbl->setText(forms::IntToStr(x));
  YLbl->setText(forms::IntToStr(y));
  AltitudeLbl->setText(forms::IntToStr(Dem.At(x, y)));
}

void TSDTS::LakeBtnClick() {
  LakeMode = true;
  StatusLbl->setText(Text(ArmedStatus));
}

void TSDTS::AltMapImgMouseDown(int x, int y) {
  // A press beside the picture keeps the step armed for the next one.
  if (!LakeMode || !Dem.Contains(x, y)) return;
  StatusLbl->setText(Text(BusyStatus));
  StatusLbl->repaint();
  {
    forms::TWaitCursor wait;
    map::MakeLake(AltMapImg->EditPicture(), Dem, x, y);
  }
  StatusLbl->setText(Text(DoneStatus));
  LakeMode = false;
}

void TSDTS::ConvertBtnClick() {
  forms::TWaitCursor wait;
  // All three first: a limit that is no number recolours nothing.
  const map::BandLimits limits{forms::StrToInt(Lvl0Edit->text()), forms::StrToInt(Lvl1Edit->text()),
                               forms::StrToInt(Lvl2Edit->text())};
  map::BandAltMap(AltMapImg->EditPicture(), Dem, limits);
}

void TSDTS::SaveBtnClick() { SaveAltMapBmp(); }

void TSDTS::SaveAltMapBmp() {
  const QImage& picture = AltMapImg->Picture();
  if (picture.isNull() || picture.width() == 0 || picture.height() == 0) {
    forms::ShowMessage(this, QStringLiteral("No picture to save"), Text(ErrorCaption));
    return;
  }
  StartInDemLastDir(SaveDialog1);
  SaveDialog1.SetFilter(Text(BmpFilter));
  SaveDialog1.SetDefaultExt(Text(BmpDefaultExt));
  SaveDialog1.SetTitle(Text(SaveBmpTitle));
  if (!SaveDialog1.Execute()) return;
  const QString name = SaveDialog1.FileName();
  if (!SafeSaveFile(LocalPath(name), map::EncodeBmp24(picture)))
    forms::ShowMessage(this, QStringLiteral("Could not open bmp file ") + name, Text(ErrorCaption));
}

}  // namespace qrl::mapui
