#include "mapeditor/ui/mainform.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <vector>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "forms/numbers.h"
#include "forms/scrollbars.h"
#include "forms/waitcursor.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/jpegwriter.h"
#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/transferstrip.h"
#include "mapeditor/ui/contourform.h"
#include "mapeditor/ui/hexeditform.h"
#include "mapeditor/ui/localpath.h"
#include "mapeditor/ui/mapimage.h"
#include "mapeditor/ui/qualityform.h"
#include "mapeditor/ui/stratform.h"
#include "mapeditor/ui/transferform.h"

namespace qrl::mapui {

namespace {

const char* const FormCaption = "Ostin's Morvain Qarlmoor Map Editor";
const char* const LoadedCaptionPrefix = "QRL : ";
const char* const ShpFolderName = "Shp";

const char* const LoadMapFilter = "Maps (*.dat)|*.dat|All Files (*.*)| *.*";
const char* const SaveMapTitle = "Save Map";
const char* const SaveMapDefaultExt = "dat";
const char* const SaveMapFilter = "Map Files (*.dat)|*.dat|All Files (*.*)|*.*";
const char* const ShpFilter = "shp Files (*.shp)|*.shp|All files (*.*)|*.*";
const char* const SaveImageTitle = "Save Map Quadrant As JPEG Image";
const char* const SaveImageDefaultExt = "jpg";
const char* const SaveImageFilter = "JPEG file (*.jpg)|*.jpg|All Files (*.*)|*.*";

const char* const AboutCaption = "About Ostin's Morvain Qarlmoor Map";
const char* const AboutText = "QRL Map Version 0.066\nNovember 2000";

// Outer size of the window.
constexpr int FormWidth = 775;
constexpr int FormHeight = 600;

// Placement of the controls around the view (free apart from MapImg's size).
constexpr int ScrollBarThickness = 16;
constexpr int ColumnGap = 4;
constexpr int RightColumnX = map::MapImgWidth + ScrollBarThickness + ColumnGap;
constexpr int RightColumnWidth = FormWidth - RightColumnX - ColumnGap;
constexpr int RowHeight = 20;
constexpr int LabelGap = 6;
constexpr int SpeedButtonSize = 24;
constexpr int SpeedButtonsPerRow = 2;

// Scroll steps: one column, or two rows so that the first row stays even; a
// page keeps one column or two rows of the old view in sight.
constexpr int HMapSBSmallChange = 1;
constexpr int HMapSBLargeChange = map::ViewCols - 1;
constexpr int VMapSBSmallChange = 2;
constexpr int VMapSBLargeChange = map::ViewRows - 2;

QString Text(const char* text) { return QString::fromUtf8(text); }

QString WithTrailingSlash(QString folder) {
  if (!folder.endsWith(u'/')) folder += u'/';
  return folder;
}

// One row of MainMenu1: a plain item, a check item or a separator. Items of
// commands that this program does not offer yet stay disabled.
struct MenuItemRow {
  const char* Caption;  // "-" for a separator
  const char* Name = nullptr;
  QAction* TMainForm::*Item = nullptr;
  std::unique_ptr<forms::CheckItem> TMainForm::*Check = nullptr;
  bool Enabled = false;
};

constexpr bool Offered = true;
constexpr bool NotYet = false;

MenuItemRow Item(const char* caption, const char* name, QAction* TMainForm::*item, bool offered) {
  return {caption, name, item, nullptr, offered};
}
MenuItemRow Check(const char* caption, const char* name, std::unique_ptr<forms::CheckItem> TMainForm::*check,
                  bool offered) {
  return {caption, name, nullptr, check, offered};
}
MenuItemRow Separator() { return {"-"}; }

struct MenuRow {
  const char* Title;
  std::vector<MenuItemRow> Items;
};

std::vector<MenuRow> MainMenuTable() {
  using F = TMainForm;
  return {
      {"Files",
       {Item("Load QRL Map", "LoadQRLMap1", &F::LoadQRLMap1, Offered),
        Item("Save QRL Map", "SaveMapFile1", &F::SaveMapFile1, Offered),
        Separator(),
        Item("Set Shp Directory", "SetShpDirectory1", &F::SetShpDirectory1, Offered),
        Separator(),
        Item("Save Map Image", "SaveMapImage1", &F::SaveMapImage1, Offered),
        Item("Image Quality", "ImageQuality1", &F::ImageQuality1, Offered),
        Separator(),
        Item("Exit", "Exit1", &F::Exit1, Offered)}},
      {"Options",
       {Check("Show Hexes", "ShowHexes1", &F::ShowHexes1, Offered),
        Check("Inspection Mode", "InspectionMode1", &F::InspectionMode1, Offered),
        Check("Strat Map", "StratMap1", &F::StratMap1, Offered),
        Check("Tile Transfer", "TileTransfer1", &F::TileTransfer1, Offered)}},
      {"Tools",
       {Item("Import from Bitmap", "Tools1", &F::Tools1, Offered),
        Item("Import SDTS DEM", "ImportSDTSDEM1", &F::ImportSDTSDEM1, Offered),
        Separator(),
        Item("Copy To File", "CopyToFile1", &F::CopyToFile1, Offered),
        Item("Paste From File", "PasteFromFile1", &F::PasteFromFile1, Offered),
        Separator(),
        Item("Copy To Clipboard", "CopyToClopboard1", &F::CopyToClopboard1, Offered),
        Item("Paste From Clipboard", "PasteFromClipboard1", &F::PasteFromClipboard1, Offered),
        Separator(),
        Item("Contour Map", "ContourMap1", &F::ContourMap1, Offered)}},
      {"Roads",
       {Check("Show All Road Connections", "ShowAllRoadConnections1", &F::ShowAllRoadConnections1, Offered),
        Separator(),
        Check("Show Road Connections", "ShowRoadConnections1", &F::ShowRoadConnections1, Offered),
        Check("Toggle Road Connection", "ToggleRoadConnection1", &F::ToggleRoadConnection1, Offered),
        Check("Toggle Road", "ToggleRoad1", &F::ToggleRoad1, Offered),
        Separator(),
        Check("Paved Road", "PavedRoad1", &F::PavedRoad1, Offered),
        Check("Secondary Road", "SecondaryRoad1", &F::SecondaryRoad1, Offered),
        Check("Railroad", "Railroad1", &F::Railroad1, Offered)}},
      // The two conversions pour into a loaded map: the first load enables them.
      {"Convert",
       {Item("ZKT 2.x Map", "ConvertZKTtoQRL1", &F::ConvertZKTtoQRL1, NotYet),
        Check("Use KXZKT Buildings", "ZKTBuildings", &F::ZKTBuildings, Offered),
        Separator(),
        Item("KX3 Map To QRL 1.0", "KX3Map1", &F::KX3Map1, NotYet)}},
      {"Help", {Item("About", "About1", &F::About1, Offered)}},
  };
}

}  // namespace

// What tells the two conversions apart in the window.
struct OldMapCommand {
  const char* Title;
  const char* OpenFailure;  // %1: the chosen file name
  const char* WrongMagic;
};

namespace {

const OldMapCommand Kx2Command = {"Pick KXZKT Map to Convert", "Could not open KXZKT map file %1.",
                                  "This is not a KX2 version 1.1 or KXZKT file!"};
const OldMapCommand Kx3Command = {"Pick KX3 Map to Convert", "Could not open KX3 map file %1.",
                                  "This is not a KX3 file!"};
const char* const ConvertDefaultExt = "dat";
const char* const DoesNotFitText = "The map in %1 does not fit the loaded map.";

}  // namespace

TMainForm::TMainForm(map::MapDocument& doc, map::TileCache& tiles, const QString& programDir)
    : QMainWindow(nullptr), FormBase(this), Doc(doc), Tiles(tiles), OpenDialog1(this), SaveDialog1(this) {
  setWindowTitle(Text(FormCaption));
  forms::NameCaptionedControl(this, QStringLiteral("MainForm"));  // the load replaces the caption
  BuildControls();
  BuildMenus();
  ConnectHandlers();
  resize(FormWidth, FormHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  FormCreate(programDir);
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildControls() {
  auto* client = new QWidget(this);
  setCentralWidget(client);

  MapImg = new MapImage(map::MapImgWidth, map::MapImgHeight, client);
  forms::NameControl(MapImg, QStringLiteral("MapImg"));
  MapImg->move(0, 0);

  VMapSB = new QScrollBar(Qt::Vertical, client);
  forms::NameControl(VMapSB, QStringLiteral("VMapSB"));
  VMapSB->setGeometry(map::MapImgWidth, 0, ScrollBarThickness, map::MapImgHeight);
  HMapSB = new QScrollBar(Qt::Horizontal, client);
  forms::NameControl(HMapSB, QStringLiteral("HMapSB"));
  HMapSB->setGeometry(0, map::MapImgHeight, map::MapImgWidth, ScrollBarThickness);

  WhereLbl = new QLabel(QStringLiteral("0,0"), client);
  WhereLbl->setObjectName(QStringLiteral("WhereLbl"));
  WhereLbl->setGeometry(0, map::MapImgHeight + ScrollBarThickness + 2, map::MapImgWidth, RowHeight);

  int y = 0;
  QCheckBox* TMainForm::*layerBoxes[] = {&TMainForm::CB3, &TMainForm::CB4, &TMainForm::CB5, &TMainForm::CB6,
                                         &TMainForm::CB7};
  int section = map::FirstOverlaySection;
  for (QCheckBox* TMainForm::*box : layerBoxes) {
    const QString caption = forms::IntToStr(section++);
    this->*box = new QCheckBox(caption, client);
    forms::NameControl(this->*box, QStringLiteral("CB") + caption, caption);
    (this->*box)->setChecked(true);
    (this->*box)->setGeometry(RightColumnX, y, RightColumnWidth, RowHeight);
    y += RowHeight;
  }

  y += LabelGap;
  ImgNumLbl = new QLabel(QStringLiteral("0"), client);
  ImgNumLbl->setObjectName(QStringLiteral("ImgNumLbl"));
  ImgNumLbl->setGeometry(RightColumnX, y, RightColumnWidth, RowHeight);
  y += RowHeight;
  SizeLbl = new QLabel(QStringLiteral("0"), client);
  SizeLbl->setObjectName(QStringLiteral("SizeLbl"));
  SizeLbl->setGeometry(RightColumnX, y, RightColumnWidth, RowHeight);
  y += RowHeight + LabelGap;

  // Speed buttons show a glyph and no caption.
  struct ButtonRow {
    QToolButton* TMainForm::*Button;
    const char* Name;
    QStyle::StandardPixmap Glyph;
    const char* Hint;
  };
  const ButtonRow buttons[] = {
      {&TMainForm::RedrawBtn, "RedrawBtn", QStyle::SP_BrowserReload, "Redraw the map"},
      {&TMainForm::SpeedButton1, "SpeedButton1", QStyle::SP_ArrowRight, "Transfer Tiles"},
      {&TMainForm::ShowHexesBtn, "ShowHexesBtn", QStyle::SP_FileDialogDetailedView, "Show hexes"},
      {&TMainForm::UndoBtn, "UndoBtn", QStyle::SP_ArrowBack, "Undo last change"},
  };
  int index = 0;
  for (const ButtonRow& row : buttons) {
    auto* button = new QToolButton(client);
    forms::NameControl(button, Text(row.Name));
    button->setIcon(style()->standardIcon(row.Glyph));
    button->setToolTip(Text(row.Hint));
    button->setAutoRaise(true);
    button->setGeometry(RightColumnX + (index % SpeedButtonsPerRow) * (SpeedButtonSize + 2),
                        y + (index / SpeedButtonsPerRow) * (SpeedButtonSize + 2), SpeedButtonSize, SpeedButtonSize);
    this->*row.Button = button;
    ++index;
  }
  // Nothing to undo yet.
  UndoBtn->setEnabled(false);
}

void TMainForm::BuildMenus() {
  QMenuBar* bar = menuBar();
  forms::NameControl(bar, QStringLiteral("MainMenu1"));
  for (const MenuRow& menuRow : MainMenuTable()) {
    QMenu* menu = bar->addMenu(Text(menuRow.Title));
    for (const MenuItemRow& row : menuRow.Items) {
      if (!row.Item && !row.Check) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(Text(row.Caption));
      action->setObjectName(Text(row.Name));
      action->setEnabled(row.Enabled);
      if (row.Item) this->*row.Item = action;
      if (row.Check) this->*row.Check = std::make_unique<forms::CheckItem>(action);
    }
  }
  // A menu item's accessible name is its caption; the object name is its own.
  ConvertZKTtoQRL1->setObjectName(QStringLiteral("ConvertZKTtoQRL1"));
  ZKTBuildings->Action()->setObjectName(QStringLiteral("ZKTBuildings"));
  KX3Map1->setObjectName(QStringLiteral("KX3Map1"));
}

void TMainForm::ConnectHandlers() {
  forms::Connect(LoadQRLMap1, &QAction::triggered, this, [this] { LoadQRLMap1Click(); });
  forms::Connect(SaveMapFile1, &QAction::triggered, this, [this] { SaveMapFile1Click(); });
  forms::Connect(SetShpDirectory1, &QAction::triggered, this, [this] { SetShpDirectory1Click(); });
  forms::Connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  ShowHexes1->OnClick(this, [this] { ShowHexes1Click(); });
  forms::Connect(About1, &QAction::triggered, this, [this] { About1Click(); });
  forms::Connect(ConvertZKTtoQRL1, &QAction::triggered, this, [this] { ConvertZKTtoQRL1xClick(); });
  ZKTBuildings->OnClick(this, [this] { ZKTBuildingsClick(); });
  forms::Connect(KX3Map1, &QAction::triggered, this, [this] { KX3Map1Click(); });
  forms::Connect(SaveMapImage1, &QAction::triggered, this, [this] { SaveMapImage1Click(); });
  forms::Connect(ImageQuality1, &QAction::triggered, this, [this] { ImageQuality1Click(); });
  StratMap1->OnClick(this, [this] { StratMap1Click(); });
  forms::Connect(ContourMap1, &QAction::triggered, this, [this] { ContourMap1Click(); });
  Tools1->setObjectName(QStringLiteral("Tools1"));
  forms::Connect(Tools1, &QAction::triggered, this, [this] { Tools1Click(); });
  ImportSDTSDEM1->setObjectName(QStringLiteral("ImportSDTSDEM1"));
  forms::Connect(ImportSDTSDEM1, &QAction::triggered, this, [this] { ImportSDTSDEM1Click(); });

  forms::Connect(RedrawBtn, &QToolButton::clicked, this, [this] { RedrawBtnClick(); });
  forms::Connect(ShowHexesBtn, &QToolButton::clicked, this, [this] { ShowHexesBtnClick(); });
  forms::Connect(HMapSB, &QScrollBar::valueChanged, this, [this] { HMapSBChange(); });
  forms::Connect(VMapSB, &QScrollBar::valueChanged, this, [this] { VMapSBChange(); });
  MapImg->OnMouseMove = [this](int x, int y) { MapImgMouseMove(x, y); };
  ConnectMapEditing();
}

void TMainForm::FormCreate(const QString& programDir) {
  const QString folder = WithTrailingSlash(programDir);
  OpenDialog1.SetInitialDir(folder);
  ProgramDir = LocalPath(folder);
  Tiles = map::TileCache();
  // The folder is named by the program, so a "shp" of any case will do.
  Tiles.ShpDir = FindFileCaseBlind(ProgramDir, ShpFolderName) + "/";

  HMapSB->setSingleStep(HMapSBSmallChange);
  HMapSB->setPageStep(HMapSBLargeChange);
  forms::SetScrollMax(*HMapSB, map::HMapSBMax(Doc.MapWidth));
  VMapSB->setSingleStep(VMapSBSmallChange);
  VMapSB->setPageStep(VMapSBLargeChange);
  forms::SetScrollMax(*VMapSB, map::VMapSBMax(Doc.MapHeight));

  Doc.MarkWantedSections();
}

map::MapViewOptions TMainForm::ViewOptions() const {
  map::MapViewOptions options;
  options.ViewCol = ViewCol;
  options.ViewRow = ViewRow;
  options.CB3 = CB3->isChecked();
  options.CB4 = CB4->isChecked();
  options.CB5 = CB5->isChecked();
  options.CB6 = CB6->isChecked();
  options.CB7 = CB7->isChecked();
  options.ShowRoadConnections1 = ShowRoadConnections1->Checked();
  options.ShowAllRoadConnections1 = ShowAllRoadConnections1->Checked();
  options.ToggleRoad1 = ToggleRoad1->Checked();
  options.ToggleRoadConnection1 = ToggleRoadConnection1->Checked();
  options.PavedRoad1 = PavedRoad1->Checked();
  options.SecondaryRoad1 = SecondaryRoad1->Checked();
  options.Railroad1 = Railroad1->Checked();
  options.ShowHexes1 = ShowHexes1->Checked();
  return options;
}

void TMainForm::RedrawMap() {
  forms::TWaitCursor wait;
  map::MapViewOptions options = ViewOptions();
  map::RedrawOutcome drawn = map::RedrawMap(Doc, Tiles, options);
  if (drawn.SecondaryRoadSwitchedOn) SecondaryRoad1->SetChecked(true);
  MapBitmap = std::move(drawn.MapBitmap);
  MapImg->SetPicture(std::move(drawn.Picture));
  Marker.Forget();
  ShowImageCounts();
}

void TMainForm::ShowImageCounts() {
  ImgNumLbl->setText(QString::fromStdString(map::ImgNumLblText(Tiles.Images)));
  SizeLbl->setText(QString::fromStdString(map::SizeLblText(Tiles.Images)));
}

void TMainForm::LoadQRLMap1Click() {
  OpenDialog1.SetFilter(Text(LoadMapFilter));
  if (!OpenDialog1.Execute()) return;
  const QString name = OpenDialog1.FileName();
  const std::optional<std::vector<uint8_t>> file = ReadWholeFile(LocalPath(name));
  if (!file) {
    forms::ShowErrorDialog(this, QStringLiteral("Could not open ") + name);
    return;
  }
  OpenDialog1.SetInitialDir(FromLocalPath(FolderOf(LocalPath(name))));

  const map::MapLoadOutcome outcome = map::LoadMapFromGameFile(*file, Doc);
  switch (outcome.Status) {
    case map::MapLoadStatus::Loaded:
      break;
    case map::MapLoadStatus::NotKxqrl:
      forms::ShowMessage(this, QStringLiteral("This is not a KXQRL file!"), QStringLiteral("Fatal Error"));
      return;
    case map::MapLoadStatus::MissingSection:
      forms::ShowErrorDialog(this, QStringLiteral("Could not find section ") + forms::IntToStr(outcome.SectionId));
      return;
    case map::MapLoadStatus::TooLarge:
      forms::ShowErrorDialog(this, QStringLiteral("The map in ") + name + QStringLiteral(" is too large to load"));
      return;
  }
  setWindowTitle(Text(LoadedCaptionPrefix) + name);
  ConvertZKTtoQRL1->setEnabled(true);
  KX3Map1->setEnabled(true);
  StratMapStale = true;
  ShowLoadedMap();
  ForgetEditsOfOldMap();
}

void TMainForm::ShowLoadedMap() {
  ViewCol = 0;
  ViewRow = 0;
  // Quietly: the bars' change handlers would redraw the new map with the view
  // origin only half reset and the old scroll ranges.
  forms::SetScrollPosition(*VMapSB, 0);
  forms::SetScrollPosition(*HMapSB, 0);
  forms::SetScrollMax(*HMapSB, map::HMapSBMax(Doc.MapWidth));
  forms::SetScrollMax(*VMapSB, map::VMapSBMax(Doc.MapHeight));
  RedrawMap();
}

void TMainForm::SaveMapFile1Click() {
  SaveDialog1.SetTitle(Text(SaveMapTitle));
  SaveDialog1.SetDefaultExt(Text(SaveMapDefaultExt));
  SaveDialog1.SetFilter(Text(SaveMapFilter));
  SaveDialog1.SetInitialDir(OpenDialog1.InitialDir());
  if (!SaveDialog1.Execute()) return;
  const QString name = SaveDialog1.FileName();
  if (!SafeSaveFile(LocalPath(name), map::BuildMapFile(Doc))) {
    forms::ShowMessage(this, QStringLiteral("Could not open output map file %1.").arg(name), QStringLiteral("File Error"));
  }
}

void TMainForm::SetShpDirectory1Click() {
  OpenDialog1.SetFilter(Text(ShpFilter));
  if (!OpenDialog1.Execute()) return;
  // Tiles already loaded stay as they are; only later ones come from here.
  Tiles.ShpDir = FolderOf(LocalPath(OpenDialog1.FileName()));
}

void TMainForm::Exit1Click() { close(); }

void TMainForm::ShowHexes1Click() {
  ShowHexes1->SetChecked(!ShowHexes1->Checked());
  RedrawMap();
}

void TMainForm::ShowHexesBtnClick() { ShowHexes1Click(); }

void TMainForm::RedrawBtnClick() { RedrawMap(); }

void TMainForm::About1Click() { forms::ShowMessage(this, Text(AboutText), Text(AboutCaption)); }

namespace {
// Shows a window of the program in front of the others.
void ShowWindow(QWidget* window) {
  if (!window) return;
  window->show();
  window->raise();
  window->activateWindow();
}
}  // namespace

void TMainForm::Tools1Click() { ShowWindow(ImportForm); }

void TMainForm::ImportSDTSDEM1Click() { ShowWindow(SDTS); }

void TMainForm::MapImgMouseMove(int x, int y) {
  if (!Mouse.MapImgMouseMove(x, y, ViewCol, ViewRow, Doc.MapWidth, Doc.MapHeight)) return;
  WhereLbl->setText(QString::fromStdString(map::WhereLblText(Doc, Mouse, RoadClickState)));
}

void TMainForm::HMapSBChange() {
  ViewCol = HMapSB->value();
  RedrawMap();
}

void TMainForm::VMapSBChange() {
  const map::VScrollOutcome even = map::VMapSBChange(VMapSB->value(), VMapSB->maximum());
  ViewRow = even.ViewRow;
  // Runs this handler again, nested, with the even row.
  if (even.Position != VMapSB->value()) VMapSB->setValue(even.Position);
  RedrawMap();
}

void TMainForm::ConvertZKTtoQRL1xClick() {
  const bool useKxzktBuildings = ZKTBuildings->Checked();
  ConvertOldMap(Kx2Command, [&](std::span<const uint8_t> file) {
    return map::ConvertKx2Map(Doc, file, useKxzktBuildings);
  });
}

void TMainForm::KX3Map1Click() {
  ConvertOldMap(Kx3Command, [&](std::span<const uint8_t> file) { return map::ConvertKx3Map(Doc, file); });
}

void TMainForm::ZKTBuildingsClick() { ZKTBuildings->SetChecked(!ZKTBuildings->Checked()); }

void TMainForm::ConvertOldMap(const OldMapCommand& command,
                              const std::function<map::OldMapStatus(std::span<const uint8_t>)>& convert) {
  // Filter and start folder stay as the last command left them.
  OpenDialog1.SetTitle(Text(command.Title));
  OpenDialog1.SetDefaultExt(Text(ConvertDefaultExt));
  if (!OpenDialog1.Execute()) return;
  const QString name = OpenDialog1.FileName();
  const std::optional<std::vector<uint8_t>> file = ReadWholeFile(LocalPath(name));
  if (!file) {
    forms::ShowMessage(this, Text(command.OpenFailure).arg(name), QStringLiteral("File Error"));
    return;
  }
  switch (convert(*file)) {
    case map::OldMapStatus::Converted:
      StoredWithoutUndo();
      // Caption, scroll bars and map size stay: they follow the next load.
      RedrawMap();
      return;
    case map::OldMapStatus::NotOldMapFile:
      forms::ShowMessage(this, Text(command.WrongMagic), QStringLiteral("Fatal Error"));
      return;
    case map::OldMapStatus::DoesNotFit:
      forms::ShowMessage(this, Text(DoesNotFitText).arg(name), QStringLiteral("Fatal Error"));
      return;
  }
}

// ---- Map editing with the mouse, the tile transfer and the one-hex undo ----

void TMainForm::ConnectMapEditing() {
  MapImg->OnClick = [this] { MapImgClick(); };
  MapImg->OnMouseDown = [this](Qt::MouseButton button, int, int) { MapImgMouseDown(button); };
  forms::Connect(UndoBtn, &QToolButton::clicked, this, [this] { UndoBtnClick(); });
  forms::Connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
  InspectionMode1->OnClick(this, [this] { InspectionMode1Click(); });
  TileTransfer1->OnClick(this, [this] { TileTransfer1Click(); });
  forms::Connect(CopyToFile1, &QAction::triggered, this, [this] { CopyToFile1Click(); });
  forms::Connect(PasteFromFile1, &QAction::triggered, this, [this] { PasteFromFile1Click(); });
  forms::Connect(CopyToClopboard1, &QAction::triggered, this, [this] { CopyToClipboard1Click(); });
  forms::Connect(PasteFromClipboard1, &QAction::triggered, this, [this] { PasteFromClipboard1Click(); });
  ShowAllRoadConnections1->OnClick(this, [this] { ShowAllRoadConnections1Click(); });
  ShowRoadConnections1->OnClick(this, [this] { ShowRoadConnections1Click(); });
  ToggleRoadConnection1->OnClick(this, [this] { ToggleRoadConnection1Click(); });
  ToggleRoad1->OnClick(this, [this] { ToggleRoad1Click(); });
  PavedRoad1->OnClick(this, [this] { PavedRoad1Click(); });
  SecondaryRoad1->OnClick(this, [this] { SecondaryRoad1Click(); });
  Railroad1->OnClick(this, [this] { Railroad1Click(); });
}

map::RoadKinds TMainForm::CheckedRoadKinds() const {
  return {PavedRoad1->Checked(), SecondaryRoad1->Checked(), Railroad1->Checked()};
}

void TMainForm::MapImgClick() {
  MapImg->EditPicture([this](QImage& picture) { Marker.Place(picture, Mouse.MouseX, Mouse.MouseY); });
  const map::HexPos hex{Mouse.HexCol, Mouse.HexRow};
  if (ToggleRoad1->Checked()) {
    if (map::ToggleRoad(Doc, hex.Col, hex.Row, CheckedRoadKinds())) StoredWithoutUndo();
    RedrawMap();
  }
  if (ToggleRoadConnection1->Checked()) {
    const map::ConnectionClickOutcome click =
        map::ConnectionClick(Doc, RoadClickState, {RoadFirstCol, RoadFirstRow}, hex, CheckedRoadKinds());
    RoadClickState = click.RoadClickState;
    RoadFirstCol = click.RoadFirst.Col;
    RoadFirstRow = click.RoadFirst.Row;
    if (click.Stored) StoredWithoutUndo();
    if (click.Redraw) RedrawMap();
  }
  // After the road edits, so that the inspection window loads the hex as they
  // left it and its next Retain does not write the old record back.
  if (InspectionMode1->Checked()) ShowHexEditForm();
}

void TMainForm::MapImgMouseDown(Qt::MouseButton button) {
  if (!TileTransfer1->Checked() || (button != Qt::RightButton && button != Qt::MiddleButton) || !TransferForm) return;
  const int col = Mouse.HexCol;
  const int row = Mouse.HexRow;
  SaveUndoHex(col, row);
  const uint16_t tile = map::StampTileWord(TransferForm->IconNumberText(), TransferForm->FileNumber());
  Doc.SetTileWordAt(TransferForm->SectionNumber(), col, row, tile);
  Doc.NoteChange();
  RedrawMap();
  if (InspectionMode1->Checked()) ShowHexEditForm();
}

void TMainForm::SaveUndoHex(int col, int row) {
  UndoHex = map::SaveUndoHex(Doc, col, row);
  UndoBtn->setEnabled(true);
}

void TMainForm::RestoreUndoHex() {
  map::RestoreUndoHex(Doc, UndoHex);
  Doc.NoteChange();
  UndoBtn->setEnabled(false);
}

void TMainForm::StoredWithoutUndo() {
  Doc.NoteChange();
  UndoBtn->setEnabled(false);
}

void TMainForm::UndoBtnClick() {
  // The restored hex shows at the next redraw.
  if (UndoBtn->isEnabled()) RestoreUndoHex();
}

void TMainForm::ShowHexEditForm() { ShowWindow(HexEditForm); }

void TMainForm::InspectionMode1Click() {
  if (Doc.MapKind != map::CurrentMapKind) return;
  if (InspectionMode1->Checked()) {
    InspectionMode1->SetChecked(false);
    if (HexEditForm) HexEditForm->hide();
  } else {
    ShowHexEditForm();
    InspectionMode1->SetChecked(true);
  }
}

void TMainForm::RoadsMenuItemClick(map::RoadsMenuItem item) {
  using I = map::RoadsMenuItem;
  struct ItemRow {
    I Item;
    std::unique_ptr<forms::CheckItem> TMainForm::*Check;
    bool map::RoadsMenuMarks::*Mark;
  };
  const ItemRow rows[] = {
      {I::ShowAllRoadConnections1, &TMainForm::ShowAllRoadConnections1, &map::RoadsMenuMarks::ShowAllRoadConnections1},
      {I::ShowRoadConnections1, &TMainForm::ShowRoadConnections1, &map::RoadsMenuMarks::ShowRoadConnections1},
      {I::ToggleRoadConnection1, &TMainForm::ToggleRoadConnection1, &map::RoadsMenuMarks::ToggleRoadConnection1},
      {I::ToggleRoad1, &TMainForm::ToggleRoad1, &map::RoadsMenuMarks::ToggleRoad1},
      {I::PavedRoad1, &TMainForm::PavedRoad1, &map::RoadsMenuMarks::PavedRoad1},
      {I::SecondaryRoad1, &TMainForm::SecondaryRoad1, &map::RoadsMenuMarks::SecondaryRoad1},
      {I::Railroad1, &TMainForm::Railroad1, &map::RoadsMenuMarks::Railroad1},
  };
  map::RoadsMenuState before;
  before.RoadClickState = RoadClickState;
  for (const ItemRow& row : rows) before.Marks.*row.Mark = (this->*row.Check)->Checked();
  const map::RoadsMenuState after = map::RoadsMenuClick(item, before);
  for (const ItemRow& row : rows) (this->*row.Check)->SetChecked(after.Marks.*row.Mark);
  RoadClickState = after.RoadClickState;
  RedrawMap();
}

void TMainForm::ShowAllRoadConnections1Click() { RoadsMenuItemClick(map::RoadsMenuItem::ShowAllRoadConnections1); }
void TMainForm::ShowRoadConnections1Click() { RoadsMenuItemClick(map::RoadsMenuItem::ShowRoadConnections1); }
void TMainForm::ToggleRoadConnection1Click() { RoadsMenuItemClick(map::RoadsMenuItem::ToggleRoadConnection1); }
void TMainForm::ToggleRoad1Click() { RoadsMenuItemClick(map::RoadsMenuItem::ToggleRoad1); }
void TMainForm::PavedRoad1Click() { RoadsMenuItemClick(map::RoadsMenuItem::PavedRoad1); }
void TMainForm::SecondaryRoad1Click() { RoadsMenuItemClick(map::RoadsMenuItem::SecondaryRoad1); }
void TMainForm::Railroad1Click() { RoadsMenuItemClick(map::RoadsMenuItem::Railroad1); }

void TMainForm::TileTransfer1Click() {
  if (Doc.MapKind != map::CurrentMapKind || !TransferForm) return;
  if (TransferShown) {
    TransferShown = false;
    TransferForm->hide();
    TileTransfer1->SetChecked(false);
  } else {
    TransferShown = true;
    TransferForm->show();
    TileTransfer1->SetChecked(true);
  }
}

void TMainForm::SpeedButton1Click() { TileTransfer1Click(); }

void TMainForm::ForgetEditsOfOldMap() {
  if (RoadClickState == map::RoadFirstHexChosen) RoadClickState = map::RoadClickWaiting;
  // The mouse has not moved, but the hex under it is one of the new map.
  const map::HexPos hex = map::MouseToHex(Mouse.MouseX, Mouse.MouseY, ViewCol, ViewRow, Doc.MapWidth, Doc.MapHeight);
  Mouse.HexCol = hex.Col;
  Mouse.HexRow = hex.Row;
  UndoBtn->setEnabled(false);
}

// ---- The overview pictures and the map image export ----

void TMainForm::StratMap1Click() {
  // Only shows the window: the item never carries a check mark.
  ShowWindow(Peers.StratForm);
}

void TMainForm::ContourMap1Click() { ShowWindow(Peers.ContourForm); }

void TMainForm::ImageQuality1Click() { ShowWindow(Peers.QualityForm); }

void TMainForm::SaveMapImage1Click() { SaveQuadrantJpeg(); }

void TMainForm::SaveQuadrantJpeg() {
  SaveDialog1.SetTitle(Text(SaveImageTitle));
  SaveDialog1.SetDefaultExt(Text(SaveImageDefaultExt));
  SaveDialog1.SetFilter(Text(SaveImageFilter));
  if (!SaveDialog1.Execute()) return;
  bool saved = false;
  {
    forms::TWaitCursor wait;
    const QImage picture = map::BuildQuadrantPicture(Doc, Tiles, ViewOptions());
    const std::optional<std::vector<uint8_t>> bytes = map::EncodeJpeg(picture, JpegQuality);
    saved = bytes && SafeSaveFile(LocalPath(SaveDialog1.FileName()), *bytes);
    // Tiles the export loaded stay in the cache and count like any other.
    ShowImageCounts();
  }
  if (!saved) forms::ShowMessage(this, QStringLiteral("Could not open output file"), QStringLiteral("Error"));
}

}  // namespace qrl::mapui
