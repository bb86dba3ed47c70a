#include "mapeditor/ui/contourform.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <filesystem>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "forms/waitcursor.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/bmpwriter.h"
#include "mapeditor/core/contourmap.h"
#include "mapeditor/core/jpegwriter.h"
#include "mapeditor/ui/localpath.h"
#include "mapeditor/ui/pictureimage.h"

namespace qrl::mapui {

namespace {

const char* const FormCaption = "Contour Map";
const char* const SaveFilter = "Windows Bitmap (*.bmp)|*.bmp|JPEG compressed (*.jpg)|*.jpg|All (*.*)|*.*";
const char* const SaveDefaultExt = "jpg";

constexpr int FormWidth = 800;
constexpr int FormHeight = 600;
constexpr int ContourSBWidth = 720;
constexpr int ContourSBHeight = 570;
constexpr int ContourImgDesignSize = 105;
constexpr int ButtonX = ContourSBWidth + 6;
constexpr int ButtonWidth = FormWidth - ButtonX - 6;
constexpr int RowHeight = 24;

QString Text(const char* text) { return QString::fromUtf8(text); }

}  // namespace

TContourForm::TContourForm(const map::MapDocument& doc, const std::string& programDir)
    : QWidget(nullptr), FormBase(this), Doc(doc), ProgramDir(programDir), SaveDialog1(this) {
  forms::NameControl(this, QStringLiteral("ContourForm"), Text(FormCaption));
  setWindowTitle(Text(FormCaption));
  setFixedSize(FormWidth, FormHeight);

  ContourSB = new QScrollArea(this);
  forms::NameControl(ContourSB, QStringLiteral("ContourSB"));
  ContourSB->setGeometry(0, 0, ContourSBWidth, ContourSBHeight);
  ContourImg = new PictureImage(nullptr);
  forms::NameControl(ContourImg, QStringLiteral("ContourImg"));
  ContourImg->resize(ContourImgDesignSize, ContourImgDesignSize);
  ContourSB->setWidget(ContourImg);

  ShowBtn = new QPushButton(QStringLiteral("Show"), this);
  forms::NameControl(ShowBtn, QStringLiteral("ShowBtn"), ShowBtn->text());
  ShowBtn->setGeometry(ButtonX, 0, ButtonWidth, RowHeight);
  TerrainCB = new QCheckBox(QStringLiteral("Terr."), this);
  forms::NameControl(TerrainCB, QStringLiteral("TerrainCB"), TerrainCB->text());
  TerrainCB->setGeometry(ButtonX, RowHeight + 4, ButtonWidth, RowHeight);
  SaveBtn = new QPushButton(QStringLiteral("Save"), this);
  forms::NameControl(SaveBtn, QStringLiteral("SaveBtn"), SaveBtn->text());
  SaveBtn->setGeometry(ButtonX, 2 * (RowHeight + 4), ButtonWidth, RowHeight);

  forms::Connect(ShowBtn, &QPushButton::clicked, this, [this] { ShowBtnClick(); });
  forms::Connect(SaveBtn, &QPushButton::clicked, this, [this] { SaveBtnClick(); });

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  FormCreate();
}

void TContourForm::FormCreate() {
  SaveDialog1.SetInitialDir(FromLocalPath(ProgramDir));
  SaveDialog1.SetFilter(Text(SaveFilter));
  SaveDialog1.SetDefaultExt(Text(SaveDefaultExt));
}

void TContourForm::ShowBtnClick() {
  if (Doc.MapKind == map::NoMapKind) {
    forms::ShowMessage(this, QStringLiteral("No map is loaded."), QStringLiteral("Error"));
    return;
  }
  // Read afresh each time, so that a changed sheet shows at once.
  const std::string sheetPath = FindFileCaseBlind(ProgramDir, map::PatternSheetName);
  bool built = false;
  {
    forms::TWaitCursor wait;
    if (const std::optional<QImage> sheet = map::ReadPatternSheet(sheetPath)) {
      ContourImg->SetPicture(map::BuildContourPicture(Doc, *sheet, TerrainCB->isChecked()), true);
      built = true;
    }
  }
  // The box comes with the normal cursor back.
  if (!built) {
    forms::ShowMessage(this, QStringLiteral("Could not load ") + FromLocalPath(sheetPath), QStringLiteral("Error"));
  }
}

void TContourForm::SaveBtnClick() {
  const QImage& picture = ContourImg->Picture();
  if (picture.isNull()) return;
  if (!SaveDialog1.Execute()) return;
  const map::ContourSaveTarget target = map::ContourSaveTargetFor(LocalPath(SaveDialog1.FileName()));
  // The dialog asked about the name it gave; a renamed file it never saw.
  std::error_code ec;
  if (target.Path != LocalPath(SaveDialog1.FileName()) && std::filesystem::exists(target.Path, ec)) {
    const QString name = FromLocalPath(FileNameOf(target.Path));
    if (!forms::AskYesNo(this, name + QStringLiteral(" already exists.\nDo you want to replace it?"),
                         QStringLiteral("Confirm Save As")))
      return;
  }
  bool saved = false;
  {
    forms::TWaitCursor wait;
    const std::optional<std::vector<uint8_t>> bytes =
        target.Bmp ? std::optional(map::EncodeBmp24(picture)) : map::EncodeJpeg(picture, map::ContourJpegQuality);
    saved = bytes && !bytes->empty() && SafeSaveFile(target.Path, *bytes);
  }
  if (!saved) forms::ShowMessage(this, QStringLiteral("Could not open output file"), QStringLiteral("Error"));
}

}  // namespace qrl::mapui
