#include "scenarioeditor/ui/positionform.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

#include "forms/handlers.h"
#include "forms/messages.h"
#include "forms/naming.h"
#include "scenarioeditor/core/dicerolls.h"
#include "scenarioeditor/ui/gridcells.h"
#include "scenarioeditor/ui/mainform.h"

namespace qrl::scenui {

// The overview picture: shows the core's picture and hands press, move and
// release to the window's handlers in picture pixels.
class OverviewImage : public QWidget {
 public:
  OverviewImage(TPositionForm& form, const QImage& picture, QWidget* parent)
      : QWidget(parent), Form(form), Picture(picture) {
    setFixedSize(picture.size());
    setMouseTracking(true);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, Picture);
  }
  void mousePressEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    forms::RunHandler(&Form, [&] { Form.PositionImageMouseDown(at.x(), at.y()); });
  }
  void mouseMoveEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    forms::RunHandler(&Form, [&] { Form.PositionImageMouseMove(at.x(), at.y()); });
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    forms::RunHandler(&Form, [&] { Form.PositionImageMouseUp(at.x(), at.y()); });
  }

 private:
  TPositionForm& Form;
  const QImage& Picture;
};

namespace {

constexpr const char* Caption = "Position/Property Editor";
constexpr int WindowWidth = 980, WindowHeight = 560;
constexpr int Margin = 8;
constexpr QRect GridRect{Margin, Margin, 340, 540};
constexpr QRect MapRect{356, Margin, 424, 500};
constexpr QRect XYLblRect{356, 516, 120, 20};
constexpr int PanelLeft = 790, PanelWidth = 182;
constexpr int RowHeight = 24, RowStep = 30, EditWidth = 44, SmallLabelWidth = 56;
constexpr int MarkStripWidth = 10;
constexpr QColor MarkStripColour{255, 0, 0};
constexpr int DensityMax = 15;
constexpr const char* InitialEditText = "1";

struct ButtonSpec {
  const char* Name;
  const char* Caption;
  const char* Hint;
};
constexpr ButtonSpec DropSpec{"DropBtn", "Drop", "Place the units inside the box"};
constexpr ButtonSpec ResetSpec{"ResetBtn", "Reset", "Undo the drop"};
constexpr ButtonSpec RetainSpec{"RetainBtn", "Retain", "Keep the new drop positions"};
constexpr ButtonSpec SelectSpec{"SelectBtn", "Select", "Select units within box"};
constexpr ButtonSpec UnselectSpec{"UnselectBtn", "Unselect", "Unselect all units"};
constexpr ButtonSpec SetSpec{"SetBtn", "Set", "Change the property for the selected units between Min and Max"};
constexpr const char* PropertyHint = "Choose unit property";
constexpr const char* MaxHint = "Maximum value of the selected property";
constexpr const char* MinHint = "Minimum value of the selected property";

QString Ascii(std::string_view text) { return scen::TableText(text); }

}  // namespace

TPositionForm::TPositionForm(scen::EditorSession& session, TForm1& form1)
    : QWidget(nullptr), FormBase(this), Session(session), Form1(form1) {
  setWindowTitle(Caption);
  setAccessibleName(Caption);
  resize(WindowWidth, WindowHeight);
  BuildList();
  BuildMap();
  BuildControls();
}

void TPositionForm::BuildList() {
  PositionGrid = new forms::StringGrid(this);
  forms::NameControl(PositionGrid, "PositionGrid");
  PositionGrid->setGeometry(GridRect);
  PositionGrid->SetColCount(scen::PositionColumnCount);
  PositionGrid->SetFixedCols(0);
  PositionGrid->SetFixedRows(1);
  for (int col = 0; col < scen::PositionColumnCount; ++col)
    PositionGrid->SetColWidth(col, scen::PositionColumnWidth(col));
  PositionGrid->SetEditable(true);
  ShowList();
  PositionGrid->OnSelectCell = [this](int col, int row, bool& canSelect) { PositionGridSelectCell(col, row, canSelect); };
  PositionGrid->OnDrawCell = [this](int col, int row, QPainter& painter, const QRect& rect) {
    PositionGridDrawCell(col, row, painter, rect);
  };
  PositionGrid->OnHeadingMouseUp = [this](int col) { PositionGridMouseUp(col); };
  // A click on the " Unit" cell that is already the current one toggles too:
  // the grid asks OnSelectCell only when the current cell moves.
  PositionGrid->viewport()->installEventFilter(this);
}

