#include "mapeditor/ui/hexeditform.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "gamefile/fileio.h"
#include "gamefile/strtoint.h"
#include "mapeditor/ui/localpath.h"

namespace qrl::mapui {

namespace {

constexpr const char* Caption = "Inspection Window";
constexpr const char* DumpFailed = "Could not open dump file";
constexpr const char* ErrorCaption = "Error";
constexpr const char* TerrainPrompt = "S8 Terrain";
constexpr std::array<const char*, map::LayerRows> LayerTitles = {"Main", "Sec3", "Sec4", "Sec5", "Sec6", "Sec7"};
constexpr std::array<const char*, 5> CancelNames = {"CancelS3Btn", "CancelS4Btn", "CancelS5Btn", "CancelS6Btn",
                                                    "CancelS7Btn"};
constexpr int FileCol = 1, IconCol = 2;  // HexGrid
constexpr int StackFileCol = 0, StackIconCol = 1;
constexpr int ByteCol = 0, ValueCol = 1;  // S8Grid

// Where the controls stand.
constexpr int WindowWidth = 470, WindowHeight = 560;
constexpr int Margin = 8, RowHeight = 24, LabelWidth = 60, EditWidth = 60;
constexpr QRect HexGridRect{Margin, 32, 200, 7 * RowHeight + 4};
constexpr int CancelLeft = Margin + 204, CancelSize = 22;
constexpr QRect S8GridRect{250, 32, 130, 300};
constexpr QRect S28GridRect{Margin, 290, 140, 7 * RowHeight + 4};

QString Text(const std::string& s) { return QString::fromStdString(s); }
std::string Bytes(const QString& s) { return s.toStdString(); }

QToolButton* PictureButton(QWidget* parent, const char* name, QStyle::StandardPixmap picture) {
  auto* button = new QToolButton(parent);
  forms::NameControl(button, name);
  button->setIcon(parent->style()->standardIcon(picture));
  return button;
}

QLineEdit* LabelledEdit(QWidget* parent, const char* name, const char* label, QPoint at) {
  auto* caption = new QLabel(label, parent);
  caption->setGeometry(at.x(), at.y(), LabelWidth, RowHeight);
  auto* edit = new QLineEdit("0", parent);
  forms::NameControl(edit, name);
  edit->setGeometry(at.x() + LabelWidth, at.y(), EditWidth, RowHeight);
  return edit;
}

}  // namespace

THexEditForm::THexEditForm(map::MapDocument& doc) : QWidget(nullptr), FormBase(this), Doc(doc) {
  setWindowTitle(Caption);
  setObjectName("HexEditForm");
  setAccessibleName(Caption);
  setFixedSize(WindowWidth, WindowHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(WindowWidth / 2, WindowHeight / 2));

  XYLbl = new QLabel(this);
  XYLbl->setObjectName("XYLbl");
  XYLbl->setGeometry(Margin, Margin, 120, RowHeight - 4);

  HexGrid = new forms::StringGrid(this);
  forms::NameControl(HexGrid, "HexGrid");
  HexGrid->setGeometry(HexGridRect);
  HexGrid->SetColCount(3);
  HexGrid->SetRowCount(map::LayerRows + 1);
  HexGrid->SetFixedCols(1);
  HexGrid->SetFixedRows(1);
  HexGrid->SetEditable(true);
  HexGrid->SetCell(0, 0, "Sec.");
  HexGrid->SetCell(FileCol, 0, "File");
  HexGrid->SetCell(IconCol, 0, "Icon");
  for (int row = 0; row < map::LayerRows; ++row) HexGrid->SetCell(0, row + 1, LayerTitles[size_t(row)]);
  for (size_t i = 0; i < CancelBtns.size(); ++i) {
    CancelBtns[i] = PictureButton(this, CancelNames[i], QStyle::SP_DialogDiscardButton);
    CancelBtns[i]->setGeometry(CancelLeft, HexGridRect.top() + RowHeight * int(i + 2), CancelSize, CancelSize);
    const int layer = int(i) + map::FirstOverlaySection;
    forms::Connect(CancelBtns[i], &QToolButton::clicked, this, [this, layer] { CancelS3BtnClick(layer); });
  }

  S29Edit = LabelledEdit(this, "S29Edit", "S29", {Margin, 220});
  S28Edit = LabelledEdit(this, "S28Edit", "S28 Tiles", {Margin, 252});
  S28Grid = new forms::StringGrid(this);
  forms::NameControl(S28Grid, "S28Grid");
  S28Grid->setGeometry(S28GridRect);
  S28Grid->SetColCount(2);
  S28Grid->SetRowCount(map::StackRows + 1);
  S28Grid->SetFixedCols(0);
  S28Grid->SetFixedRows(1);
  S28Grid->SetEditable(true);
  S28Grid->SetCell(StackFileCol, 0, "File");
  S28Grid->SetCell(StackIconCol, 0, "Icon");

  S8Grid = new forms::StringGrid(this);
  forms::NameControl(S8Grid, "S8Grid");
  S8Grid->setGeometry(S8GridRect);
  S8Grid->SetColCount(2);
  S8Grid->SetRowCount(map::HexRecordRows + 1);
  S8Grid->SetFixedCols(0);
  S8Grid->SetFixedRows(1);
  S8Grid->SetEditable(true);
  S8Grid->SetCell(ByteCol, 0, "Byte");
  S8Grid->SetCell(ValueCol, 0, "Val.");
  S8Grid->OnSelectCell = [this](int col, int row, bool& canSelect) { S8GridSelectCell(col, row, canSelect); };

  TerrainCB = new QComboBox(this);
  forms::NameControl(TerrainCB, "TerrainCB");
  TerrainCB->setGeometry(250, 340, 130, RowHeight);
  for (const std::string& item : map::InitialTerrainItems()) TerrainCB->addItem(Text(item));
  TerrainCB->setPlaceholderText(TerrainPrompt);
  TerrainCB->setCurrentIndex(-1);

  auto* s8Label = new QLabel("S8", this);
  s8Label->setGeometry(250, 372, 24, RowHeight);
  ToggleBtn = PictureButton(this, "ToggleBtn", QStyle::SP_BrowserReload);
  ToggleBtn->setGeometry(276, 372, CancelSize, CancelSize);
  CopyS8Btn = PictureButton(this, "CopyS8Btn", QStyle::SP_FileDialogDetailedView);
  CopyS8Btn->setGeometry(302, 372, CancelSize, CancelSize);
  PasteS8Btn = PictureButton(this, "PasteS8Btn", QStyle::SP_DialogApplyButton);
  PasteS8Btn->setGeometry(328, 372, CancelSize, CancelSize);

  auto* sizeLabel = new QLabel("Size", this);
  sizeLabel->setGeometry(250, 410, 40, RowHeight);
  WidthEdit = new QLineEdit("0", this);
  forms::NameControl(WidthEdit, "WidthEdit");
  WidthEdit->setGeometry(292, 410, 50, RowHeight);
  auto* byLabel = new QLabel("x", this);
  byLabel->setGeometry(346, 410, 12, RowHeight);
  HeightEdit = new QLineEdit("0", this);
  forms::NameControl(HeightEdit, "HeightEdit");
  HeightEdit->setGeometry(360, 410, 50, RowHeight);

  RetainBtn = new QPushButton("Retain", this);
  forms::NameControl(RetainBtn, "RetainBtn", "Retain");
  RetainBtn->setGeometry(250, 450, 90, 28);
  DumpBtn = new QPushButton("Dump", this);
  forms::NameControl(DumpBtn, "DumpBtn", "Dump");
  DumpBtn->setGeometry(250, 490, 90, 28);
  auto* dumpLabel = new QLabel("S", this);
  dumpLabel->setGeometry(346, 490, 12, RowHeight);
  DumpEdit = new QLineEdit("2", this);
  forms::NameControl(DumpEdit, "DumpEdit");
  DumpEdit->setGeometry(360, 490, 50, RowHeight);

  forms::Connect(RetainBtn, &QPushButton::clicked, this, [this] { RetainBtnClick(); });
  forms::Connect(ToggleBtn, &QToolButton::clicked, this, [this] { ToggleBtnClick(); });
  forms::Connect(CopyS8Btn, &QToolButton::clicked, this, [this] { CopyS8BtnClick(); });
  forms::Connect(PasteS8Btn, &QToolButton::clicked, this, [this] { PasteS8BtnClick(); });
  forms::Connect(DumpBtn, &QPushButton::clicked, this, [this] { DumpBtnClick(); });
}

void THexEditForm::FormShow() { LoadHex(); }

void THexEditForm::FormActivate() {
  const map::HexPos mouse = Host.MouseHex ? Host.MouseHex() : Inspected();
  if (mouse != Inspected() || Doc.Revision != ShownRevision) LoadHex();
}

void THexEditForm::LoadHex() {
  const map::HexPos hex = Host.MouseHex ? Host.MouseHex() : Inspected();
  InspectCol = hex.Col;
  InspectRow = hex.Row;
  XYLbl->setText(QString("%1,%2   ").arg(InspectCol).arg(InspectRow));
  ShowTexts(map::LoadHexEditTexts(Doc, hex));
  ShownRevision = Doc.Revision;
}

void THexEditForm::ShowTexts(const map::HexEditTexts& t) {
  for (int row = 0; row < map::LayerRows; ++row) {
    HexGrid->SetCell(FileCol, row + 1, Text(t.Layers[size_t(row)].File));
    HexGrid->SetCell(IconCol, row + 1, Text(t.Layers[size_t(row)].Icon));
  }
  WidthEdit->setText(Text(t.Width));
  HeightEdit->setText(Text(t.Height));
  S29Edit->setText(Text(t.HexByte));
  S28Edit->setText(Text(t.StackCount));
  for (int k = 0; k < map::StackRows; ++k) {
    S28Grid->SetCell(StackFileCol, k + 1, Text(t.Stack[size_t(k)].File));
    S28Grid->SetCell(StackIconCol, k + 1, Text(t.Stack[size_t(k)].Icon));
  }
  for (int i = 0; i < map::HexRecordRows; ++i) {
    S8Grid->SetCell(ByteCol, i + 1, QString::number(i));
    S8Grid->SetCell(ValueCol, i + 1, Text(t.HexRecord[size_t(i)]));
  }
}

map::HexEditTexts THexEditForm::ReadTexts() const {
  map::HexEditTexts t;
  for (int row = 0; row < map::LayerRows; ++row)
    t.Layers[size_t(row)] = {Bytes(HexGrid->Cell(FileCol, row + 1)), Bytes(HexGrid->Cell(IconCol, row + 1))};
  t.Width = Bytes(WidthEdit->text());
  t.Height = Bytes(HeightEdit->text());
  t.HexByte = Bytes(S29Edit->text());
  t.StackCount = Bytes(S28Edit->text());
  for (int k = 0; k < map::StackRows; ++k)
    t.Stack[size_t(k)] = {Bytes(S28Grid->Cell(StackFileCol, k + 1)), Bytes(S28Grid->Cell(StackIconCol, k + 1))};
  for (int i = 0; i < map::HexRecordRows; ++i) t.HexRecord[size_t(i)] = Bytes(S8Grid->Cell(ValueCol, i + 1));
  return t;
}

void THexEditForm::RetainBtnClick() {
  const map::HexEditTexts texts = ReadTexts();
  if (Host.TakeUndoRecord) Host.TakeUndoRecord(Inspected());
  // What this window writes is what it shows: no reason to reload for it,
  // also when a bad field ends the write part way.
  struct KeepShown {
    map::MapDocument& Doc;
    uint64_t& Shown;
    ~KeepShown() {
      Doc.NoteChange();
      Shown = Doc.Revision;
    }
  } keep{Doc, ShownRevision};
  map::RetainHexEditTexts(Doc, Inspected(), texts);
}

void THexEditForm::CopyS8BtnClick() { RecordClipboard.Copy(Doc, Inspected()); }

void THexEditForm::PasteS8BtnClick() {
  if (!RecordClipboard.Paste(Doc, Inspected())) return;
  if (Host.StoredWithoutUndo) Host.StoredWithoutUndo();
  Doc.NoteChange();
  ShownRevision = Doc.Revision;
  ShowHexRecord();
}

void THexEditForm::ShowHexRecord() {
  const map::HexEditTexts t = map::LoadHexEditTexts(Doc, Inspected());
  for (int i = 0; i < map::HexRecordRows; ++i) {
    S8Grid->SetCell(ByteCol, i + 1, QString::number(i));
    S8Grid->SetCell(ValueCol, i + 1, Text(t.HexRecord[size_t(i)]));
  }
}

void THexEditForm::CancelS3BtnClick(int layer) {
  const int row = layer - map::BaseLayerSection + 1;
  const QString none = QString::fromLatin1(map::NoOverlayText.data(), qsizetype(map::NoOverlayText.size()));
  HexGrid->SetCell(FileCol, row, none);
  HexGrid->SetCell(IconCol, row, none);
  RetainBtnClick();
}

void THexEditForm::S8GridSelectCell(int, int row, bool&) {
  const int byte = row - 1;
  if (byte >= 0 && byte < map::TerrainByteRows) {
    TerrainCB->setEnabled(true);
    SetTerrainItems(byte);
  } else {
    TerrainCB->setEnabled(false);
  }
}

void THexEditForm::SetTerrainItems(int byte) {
  TerrainCB->clear();
  for (std::string_view name : map::TerrainBitItems(byte))
    TerrainCB->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
  TerrainCB->setCurrentIndex(0);
}

void THexEditForm::ToggleBtnClick() {
  const int row = S8Grid->Selection().Top;
  const int byte = row - 1;
  if (byte < 0 || byte >= map::TerrainByteRows) return;
  const int bit = TerrainCB->currentIndex();
  if (bit < 0) return;  // no bit chosen: nothing to toggle
  S8Grid->SetCell(ValueCol, row, Text(map::ToggleTerrainBitText(Bytes(S8Grid->Cell(ValueCol, row)), bit)));
  RetainBtnClick();
}

void THexEditForm::DumpBtnClick() {
  const int32_t id = StrToInt(Bytes(DumpEdit->text()));
  const auto bytes = map::SectionDumpBytes(Doc, id);
  if (!bytes || !Host.SaveDialog) return;
  forms::SaveDialog& dialog = *Host.SaveDialog;
  dialog.SetTitle(QString::fromLatin1(map::SectionDumpTitlePrefix.data()) + QString::number(id));
  dialog.SetFilter(QString::fromLatin1(map::SectionDumpFilter.data()));
  if (!dialog.Execute()) return;
  if (!SafeSaveFile(LocalPath(dialog.FileName()), *bytes)) forms::ShowMessage(this, DumpFailed, ErrorCaption);
}

}  // namespace qrl::mapui
