#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <stdexcept>
#include <utility>
#include <vector>

#include "forms/messages.h"
#include "forms/stringgrid.h"

namespace qrl::forms {
namespace {

// A grid with one fixed heading row, as most of the programs' grids have.
class StringGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Grid.SetColCount(3);
    Grid.SetRowCount(4);
    Grid.SetFixedRows(1);
    Grid.resize(400, 300);
    Grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Grid));
  }

  void Click(int col, int row) {
    QRect cell = Grid.CellRect(col, row);
    ASSERT_FALSE(cell.isEmpty()) << col << "," << row;
    QTest::mouseClick(Grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  }

  StringGrid Grid;
};

TEST_F(StringGridTest, CellsOutsideReadEmptyAndWritesThereAreDropped) {
  Grid.SetCell(2, 3, "x");
  Grid.SetCell(3, 0, "beyond");
  Grid.SetCell(0, 4, "beyond");
  Grid.SetCell(-1, 0, "beyond");
  EXPECT_EQ(Grid.Cell(2, 3), "x");
  EXPECT_EQ(Grid.Cell(3, 0), "");
  EXPECT_EQ(Grid.Cell(0, 4), "");
  EXPECT_EQ(Grid.Cell(0, -1), "");
  EXPECT_EQ(Grid.RowCount(), 4);
  EXPECT_EQ(Grid.ColCount(), 3);
}

TEST_F(StringGridTest, DroppedRowsAreGoneAndAddedRowsAreEmpty) {
  for (int row = 0; row < 4; ++row) Grid.SetCell(1, row, QString::number(row));
  Grid.SetRowCount(2);
  EXPECT_EQ(Grid.Cell(1, 1), "1");
  EXPECT_EQ(Grid.Cell(1, 2), "");
  Grid.SetRowCount(5);
  EXPECT_EQ(Grid.RowCount(), 5);
  EXPECT_EQ(Grid.Cell(1, 1), "1");
  EXPECT_EQ(Grid.Cell(1, 2), "");
  EXPECT_EQ(Grid.Cell(1, 3), "");
  EXPECT_EQ(Grid.model()->rowCount(), 4);  // one row is the heading
  Grid.SetColCount(1);
  Grid.SetColCount(3);
  EXPECT_EQ(Grid.Cell(1, 1), "");
  Grid.SetRowCount(-3);
  EXPECT_EQ(Grid.RowCount(), 0);
}

TEST_F(StringGridTest, FixedCellsAreHeadingsThatCannotBeSelected) {
  Grid.SetFixedCols(1);
  Grid.SetCell(0, 0, "Sec.");
  Grid.SetCell(1, 0, "File");
  Grid.SetCell(0, 1, "Main");
  Grid.SetCell(1, 1, "12");
  EXPECT_EQ(Grid.model()->headerData(0, Qt::Horizontal).toString(), "File");
  EXPECT_EQ(Grid.model()->headerData(0, Qt::Vertical).toString(), "Main");
  EXPECT_EQ(Grid.model()->index(0, 0).data().toString(), "12");
  EXPECT_EQ(Grid.Cell(0, 0), "Sec.");
  EXPECT_EQ(Grid.Col(), 1);  // before any selection: the first data cell
  EXPECT_EQ(Grid.Row(), 1);
  EXPECT_FALSE(Grid.SetCurrentCell(0, 2));
  EXPECT_FALSE(Grid.SetCurrentCell(1, 0));
  EXPECT_TRUE(Grid.SetCurrentCell(2, 3));
  EXPECT_EQ(Grid.Col(), 2);
  EXPECT_EQ(Grid.Row(), 3);
}

TEST_F(StringGridTest, ColumnWidthsIncludeTheFixedColumn) {
  Grid.SetFixedCols(1);
  Grid.SetDefaultColWidth(30);
  Grid.SetColWidth(0, 60);
  Grid.SetColWidth(2, 107);
  EXPECT_EQ(Grid.ColWidth(0), 60);
  EXPECT_EQ(Grid.ColWidth(1), 30);
  EXPECT_EQ(Grid.ColWidth(2), 107);
  EXPECT_EQ(Grid.verticalHeader()->width(), 60);
  EXPECT_EQ(Grid.columnWidth(0), 30);
  EXPECT_EQ(Grid.columnWidth(1), 107);
  Grid.SetColCount(4);
  EXPECT_EQ(Grid.ColWidth(3), 30);
  EXPECT_EQ(Grid.columnWidth(2), 30);
}