void TPositionForm::BuildMap() {
  MapSB = new QScrollArea(this);
  forms::NameControl(MapSB, "MapSB");
  MapSB->setGeometry(MapRect);
  PositionImage = new OverviewImage(*this, Map.Picture, MapSB);
  forms::NameControl(PositionImage, "PositionImage");
  MapSB->setWidget(PositionImage);
  XYLbl = new QLabel("x,y", this);
  XYLbl->setObjectName("XYLbl");
  XYLbl->setGeometry(XYLblRect);
}

void TPositionForm::BuildControls() {
  int top = Margin;
  auto label = [this](const char* text, int x, int y, int width) {
    auto* l = new QLabel(text, this);
    l->setGeometry(x, y, width, RowHeight);
    return l;
  };
  auto edit = [this](const char* name, int x, int y) {
    auto* e = new QLineEdit(InitialEditText, this);
    forms::NameControl(e, name);
    e->setGeometry(x, y, EditWidth, RowHeight);
    return e;
  };
  auto bevel = [this](int y) {
    auto* b = new QFrame(this);
    b->setFrameShape(QFrame::HLine);
    b->setGeometry(PanelLeft, y, PanelWidth, 2);
  };
  auto button = [this](const ButtonSpec& spec, int x, int y, int width) {
    auto* b = new QPushButton(spec.Caption, this);
    forms::NameControl(b, spec.Name, spec.Caption);
    b->setToolTip(spec.Hint);
    b->setGeometry(x, y, width, RowHeight);
    return b;
  };
  const int editLeft = PanelLeft + SmallLabelWidth, secondEditLeft = editLeft + EditWidth + 6;
  const int halfWidth = (PanelWidth - 6) / 2;

  label("Positions", PanelLeft, top, PanelWidth);
  top += RowStep;
  label("Drop at", PanelLeft, top, SmallLabelWidth);
  XDropEdit = edit("XDropEdit", editLeft, top);
  YDropEdit = edit("YDropEdit", secondEditLeft, top);
  top += RowStep;
  label("Scatter", PanelLeft, top, SmallLabelWidth);
  XRangeEdit = edit("XRangeEdit", editLeft, top);
  YRangeEdit = edit("YRangeEdit", secondEditLeft, top);
  top += RowStep;
  label("Density", PanelLeft, top, SmallLabelWidth);
  DensityUpDown = new QSpinBox(this);
  forms::NameControl(DensityUpDown, "DensityUpDown");
  DensityUpDown->setRange(0, DensityMax);
  DensityUpDown->setValue(0);
  DensityUpDown->setWrapping(false);
  DensityUpDown->setGeometry(editLeft, top, 2 * EditWidth, RowHeight);
  DensityEdit = DensityUpDown->findChild<QLineEdit*>();
  forms::NameControl(DensityEdit, "DensityEdit");
  top += RowStep;
  DropBtn = button(DropSpec, PanelLeft, top, halfWidth);
  ResetBtn = button(ResetSpec, PanelLeft + halfWidth + 6, top, halfWidth);
  top += RowStep;
  RetainBtn = button(RetainSpec, PanelLeft, top, halfWidth);
  SelectBtn = button(SelectSpec, PanelLeft + halfWidth + 6, top, halfWidth);
  top += RowStep;
  UnselectBtn = button(UnselectSpec, PanelLeft, top, halfWidth);
  top += RowStep + Margin;
  bevel(top);
  top += Margin;

  label("Properties", PanelLeft, top, PanelWidth);
  top += RowStep;
  PropertyCB = new QComboBox(this);
  forms::NameControl(PropertyCB, "PropertyCB");
  PropertyCB->setEditable(true);
  PropertyCB->setInsertPolicy(QComboBox::NoInsert);
  for (const scen::UnitProperty& property : scen::UnitProperties) PropertyCB->addItem(Ascii(property.Name));
  PropertyCB->setCurrentText(Ascii(scen::InitialProperty));
  PropertyCB->setToolTip(PropertyHint);
  PropertyCB->setGeometry(PanelLeft, top, PanelWidth, RowHeight);
  top += RowStep;
  label("Max", PanelLeft, top, SmallLabelWidth);
  MaxEdit = edit("MaxEdit", editLeft, top);
  MaxEdit->setToolTip(MaxHint);
  top += RowStep;
  label("Min", PanelLeft, top, SmallLabelWidth);
  MinEdit = edit("MinEdit", editLeft, top);
  MinEdit->setToolTip(MinHint);
  top += RowStep;
  SetBtn = button(SetSpec, PanelLeft, top, halfWidth);
  top += RowStep + Margin;
  bevel(top);

  forms::Connect(DropBtn, &QPushButton::clicked, this, [this] { DropBtnClick(); });
  forms::Connect(ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
  forms::Connect(RetainBtn, &QPushButton::clicked, this, [this] { RetainBtnClick(); });
  forms::Connect(SelectBtn, &QPushButton::clicked, this, [this] { SelectBtnClick(); });
  forms::Connect(UnselectBtn, &QPushButton::clicked, this, [this] { UnselectBtnClick(); });
  forms::Connect(SetBtn, &QPushButton::clicked, this, [this] { SetBtnClick(); });
  forms::Connect(PropertyCB, &QComboBox::currentTextChanged, this, [this] { PropertyCBChange(); });
}

scen::PositionSource TPositionForm::Source() {
  Form1.PullGridCells();
  return scen::PositionSource{Session.Document.Slots, Session.Grid.Cells,
                              scen::SelectedPropertyOffset(PropertyCB->currentText())};
}

void TPositionForm::ShowList() { ShowCells(Positions.Cells, *PositionGrid); }

template <class CoreCall>
void TPositionForm::WithListCells(CoreCall call) {
  ReadCells(*PositionGrid, Positions.Cells);
  try {
    call();
  } catch (...) {
    ShowList();
    throw;
  }
  ShowList();
}

void TPositionForm::DrawOverview() {
  try {
    scen::DrawOverviewMap(Map, Session.Document, Positions);
  } catch (...) {
    PositionImage->update();
    throw;
  }
  PositionImage->update();
}

void TPositionForm::Warn(const scen::BoxMessage& box) {
  forms::ShowMessage(this, QString::fromStdString(box.Text), QString::fromStdString(box.Caption));
}

void TPositionForm::FormShow() { Reload(); }

void TPositionForm::FormActivate() {
  if (Shown.Stale(Session.Document.Changes) || Positions.Side != Form1.SideIndex()) Reload();
}

void TPositionForm::Reload() {
  const int side = Form1.SideIndex();
  const bool known = side >= 0 && side < scen::SideCount;
  const scen::PositionSource source = Source();
  scen::RebuildPositionList(Positions, source, side, known ? Session.Grid.UnitCount[size_t(side)] : 0);
  Shown.Reloaded(Session.Document.Changes);
  ShowList();
  DrawOverview();
}

void TPositionForm::PositionGridSelectCell(int col, int row, bool&) {
  if (col != scen::PosLabelColumn || row < 1 || row > Positions.Rows) return;
  Positions.Cells.SetCell(col, row, PositionGrid->Cell(col, row));
  scen::ToggleRowSelection(Positions, row);
  PositionGrid->SetCell(col, row, Positions.Cells.Cell(col, row));
}

void TPositionForm::PositionGridDrawCell(int col, int row, QPainter& painter, const QRect& rect) {
  if (col != scen::PosLabelColumn) return;
  // Read from the model as drawn: reading through Cell() would commit an open editor.
  const QModelIndex at = PositionGrid->model()->index(row - PositionGrid->FixedRows(), col - PositionGrid->FixedCols());
  if (!scen::IsMarked(at.data().toString())) return;
  const int left = rect.left() + PositionGrid->ColWidth(scen::PosLabelColumn) - MarkStripWidth;
  painter.fillRect(QRect(QPoint(left, rect.top()), rect.bottomRight()), MarkStripColour);
}

void TPositionForm::PositionGridMouseUp(int col) {
  if (col < 0 || col >= scen::SortableColumnCount) return;
  WithListCells([&] { scen::SortPositionGrid(Positions, Source(), col); });
}

void TPositionForm::PositionImageMouseDown(int px, int py) {
  scen::BoxMouseDown(Map.Box, Map.Picture, px, py);
  PositionImage->update();
}

void TPositionForm::PositionImageMouseMove(int px, int py) {
  XYLbl->setText(scen::BoxMouseMove(Map.Box, Map.Picture, px, py));
  PositionImage->update();
}

void TPositionForm::PositionImageMouseUp(int px, int py) {
  const std::optional<scen::DropArea> area = scen::BoxMouseUp(Map.Box, px, py);
  if (!area) return;
  XRangeEdit->setText(QString::number(area->XRange));
  YRangeEdit->setText(QString::number(area->YRange));
  XDropEdit->setText(QString::number(area->XDrop));
  YDropEdit->setText(QString::number(area->YDrop));
}

void TPositionForm::SelectBtnClick() {
  bool skipped = false;
  WithListCells([&] { skipped = scen::SelectInBox(Positions, Session.Document.Slots, Map.Box); });
  if (skipped) Warn(scen::PositionBoxes::NoPositionRecord);
}

void TPositionForm::UnselectBtnClick() {
  WithListCells([&] { scen::UnselectAll(Positions); });
}

void TPositionForm::DropBtnClick() {
  const scen::DropInput input{XDropEdit->text(), YDropEdit->text(), XRangeEdit->text(), YRangeEdit->text(),
                              DensityUpDown->value()};
  bool skipped = false;
  WithListCells([&] { skipped = scen::DropSelected(Positions, Session.Document.Slots, input, Session.Random); });
  DrawOverview();
  if (skipped) Warn(scen::PositionBoxes::NoPositionRecord);
}

void TPositionForm::ResetBtnClick() {
  bool skipped = false;
  WithListCells([&] { skipped = scen::ResetPositions(Positions, Session.Document.Slots); });
  DrawOverview();
  if (skipped) Warn(scen::PositionBoxes::NoPositionRecord);
}

void TPositionForm::RetainBtnClick() {
  bool skipped = false;
  try {
    WithListCells([&] { skipped = scen::RetainPositions(Positions, Session.Document.Slots); });
  } catch (...) {
    Shown.StoredOwn(Session.Document.Changes);  // rows before the bad cell were stored
    throw;
  }
  Shown.StoredOwn(Session.Document.Changes);
  if (skipped) Warn(scen::PositionBoxes::NoPositionRecord);
}

void TPositionForm::PropertyCBChange() {
  WithListCells([&] { scen::FillPositionGrid(Positions, Source()); });
}

void TPositionForm::SetBtnClick() {
  scen::SetOutcome outcome;
  const scen::PositionSource source = Source();
  try {
    WithListCells([&] {
      outcome = scen::SetSelectedProperty(Positions, Session.Document.Slots, source.MainCells, MinEdit->text(),
                                          MaxEdit->text(), source.PropertyOffset, Session.Random);
    });
  } catch (...) {
    Shown.StoredOwn(Session.Document.Changes);
    throw;
  }
  if (outcome.Ran) Shown.StoredOwn(Session.Document.Changes);
  if (outcome.SkippedUnits) Warn(scen::PositionBoxes::NoUnitRecord);
}

bool TPositionForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == PositionGrid->viewport() && event->type() == QEvent::MouseButtonPress) {
    const QModelIndex at = PositionGrid->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (at.isValid() && at == PositionGrid->currentIndex()) {
      const int col = at.column() + PositionGrid->FixedCols(), row = at.row() + PositionGrid->FixedRows();
      forms::RunHandler(this, [&] {
        bool canSelect = true;
        PositionGridSelectCell(col, row, canSelect);
      });
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qrl::scenui
