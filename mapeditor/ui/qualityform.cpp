#include "mapeditor/ui/qualityform.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "forms/handlers.h"
#include "forms/naming.h"

namespace qrl::mapui {

namespace {

const char* const FormCaption = "JPEG Quality";
constexpr int FormWidth = 180;
constexpr int FormHeight = 60;
constexpr int RowY = 18;
constexpr int RowHeight = 24;

// An up-down control: the spin box's arrows without its own text, which the
// window's read-only edit shows instead. It takes no focus, so nothing can
// be typed into it.
class UpDown : public QSpinBox {
 public:
  explicit UpDown(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->hide();
    setFocusPolicy(Qt::NoFocus);
  }
};

}  // namespace

TQualityForm::TQualityForm(int& jpegQuality) : QWidget(nullptr), FormBase(this), JpegQuality(jpegQuality) {
  forms::NameControl(this, QStringLiteral("QualityForm"), QString::fromUtf8(FormCaption));
  setWindowTitle(QString::fromUtf8(FormCaption));
  setFixedSize(FormWidth, FormHeight);

  QualityLbl = new QLabel(QStringLiteral("Quality"), this);
  QualityLbl->setObjectName(QStringLiteral("QualityLbl"));
  QualityLbl->setGeometry(10, RowY, 50, RowHeight);
  JpegEdit = new QLineEdit(this);
  forms::NameControl(JpegEdit, QStringLiteral("JpegEdit"));
  JpegEdit->setReadOnly(true);
  JpegEdit->setGeometry(64, RowY, 60, RowHeight);
  JpegUD = new UpDown(this);
  forms::NameControl(JpegUD, QStringLiteral("JpegUD"));
  JpegUD->setRange(JpegUDMin, JpegUDMax);
  JpegUD->setSingleStep(JpegUDIncrement);
  JpegUD->setWrapping(false);
  JpegUD->setValue(JpegQuality);
  JpegUD->setGeometry(124, RowY, 18, RowHeight);
  JpegEdit->setText(QString::number(JpegUD->value()));

  forms::Connect(JpegUD, &QSpinBox::valueChanged, this, [this](int position) { JpegUDChange(position); });
}

void TQualityForm::JpegUDChange(int position) {
  JpegQuality = position;
  JpegEdit->setText(QString::number(position));
}

}  // namespace qrl::mapui