TEST_F(StringGridTest, TheHandlerSeesTheTargetAndMayRefuseTheMove) {
  std::vector<std::pair<int, int>> asked;
  bool allow = true;
  Grid.OnSelectCell = [&](int col, int row, bool& canSelect) {
    asked.push_back({col, row});
    canSelect = allow;
  };
  Click(1, 2);
  EXPECT_EQ(Grid.Col(), 1);
  EXPECT_EQ(Grid.Row(), 2);
  allow = false;
  Click(2, 3);
  EXPECT_EQ(Grid.Col(), 1);
  EXPECT_EQ(Grid.Row(), 2);
  EXPECT_EQ(Grid.Selection(), (GridRect{1, 2, 1, 2}));
  QTest::keyClick(&Grid, Qt::Key_Down);
  EXPECT_EQ(Grid.Row(), 2);
  EXPECT_FALSE(Grid.SetCurrentCell(0, 1));
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {1, 3}, {0, 1}}), asked);
  allow = true;
  QTest::keyClick(&Grid, Qt::Key_Down);
  EXPECT_EQ(Grid.Row(), 3);
}

TEST_F(StringGridTest, AClickOnTheSelectedCellIsReportedOnlyWhenTheGridCannotBeEdited) {
  std::vector<std::pair<int, int>> asked;
  Grid.OnSelectCell = [&](int col, int row, bool&) { asked.push_back({col, row}); };
  Click(1, 2);
  Click(1, 2);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{1, 2}, {1, 2}}), asked);
  Grid.SetEditable(true);
  Click(1, 2);
  EXPECT_EQ(asked.size(), 2u);
}

TEST_F(StringGridTest, AThrowingHandlerRefusesAndIsShown) {
  MessageLog log;
  Grid.OnSelectCell = [](int, int, bool&) { throw std::runtime_error("'x' is not a valid integer value"); };
  EXPECT_FALSE(Grid.SetCurrentCell(2, 2));
  EXPECT_EQ(Grid.Col(), 0);
  ASSERT_EQ(log.Entries().size(), 1u);
  EXPECT_EQ(log.Entries()[0].Text, "'x' is not a valid integer value");
}

TEST_F(StringGridTest, AReadSeesTheTextOfAnOpenEditor) {
  Grid.SetEditable(true);
  Grid.SetCell(1, 1, "60");
  ASSERT_TRUE(Grid.SetCurrentCell(1, 1));
  Grid.setFocus();
  QTest::keyClick(&Grid, Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(Grid.indexWidget(Grid.model()->index(0, 1)));
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "75");
  EXPECT_EQ(Grid.Cell(1, 1), "75");
  EXPECT_EQ(Grid.indexWidget(Grid.model()->index(0, 1)), editor);  // still editing
  Grid.SetCell(1, 1, "80");  // a program's write shows in the open editor
  EXPECT_EQ(editor->text(), "80");
}

TEST_F(StringGridTest, AlwaysShowEditorOpensTheEditorOnSelection) {
  Grid.SetEditable(true);
  Grid.SetAlwaysShowEditor(true);
  ASSERT_TRUE(Grid.SetCurrentCell(2, 2));
  EXPECT_NE(qobject_cast<QLineEdit*>(Grid.indexWidget(Grid.model()->index(1, 2))), nullptr);
}

TEST_F(StringGridTest, ANotEditableGridOpensNoEditor) {
  ASSERT_TRUE(Grid.SetCurrentCell(1, 1));
  Grid.setFocus();
  QTest::keyClick(&Grid, Qt::Key_F2);
  QTest::keyClicks(&Grid, "9");
  EXPECT_EQ(Grid.indexWidget(Grid.model()->index(0, 1)), nullptr);
  EXPECT_EQ(Grid.Cell(1, 1), "");
}

TEST_F(StringGridTest, RangeSelectionGivesTheSelectedBlock) {
  Grid.SetRangeSelect(true);
  Click(0, 1);
  QRect target = Grid.CellRect(2, 2);
  QTest::mouseClick(Grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, target.center());
  EXPECT_EQ(Grid.Selection(), (GridRect{0, 1, 2, 2}));
}

TEST_F(StringGridTest, DrawAndHeadingHooksGetGridCoordinates) {
  std::vector<std::pair<int, int>> drawn;
  Grid.OnDrawCell = [&](int col, int row, QPainter&, const QRect&) { drawn.push_back({col, row}); };
  Grid.viewport()->repaint();
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), std::make_pair(2, 3)), drawn.end());
  EXPECT_EQ(std::find(drawn.begin(), drawn.end(), std::make_pair(2, 0)), drawn.end());

  int released = -1;
  Grid.OnHeadingMouseUp = [&](int col) { released = col; };
  QHeaderView* header = Grid.horizontalHeader();
  QPoint overColumn2(header->sectionViewportPosition(2) + 5, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, overColumn2);
  EXPECT_EQ(released, 2);
}

}  // namespace
}  // namespace qrl::forms
