#include "forms/stringgrid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QStyledItemDelegate>
#include <algorithm>

#include "forms/handlers.h"

namespace qrl::forms {

constexpr int MaxFixed = 1;

// All cells of the grid, fixed ones included, in grid coordinates. The Qt
// model shows the data cells; the fixed row and column are its header data.
class StringGridModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int Cols = 0;
  int FixedCols = 0;
  int FixedRows = 0;
  bool Editable = false;
  std::vector<std::vector<QString>> Rows;  // Rows[row][col]

  int GridRows() const { return int(Rows.size()); }
  bool Contains(int col, int row) const { return col >= 0 && col < Cols && row >= 0 && row < GridRows(); }
  QString Cell(int col, int row) const { return Contains(col, row) ? Rows[size_t(row)][size_t(col)] : QString(); }

  void SetCell(int col, int row, const QString& text) {
    if (!Contains(col, row) || Rows[size_t(row)][size_t(col)] == text) return;
    Rows[size_t(row)][size_t(col)] = text;
    bool fixedCol = col < FixedCols, fixedRow = row < FixedRows;
    if (!fixedCol && !fixedRow) {
      QModelIndex at = index(row - FixedRows, col - FixedCols);
      emit dataChanged(at, at, {Qt::DisplayRole, Qt::EditRole});
    } else if (fixedRow && !fixedCol) {
      emit headerDataChanged(Qt::Horizontal, col - FixedCols, col - FixedCols);
    } else if (fixedCol && !fixedRow) {
      emit headerDataChanged(Qt::Vertical, row - FixedRows, row - FixedRows);
    } else if (CornerChanged) {
      CornerChanged();
    }
  }
  std::function<void()> CornerChanged;

  void SetRowCount(int count) {
    int before = rowCount(), after = std::max(0, count - FixedRows);
    if (after > before) beginInsertRows({}, before, after - 1);
    if (after < before) beginRemoveRows({}, after, before - 1);
    Rows.resize(size_t(count), std::vector<QString>(size_t(Cols)));
    if (after > before) endInsertRows();
    if (after < before) endRemoveRows();
    HeadingsChanged();
  }

  void SetColCount(int count) {
    int before = columnCount(), after = std::max(0, count - FixedCols);
    if (after > before) beginInsertColumns({}, before, after - 1);
    if (after < before) beginRemoveColumns({}, after, before - 1);
    Cols = count;
    for (auto& row : Rows) row.resize(size_t(count));
    if (after > before) endInsertColumns();
    if (after < before) endRemoveColumns();
    HeadingsChanged();
  }

  void SetFixed(int cols, int rows) {
    beginResetModel();
    FixedCols = cols;
    FixedRows = rows;
    endResetModel();
  }

  void HeadingsChanged() {
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    if (CornerChanged) CornerChanged();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(0, GridRows() - FixedRows);
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : std::max(0, Cols - FixedCols);
  }

  QVariant data(const QModelIndex& at, int role) const override {
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return Cell(at.column() + FixedCols, at.row() + FixedRows);
  }

  bool setData(const QModelIndex& at, const QVariant& value, int role) override {
    if (role != Qt::EditRole || !at.isValid()) return false;
    SetCell(at.column() + FixedCols, at.row() + FixedRows, value.toString());
    return true;
  }

  Qt::ItemFlags flags(const QModelIndex& at) const override {
    if (!at.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (Editable) result |= Qt::ItemIsEditable;
    return result;
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return FixedRows ? Cell(section + FixedCols, 0) : QVariant();
    return FixedCols ? Cell(0, section + FixedRows) : QVariant();
  }
};

// Every move of the selected cell passes here first, whether the view makes
// it (mouse, keyboard, editor's Tab) or the program does. A refused move
// also drops the selection change that would come with it, until the next
// input event or move.
class SelectCellGate : public QItemSelectionModel {
 public:
  SelectCellGate(QAbstractItemModel* model, std::function<bool(const QModelIndex&)> ask, QObject* parent)
      : QItemSelectionModel(model, parent), Ask(std::move(ask)) {}

  void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
    QPersistentModelIndex target(index);
    if (target.isValid() && target != currentIndex()) {
      if (target == RefusedIndex) return;  // asked already during this press or key
      if (!Ask(target) || !target.isValid()) {
        Refused = true;
        RefusedIndex = target;
        return;
      }
    }
    NewInput();
    QItemSelectionModel::setCurrentIndex(target, command);
  }

  using QItemSelectionModel::select;
  void select(const QItemSelection& selection, SelectionFlags command) override {
    if (!Refused) QItemSelectionModel::select(selection, command);
  }

