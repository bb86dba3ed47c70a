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
#include "mapeditor/core/mapfile.h"
#include "mapeditor/ui/localpath.h"
#include "mapeditor/ui/mapimage.h"

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
        Item("Save Map Image", "SaveMapImage1", &F::SaveMapImage1, NotYet),
        Item("Image Quality", "ImageQuality1", &F::ImageQuality1, NotYet),
        Separator(),
        Item("Exit", "Exit1", &F::Exit1, Offered)}},
      {"Options",
       {Check("Show Hexes", "ShowHexes1", &F::ShowHexes1, Offered),
        Check("Inspection Mode", "InspectionMode1", &F::InspectionMode1, NotYet),
        Check("Strat Map", "StratMap1", &F::StratMap1, NotYet),
        Check("Tile Transfer", "TileTransfer1", &F::TileTransfer1, NotYet)}},
      {"Tools",
       {Item("Import from Bitmap", "Tools1", &F::Tools1, NotYet),
        Item("Import SDTS DEM", "ImportSDTSDEM1", &F::ImportSDTSDEM1, NotYet),
        Separator(),
        Item("Copy To File", "CopyToFile1", &F::CopyToFile1, NotYet),
        Item("Paste From File", "PasteFromFile1", &F::PasteFromFile1, NotYet),
        Separator(),
        Item("Copy To Clipboard", "CopyToClopboard1", &F::CopyToClopboard1, NotYet),
        Item("Paste From Clipboard", "PasteFromClipboard1", &F::PasteFromClipboard1, NotYet),
        Separator(),
        Item("Contour Map", "ContourMap1", &F::ContourMap1, NotYet)}},
      {"Roads",
       {Check("Show All Road Connections", "ShowAllRoadConnections1", &F::ShowAllRoadConnections1, NotYet),
        Separator(),
        Check("Show Road Connections", "ShowRoadConnections1", &F::ShowRoadConnections1, NotYet),
        Check("Toggle Road Connection", "ToggleRoadConnection1", &F::ToggleRoadConnection1, NotYet),
        Check("Toggle Road", "ToggleRoad1", &F::ToggleRoad1, NotYet),
        Separator(),
        Check("Paved Road", "PavedRoad1", &F::PavedRoad1, NotYet),
        Check("Secondary Road", "SecondaryRoad1", &F::SecondaryRoad1, NotYet),
        Check("Railroad", "Railroad1", &F::Railroad1, NotYet)}},
      // The two conversions are meant to open up once a map is loaded; they
      // stay disabled while the conversion itself is not offered.
      {"Convert",
       {Item("ZKT 2.x Map", "ConvertZKTtoQRL1", &F::ConvertZKTtoQRL1, NotYet),
        Check("Use KXZKT Buildings", "ZKTBuildings", &F::ZKTBuildings, NotYet),
        Separator(),
        Item("KX3 Map To QRL 1.0", "KX3Map1", &F::KX3Map1, NotYet)}},
      {"Help", {Item("About", "About1", &F::About1, Offered)}},
  };
}

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
  // The tile transfer and the undo come with the map editing.
  SpeedButton1->setEnabled(false);
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
}

void TMainForm::ConnectHandlers() {
  forms::Connect(LoadQRLMap1, &QAction::triggered, this, [this] { LoadQRLMap1Click(); });
  forms::Connect(SaveMapFile1, &QAction::triggered, this, [this] { SaveMapFile1Click(); });
  forms::Connect(SetShpDirectory1, &QAction::triggered, this, [this] { SetShpDirectory1Click(); });
  forms::Connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
  ShowHexes1->OnClick(this, [this] { ShowHexes1Click(); });
  forms::Connect(About1, &QAction::triggered, this, [this] { About1Click(); });

  forms::Connect(RedrawBtn, &QToolButton::clicked, this, [this] { RedrawBtnClick(); });
  forms::Connect(ShowHexesBtn, &QToolButton::clicked, this, [this] { ShowHexesBtnClick(); });
  forms::Connect(HMapSB, &QScrollBar::valueChanged, this, [this] { HMapSBChange(); });
  forms::Connect(VMapSB, &QScrollBar::valueChanged, this, [this] { VMapSBChange(); });
  MapImg->OnMouseMove = [this](int x, int y) { MapImgMouseMove(x, y); };
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
  ShowLoadedMap();
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

}  // namespace qrl::mapui
