#pragma once
// A grid of text cells in the manner of the forms framework's string grid.
//
// Coordinates are grid coordinates (col, row) with the fixed cells included:
// with one fixed row, row 0 holds the column headings and row 1 is the first
// data row. The fixed row and column (0 or 1 of each) are shown as the view's
// headings: they stay in place when the data scrolls and are never selected
// or edited. Everything else is a data cell.
#include <QRect>
#include <QString>
#include <QTableView>
#include <functional>
#include <vector>

class QPainter;

namespace qrl::forms {

// A block of cells, corners included, in grid coordinates.
struct GridRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const GridRect&) const = default;
};

class StringGridModel;
class SelectCellGate;

class StringGrid : public QTableView {
  Q_OBJECT

 public:
  static constexpr int DefaultColumnWidth = 64;
  static constexpr int DefaultRowHeight = 24;

  explicit StringGrid(QWidget* parent = nullptr);
  ~StringGrid() override;

  // Sizes count the fixed row and column. New rows and columns are empty,
  // rows and columns dropped by a smaller count are gone. Negative counts are
  // taken as 0.
  int ColCount() const;
  void SetColCount(int count);
  int RowCount() const;
  void SetRowCount(int count);
  // 0 or 1 (other values are clamped). Cell texts stay where they are.
  int FixedCols() const;
  void SetFixedCols(int count);
  int FixedRows() const;
  void SetFixedRows(int count);

  // Cells outside the grid read as empty text; writes outside are dropped.
  // A read first commits an open cell editor, so it returns what the screen
  // shows. A write to the cell being edited shows in the editor too.
  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);

  // Widths in pixels. Setting the default width gives it to every column,
  // and to the columns a larger ColCount adds.
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int DefaultColWidth() const { return DefaultWidth; }
  void SetDefaultColWidth(int width);

  // Editable data cells: typing, F2 or a double click opens a cell editor.
  // With AlwaysShowEditor the editor opens whenever a cell becomes selected.
  bool Editable() const;
  void SetEditable(bool on);
  bool AlwaysShowEditor() const { return ShowEditorAlways; }
  void SetAlwaysShowEditor(bool on);
  // Range selection: dragging or shift-moving selects a block of data cells.
  bool RangeSelect() const;
  void SetRangeSelect(bool on);

  // The selected cell. Before any selection it is the first data cell
  // (FixedCols, FixedRows).
  int Col() const;
  int Row() const;
  // Moves the selected cell as a user's move does, through OnSelectCell.
  // False when (col, row) is no data cell or the move was refused.
  bool SetCurrentCell(int col, int row);
  bool SetCol(int col) { return SetCurrentCell(col, Row()); }
  bool SetRow(int row) { return SetCurrentCell(Col(), row); }
  // The selected block; without range selection the selected cell.
  GridRect Selection() const;

  // Writes an open cell editor's text into its cell; the editor stays open.
  void CommitEditor();

  // Called before the selected cell moves to data cell (col, row), by mouse,
  // keyboard or SetCurrentCell; setting canSelect to false refuses the move.
  // In a grid that cannot be edited a click on the selected cell calls it too.
  // Runs through the handler wrapper: a handler that throws refuses.
  std::function<void(int col, int row, bool& canSelect)> OnSelectCell;
  // Called after a data cell has been drawn; `rect` is the cell's rectangle
  // in the viewport's coordinates.
  std::function<void(int col, int row, QPainter& painter, const QRect& rect)> OnDrawCell;
  // Called when a mouse button is released over a cell of the fixed row.
  std::function<void(int col)> OnHeadingMouseUp;

  // The rectangle of data cell (col, row) in the viewport's coordinates
  // (empty for other cells); for tests that click.
  QRect CellRect(int col, int row) const;

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles = QList<int>()) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool AskSelectCell(const QModelIndex& index);
  QModelIndex DataIndex(int col, int row) const;
  void ApplyLayout();
  void ApplyEditTriggers();

  StringGridModel* Model;
  SelectCellGate* Gate;
  std::vector<int> Widths;  // one per grid column
  int DefaultWidth = DefaultColumnWidth;
  bool ShowEditorAlways = false;
  bool Committing = false;
};

}  // namespace qrl::forms
