#include "mapeditor/ui/stratform.h"

#include <QScrollBar>

#include "forms/naming.h"
#include "mapeditor/core/stratmap.h"
#include "mapeditor/ui/mainform.h"
#include "mapeditor/ui/pictureimage.h"

namespace qrl::mapui {

namespace {
const char* const FormCaption = "Strat Map";
constexpr int FormWidth = 208;
constexpr int FormHeight = 187;
}  // namespace

TStratForm::TStratForm(TMainForm& mainForm) : QWidget(nullptr), FormBase(this), MainForm(mainForm) {
  forms::NameControl(this, QStringLiteral("StratForm"), QString::fromUtf8(FormCaption));
  setWindowTitle(QString::fromUtf8(FormCaption));
  StratImg = new PictureImage(this);
  forms::NameControl(StratImg, QStringLiteral("StratImg"));
  StratImg->OnMouseDown = [this](int x, int y) { StratImgMouseDown(x, y); };
  StratImg->OnClick = [this] { StratImgClick(); };
  resize(FormWidth, FormHeight);
}

void TStratForm::resizeEvent(QResizeEvent*) { StratImg->setGeometry(rect()); }

void TStratForm::FormActivate() {
  if (!MainForm.StratMapStale) return;
  MainForm.StratMapStale = false;
  if (MainForm.Doc.MapKind == map::NoMapKind) return;
  StratBitmap = map::BuildStratPicture(MainForm.Doc);
  if (!StratBitmap.isNull()) resize(width(), StratBitmap.height());
  StratImg->SetPicture(StratBitmap);
}

void TStratForm::StratImgMouseDown(int x, int y) {
  StratClickX = x;
  StratClickY = y;
}

void TStratForm::StratImgClick() {
  if (StratBitmap.isNull()) return;
  const map::HexPos target =
      map::StratClickTarget(StratClickX, StratClickY, MainForm.HMapSB->maximum(), MainForm.VMapSB->maximum());
  // Each bar's change handler redraws the main view.
  MainForm.HMapSB->setValue(target.Col);
  MainForm.VMapSB->setValue(target.Row);
}

}  // namespace qrl::mapui