  void NewInput() {
    Refused = false;
    RefusedIndex = QPersistentModelIndex();
  }

 private:
  std::function<bool(const QModelIndex&)> Ask;
  bool Refused = false;
  QPersistentModelIndex RefusedIndex;
};

namespace {

class GridDelegate : public QStyledItemDelegate {
 public:
  explicit GridDelegate(StringGrid* grid) : QStyledItemDelegate(grid), Grid(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!Grid->OnDrawCell) return;
    int col = index.column() + Grid->FixedCols(), row = index.row() + Grid->FixedRows();
    painter->save();
    RunHandler(Grid, [&] { Grid->OnDrawCell(col, row, *painter, option.rect); });
    painter->restore();
  }

 private:
  StringGrid* Grid;
};

QAbstractButton* CornerButton(QTableView* view) {
  return view->findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

StringGrid::StringGrid(QWidget* parent) : QTableView(parent), Model(new StringGridModel(this)) {
  setModel(Model);
  Gate = new SelectCellGate(Model, [this](const QModelIndex& index) { return AskSelectCell(index); }, this);
  QItemSelectionModel* original = selectionModel();
  setSelectionModel(Gate);
  delete original;
  setItemDelegate(new GridDelegate(this));

  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(1);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  horizontalHeader()->setDefaultSectionSize(DefaultWidth);
  verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
  horizontalHeader()->viewport()->installEventFilter(this);
  setCornerButtonEnabled(false);
  if (QAbstractButton* corner = CornerButton(this)) corner->installEventFilter(this);
  Model->CornerChanged = [this] {
    if (QAbstractButton* corner = CornerButton(this)) corner->update();
  };

  setSelectionBehavior(SelectItems);
  setSelectionMode(SingleSelection);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  ApplyEditTriggers();
  ApplyLayout();
}

StringGrid::~StringGrid() = default;

int StringGrid::ColCount() const { return Model->Cols; }

void StringGrid::SetColCount(int count) {
  count = std::max(0, count);
  Widths.resize(size_t(count), DefaultWidth);
  Model->SetColCount(count);
  ApplyLayout();
}

int StringGrid::RowCount() const { return Model->GridRows(); }

void StringGrid::SetRowCount(int count) {
  Model->SetRowCount(std::max(0, count));
  ApplyLayout();
}

int StringGrid::FixedCols() const { return Model->FixedCols; }

void StringGrid::SetFixedCols(int count) {
  Model->SetFixed(std::clamp(count, 0, MaxFixed), Model->FixedRows);
  ApplyLayout();
}

int StringGrid::FixedRows() const { return Model->FixedRows; }

void StringGrid::SetFixedRows(int count) {
  Model->SetFixed(Model->FixedCols, std::clamp(count, 0, MaxFixed));
  ApplyLayout();
}

QString StringGrid::Cell(int col, int row) const {
  // Committing changes no cell the screen does not already show.
  const_cast<StringGrid*>(this)->CommitEditor();
  return Model->Cell(col, row);
}

void StringGrid::SetCell(int col, int row, const QString& text) { Model->SetCell(col, row, text); }

int StringGrid::ColWidth(int col) const {
  return col >= 0 && col < ColCount() ? Widths[size_t(col)] : DefaultWidth;
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  Widths[size_t(col)] = std::max(0, width);
  ApplyLayout();
}

void StringGrid::SetDefaultColWidth(int width) {
  DefaultWidth = std::max(0, width);
  std::fill(Widths.begin(), Widths.end(), DefaultWidth);
  horizontalHeader()->setDefaultSectionSize(DefaultWidth);
  ApplyLayout();
}

bool StringGrid::Editable() const { return Model->Editable; }

void StringGrid::SetEditable(bool on) {
  Model->Editable = on;
  ApplyEditTriggers();
}

void StringGrid::SetAlwaysShowEditor(bool on) {
  ShowEditorAlways = on;
  ApplyEditTriggers();
}

bool StringGrid::RangeSelect() const { return selectionMode() == ContiguousSelection; }

void StringGrid::SetRangeSelect(bool on) { setSelectionMode(on ? ContiguousSelection : SingleSelection); }

int StringGrid::Col() const {
  QModelIndex current = currentIndex();
  return (current.isValid() ? current.column() : 0) + FixedCols();
}

int StringGrid::Row() const {
  QModelIndex current = currentIndex();
  return (current.isValid() ? current.row() : 0) + FixedRows();
}

bool StringGrid::SetCurrentCell(int col, int row) {
  QModelIndex target = DataIndex(col, row);
  if (!target.isValid()) return false;
  if (target == currentIndex()) return true;
  Gate->NewInput();
  Gate->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
  return currentIndex() == DataIndex(col, row);
}

GridRect StringGrid::Selection() const {
  const QItemSelection ranges = Gate->selection();
  if (ranges.isEmpty()) return {Col(), Row(), Col(), Row()};
  GridRect box{ranges.first().left(), ranges.first().top(), ranges.first().right(), ranges.first().bottom()};
  for (const QItemSelectionRange& range : ranges) {
    box.Left = std::min(box.Left, range.left());
    box.Top = std::min(box.Top, range.top());
    box.Right = std::max(box.Right, range.right());
    box.Bottom = std::max(box.Bottom, range.bottom());
  }
  return {box.Left + FixedCols(), box.Top + FixedRows(), box.Right + FixedCols(), box.Bottom + FixedRows()};
}

void StringGrid::CommitEditor() {
  QWidget* editor = indexWidget(currentIndex());
  if (!editor) return;
  Committing = true;
  commitData(editor);
  Committing = false;
}

QRect StringGrid::CellRect(int col, int row) const {
  QModelIndex at = DataIndex(col, row);
  return at.isValid() ? visualRect(at) : QRect();
}

bool StringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  // Only the selected cell gets an editor, so a cell whose selection was
  // refused is never edited.
  if (index.isValid() && index != currentIndex()) return false;
  return QTableView::edit(index, trigger, event);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
  Gate->NewInput();
  const QModelIndex target = indexAt(event->position().toPoint());
  const bool onCurrentCell =
      !Editable() && event->button() == Qt::LeftButton && target.isValid() && target == currentIndex();
  QTableView::mousePressEvent(event);
  // The framework's grid reports a click on its current cell as a selection
  // when the grid cannot be edited (an editable one would open its editor).
  if (onCurrentCell) AskSelectCell(target);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  Gate->NewInput();
  QTableView::keyPressEvent(event);
}

