#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "forms/checkitem.h"
#include "forms/listbox.h"
#include "forms/messages.h"
#include "forms/numbers.h"
#include "forms/scrollbars.h"
#include "forms/waitcursor.h"

namespace qrl::forms {
namespace {

TEST(CheckItemTest, OneTriggerInvertsTheMarkOnce) {
  QWidget form;
  QMenu menu(&form);
  CheckItem showHexes(menu.addAction("Show Hexes"));
  int runs = 0;
  bool stateSeen = true;
  showHexes.OnClick(&form, [&] {
    ++runs;
    stateSeen = showHexes.Checked();
    showHexes.SetChecked(!showHexes.Checked());
  });
  EXPECT_FALSE(showHexes.Checked());
  EXPECT_FALSE(showHexes.Action()->isChecked());

  showHexes.Action()->trigger();
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(stateSeen);  // the handler sees the state from before the trigger
  EXPECT_TRUE(showHexes.Checked());
  EXPECT_TRUE(showHexes.Action()->isChecked());

  showHexes.Action()->trigger();
  EXPECT_FALSE(showHexes.Checked());
  EXPECT_FALSE(showHexes.Action()->isChecked());
}

TEST(CheckItemTest, TheMarkFollowsTheProgramWhenTheHandlerLeavesTheStateOrThrows) {
  MessageLog log;
  QWidget form;
  QAction action(&form);
  CheckItem item(&action);
  item.SetChecked(true);
  bool fail = false;
  item.OnClick(&form, [&] {
    if (fail) StrToInt("x");
  });
  action.trigger();
  EXPECT_TRUE(item.Checked());
  EXPECT_TRUE(action.isChecked());
  fail = true;
  action.trigger();
  EXPECT_TRUE(item.Checked());
  EXPECT_TRUE(action.isChecked());
  EXPECT_EQ(log.Entries().size(), 1u);
}

TEST(WaitCursorTest, NestsAndPutsBackTheCursorShownBefore) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    TWaitCursor outer;
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      TWaitCursor inner;
      EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);

  QApplication::setOverrideCursor(Qt::CrossCursor);
  { TWaitCursor during; }
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
  QApplication::restoreOverrideCursor();
}

TEST(ScrollBarsTest, RangesAreNeverNegativeAndChangesRunNoHandler) {
  QScrollBar bar(Qt::Horizontal);
  QSignalSpy changes(&bar, &QScrollBar::valueChanged);
  SetScrollMax(bar, 86);
  SetScrollPosition(bar, 40);
  EXPECT_EQ(bar.minimum(), 0);
  EXPECT_EQ(bar.maximum(), 86);
  EXPECT_EQ(bar.value(), 40);

  SetScrollMax(bar, 10 - 14);  // a map narrower than the view
  EXPECT_EQ(bar.maximum(), 0);
  EXPECT_EQ(bar.value(), 0);

  SetScrollMax(bar, 5);
  SetScrollPosition(bar, 9);  // clamped by the bar
  EXPECT_EQ(bar.value(), 5);
  SetScrollPosition(bar, -3);
  EXPECT_EQ(bar.value(), 0);
  EXPECT_EQ(changes.count(), 0);
}

// OnClick of a list box: at each change of the selected item and at a click
// on the item already selected, once per click.
TEST(ListBoxClickTest, RunsOnEveryChangeAndOnAClickOnTheSelectedItem) {
  QWidget form;
  auto* list = new QListWidget(&form);
  list->addItems({"Britain", "Germany", "Italy"});
  list->resize(200, 200);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  std::vector<int> rows;
  ConnectListBoxClick(list, &form, [&] { rows.push_back(list->currentRow()); });
  auto click = [&](int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  };
  click(1);
  click(1);
  click(2);
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(rows, std::vector<int>({1, 1, 2, 0, 1}));
}

}  // namespace
}  // namespace qrl::forms
