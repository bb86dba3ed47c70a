#include <gtest/gtest.h>

#include "scenarioeditor/core/celltable.h"

namespace qrl::scen {
namespace {

TEST(CellTableTest, KeepsCellsInsideItsRows) {
  CellTable t(10, 3);
  t.SetCell(9, 2, "x");
  t.SetCell(10, 0, "dropped");
  t.SetCell(0, 3, "dropped");
  EXPECT_EQ(t.Cell(9, 2), "x");
  EXPECT_EQ(t.Cell(10, 0), "");
  t.SetRowCount(2);
  EXPECT_EQ(t.Cell(9, 2), "");
  t.SetRowCount(3);
  EXPECT_EQ(t.Cell(9, 2), "");
}

}  // namespace
}  // namespace qrl::scen