void StringGrid::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
  // The editor being committed shows the text already; giving it back to the
  // editor would only move its text cursor.
  if (Committing) {
    viewport()->update();
    return;
  }
  QTableView::dataChanged(topLeft, bottomRight, roles);
}

bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  QAbstractButton* corner = CornerButton(this);
  bool bothFixed = FixedCols() > 0 && FixedRows() > 0;
  if (watched == corner && event->type() == QEvent::Paint && bothFixed) {
    // The corner is cell (0, 0): drawn as a heading like its neighbours.
    QStyleOptionHeader option;
    option.initFrom(horizontalHeader());  // the corner button is disabled (no select-all): not its look
    option.orientation = Qt::Horizontal;
    option.rect = corner->rect();
    option.text = Model->Cell(0, 0);
    option.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    QPainter painter(corner);
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease && OnHeadingMouseUp) {
    int col = -1;
    if (watched == horizontalHeader()->viewport()) {
      int section = horizontalHeader()->logicalIndexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      if (section >= 0) col = section + FixedCols();
    } else if (watched == corner && bothFixed) {
      col = 0;
    }
    if (col >= 0) RunHandler(this, [&] { OnHeadingMouseUp(col); });
  }
  return QTableView::eventFilter(watched, event);
}

bool StringGrid::AskSelectCell(const QModelIndex& index) {
  if (!OnSelectCell) return true;
  int col = index.column() + FixedCols(), row = index.row() + FixedRows();
  bool canSelect = true;
  bool ran = RunHandler(this, [&] { OnSelectCell(col, row, canSelect); });
  return ran && canSelect;
}

QModelIndex StringGrid::DataIndex(int col, int row) const {
  if (col < FixedCols() || row < FixedRows() || col >= ColCount() || row >= RowCount()) return {};
  return Model->index(row - FixedRows(), col - FixedCols());
}

void StringGrid::ApplyLayout() {
  horizontalHeader()->setVisible(FixedRows() > 0);
  verticalHeader()->setVisible(FixedCols() > 0);
  for (int col = FixedCols(); col < ColCount(); ++col) setColumnWidth(col - FixedCols(), Widths[size_t(col)]);
  if (FixedCols() > 0) verticalHeader()->setFixedWidth(ColWidth(0));
}

void StringGrid::ApplyEditTriggers() {
  if (!Model->Editable) {
    setEditTriggers(NoEditTriggers);
    return;
  }
  EditTriggers triggers = DoubleClicked | EditKeyPressed | AnyKeyPressed;
  if (ShowEditorAlways) triggers |= CurrentChanged;
  setEditTriggers(triggers);
}

}  // namespace qrl::forms
