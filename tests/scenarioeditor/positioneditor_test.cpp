#include <gtest/gtest.h>

#include <memory>

#include "gamefile/bytes.h"
#include "gamefile/gamefileslots.h"
#include "gamefile/strtoint.h"
#include "scenarioeditor/core/overviewmap.h"
#include "scenarioeditor/core/ownrecords.h"
#include "scenarioeditor/core/positionlist.h"
#include "tests/scenarioeditor/scenariofixture.h"

namespace qrl::scen {
namespace {

using test::Bytes;
using test::ScenarioFixture;

constexpr size_t PositionSize = 20;

void PutPosition(ScenarioFixture& f, int side, int unit, int16_t x, int16_t y, uint8_t hidden = 0) {
  uint8_t* p = &f.Sections[17][(size_t(side) * 400 + size_t(unit)) * PositionSize];
  p[0] = uint8_t(x & 0xFF);
  p[1] = uint8_t((x >> 8) & 0xFF);
  p[2] = uint8_t(y & 0xFF);
  p[3] = uint8_t((y >> 8) & 0xFF);
  p[14] = hidden;
}

// A loaded file, the main grid's labels and names, and the editor's state.
struct Editor {
  std::unique_ptr<ScenarioDocument> Doc = std::make_unique<ScenarioDocument>();
  CellTable Main{GridColumnCount, 1};
  PositionList List;
  OverviewMap Map;
  RandomSource Random;
  int32_t Property = 118;

  Editor(const ScenarioFixture& f, const std::vector<QString>& labels) {
    ReadSaveFileRecords(f.Build(), Doc->Slots);
    Doc->NewFileLoaded = true;
    Main.SetRowCount(int(labels.size()) + 1);
    for (size_t u = 0; u < labels.size(); ++u) {
      Main.SetCell(UnitLabelColumn, int(u) + 1, labels[u]);
      Main.SetCell(UnitNameColumn, int(u) + 1, "Unit " + QString::number(u));
    }
  }
  PositionSource Source() const { return {Doc->Slots, Main, Property}; }
  void Rebuild(int side = 0) { RebuildPositionList(List, Source(), side, Main.RowCount() - 1); }
  QString Cell(int col, int row) const { return List.Cells.Cell(col, row); }
  std::vector<QString> Column(int col) const {
    std::vector<QString> cells;
    for (int row = 1; row <= List.Rows; ++row) cells.push_back(List.Cells.Cell(col, row));
    return cells;
  }
  std::vector<std::pair<QString, QString>> Positions() const {
    std::vector<std::pair<QString, QString>> xy;
    for (int row = 1; row <= List.Rows; ++row) xy.push_back({Cell(PosXColumn, row), Cell(PosYColumn, row)});
    return xy;
  }
  const uint8_t* PositionBytes(int side, int unit) const { return PositionRecordAt(Doc->Slots, side, unit).data(); }
  const uint8_t* UnitBytes(int side, int unit) const { return UnitRecordAt(Doc->Slots, side, unit).data(); }
};

std::vector<QString> Labels(int count) {
  std::vector<QString> labels;
  for (int u = 0; u < count; ++u) labels.push_back(QString("A%1 ").arg(u).left(3));
  return labels;
}

// Picture pixel rows 0..239 of a small map, rows of hexes 0..79.
Bytes MapHexes(int width, int stride, const std::function<void(int x, int y, uint8_t* hex)>& put) {
  Bytes bytes(size_t(width) * size_t(stride) * 20, 0);
  for (int x = 0; x < width; ++x)
    for (int y = 0; y < stride; ++y) put(x, y, &bytes[(size_t(x) * size_t(stride) + size_t(y)) * 20]);
  return bytes;
}

ScenarioFixture MapFixture(int width, int height, int stride, const Bytes& hexes) {
  ScenarioFixture f;
  f.Sections[2] = Bytes(size_t(width) * size_t(stride) * 2, 0);
  f.Sections[8] = hexes;
  f.Sections[38] = {uint8_t(width & 0xFF), uint8_t(width >> 8)};
  f.Sections[39] = {uint8_t(height & 0xFF), uint8_t(height >> 8)};
  return f;
}

QRgb PixelOfHex(const OverviewMap& map, int x, int y) { return map.Picture.pixel(4 * x, 3 * y); }

TEST(OverviewTest, HexColoursFollowElevationAndConnections) {
  struct Case {
    uint8_t Elevation, Road, Paved, Rail;
    QRgb Expected;
  };
  const Case cases[] = {
      {0, 0, 0, 0, qRgb(48, 48, 48)},      {30, 0, 0, 0, qRgb(198, 198, 198)},  {31, 0, 0, 0, qRgb(198, 198, 198)},
      {200, 0, 0, 0, qRgb(198, 198, 198)}, {201, 0, 0, 0, qRgb(0, 0, 192)},     {253, 0, 0, 0, qRgb(0, 0, 192)},
      {10, 0, 0, 0, qRgb(98, 98, 98)},     {250, 4, 0, 0, qRgb(192, 96, 0)},    {5, 0, 1, 0, qRgb(192, 96, 0)},
      {5, 0, 0, 32, qRgb(192, 96, 0)},
  };
  for (const Case& c : cases) {
    Bytes hex(20, 0);
    hex[4] = c.Elevation;
    hex[12] = c.Road;
    hex[13] = c.Paved;
    hex[14] = c.Rail;
    EXPECT_EQ(HexColour(hex), c.Expected) << int(c.Elevation);
  }
}

TEST(OverviewTest, ASmallMapFillsTheTopThirdAndMarkersShowTheListsPositions) {
  const Bytes hexes = MapHexes(100, 80, [](int x, int y, uint8_t* hex) { hex[4] = uint8_t((x + y) % 2 ? 201 : 0); });
  ScenarioFixture f = MapFixture(100, 80, 80, hexes);
  f.PutUnit(0, 0, "A");
  f.PutUnit(0, 1, "B");
  f.PutUnit(0, 2, "C");
  PutPosition(f, 0, 0, 5, 7);
  PutPosition(f, 0, 1, 0, 9);  // column 0: no marker
  PutPosition(f, 0, 2, 150, 300);  // beyond the picture: clipped away
  Editor e(f, Labels(3));
  e.Rebuild();
  DrawOverviewMap(e.Map, *e.Doc, e.List);

  EXPECT_FALSE(e.Doc->NewFileLoaded);
  EXPECT_EQ(e.Map.MapWidth, 100);
  EXPECT_EQ(e.Map.MapHeight, 80);
  EXPECT_EQ(PixelOfHex(e.Map, 0, 0), qRgb(48, 48, 48));
  EXPECT_EQ(PixelOfHex(e.Map, 1, 0), qRgb(0, 0, 192));
  EXPECT_EQ(e.Map.Picture.pixel(399, 239), qRgb(48, 48, 48));  // hex (99, 79)
  for (int py : {240, 500, 719}) EXPECT_EQ(e.Map.Picture.pixel(10, py), qRgb(128, 128, 128)) << py;
  EXPECT_EQ(PixelOfHex(e.Map, 5, 7), qRgb(255, 255, 0));
  EXPECT_EQ(e.Map.Picture.pixel(4 * 5 + 3, 3 * 7 + 2), qRgb(255, 255, 0));
  EXPECT_EQ(PixelOfHex(e.Map, 0, 9), PixelOfHex(e.Map, 0, 11));  // no marker at column 0

  // Side 1 draws red; the list's cells (retained or not) place the markers.
  e.List.Cells.SetCell(PosXColumn, 1, "6");
  e.List.Side = 1;
  DrawOverviewMap(e.Map, *e.Doc, e.List);
  EXPECT_EQ(PixelOfHex(e.Map, 6, 7), qRgb(255, 0, 0));
  EXPECT_EQ(PixelOfHex(e.Map, 5, 7), qRgb(48, 48, 48));
}

TEST(OverviewTest, OnlyHexesWhoseRecordLiesInSlot8AreDrawn) {
  // A large map whose slot 8 ends after column 1 and half of column 2.
  Bytes hexes = MapHexes(2, 240, [](int, int, uint8_t* hex) { hex[4] = 30; });
  hexes.resize(hexes.size() + 120 * 20, 0);
  ScenarioFixture f = MapFixture(100, 240, 240, hexes);
  f.Sections[2] = Bytes(16001, 0);
  Editor e(f, {});
  e.Rebuild();
  DrawOverviewMap(e.Map, *e.Doc, e.List);
  EXPECT_EQ(PixelOfHex(e.Map, 1, 239), qRgb(198, 198, 198));
  EXPECT_EQ(PixelOfHex(e.Map, 2, 119), qRgb(48, 48, 48));
  EXPECT_EQ(PixelOfHex(e.Map, 2, 120), qRgb(128, 128, 128));
  EXPECT_EQ(PixelOfHex(e.Map, 99, 0), qRgb(128, 128, 128));
}

TEST(OverviewTest, MapSizesAreTakenAtTheFirstDrawAfterALoadAndFarSizesStayInThePicture) {
  struct Case {
    const char* Name;
    std::function<void(ScenarioFixture&)> Change;
    int32_t Width, Height;
  };
  const Bytes hexes = MapHexes(100, 80, [](int, int, uint8_t* hex) { hex[4] = 0; });
  const Case cases[] = {
      {"sizes 65535", [](ScenarioFixture& f) { f.Sections[38] = {0xFF, 0xFF}, f.Sections[39] = {0xFF, 0xFF}; }, 65535,
       65535},
      {"slot 38 absent", [](ScenarioFixture& f) { f.Sections[38].clear(); }, 0, 80},
      {"slot 39 one byte", [](ScenarioFixture& f) { f.Sections[39] = {7}; }, 100, 0},
  };
  for (const Case& c : cases) {
    ScenarioFixture f = MapFixture(100, 80, 80, hexes);
    c.Change(f);
    Editor e(f, {});
    e.Rebuild();
    DrawOverviewMap(e.Map, *e.Doc, e.List);
    EXPECT_EQ(e.Map.MapWidth, c.Width) << c.Name;
    EXPECT_EQ(e.Map.MapHeight, c.Height) << c.Name;
    const bool drawn = c.Width > 0 && c.Height > 0;
    EXPECT_EQ(PixelOfHex(e.Map, 0, 0), drawn ? qRgb(48, 48, 48) : qRgb(128, 128, 128)) << c.Name;
    EXPECT_EQ(e.Map.Picture.pixel(399, 719), qRgb(128, 128, 128)) << c.Name;  // the rows past 80 are not in slot 8
  }
  // Without a new load the overview keeps the size it took.
  ScenarioFixture f = MapFixture(100, 80, 80, hexes);
  Editor e(f, {});
  e.Map.MapWidth = 3;
  e.Doc->NewFileLoaded = false;
  DrawOverviewMap(e.Map, *e.Doc, e.List);
  EXPECT_EQ(e.Map.MapWidth, 3);
  EXPECT_EQ(PixelOfHex(e.Map, 3, 0), qRgb(128, 128, 128));
}

TEST(RubberBoxTest, ADragSetsTheEditsAndSelectsStrictlyInsideOnlyWhenDrawnForward) {
  ScenarioFixture f;
  struct Unit {
    int16_t X, Y;
    bool Inside;
  };
  const std::vector<Unit> units = {{3, 3, true},  {9, 5, true},  {2, 4, false}, {10, 4, false},
                                   {5, 2, false}, {5, 6, false}, {6, 4, true},  {-4, 4, false}};
  for (size_t u = 0; u < units.size(); ++u) {
    f.PutUnit(0, int(u), "U");
    PutPosition(f, 0, int(u), units[u].X, units[u].Y);
  }
  for (bool backward : {false, true}) {
    Editor e(f, Labels(int(units.size())));
    e.Rebuild();
    const QPoint start = backward ? QPoint(41, 19) : QPoint(9, 7), end = backward ? QPoint(9, 7) : QPoint(41, 19);
    BoxMouseDown(e.Map.Box, e.Map.Picture, start.x(), start.y());
    EXPECT_EQ(BoxMouseMove(e.Map.Box, e.Map.Picture, end.x(), end.y()), backward ? "2,2" : "10,6");
    const auto area = BoxMouseUp(e.Map.Box, end.x(), end.y());
    ASSERT_TRUE(area);
    EXPECT_EQ(*area, (DropArea{4, 2, 6, 4}));
    EXPECT_FALSE(SelectInBox(e.List, e.Doc->Slots, e.Map.Box));
    for (size_t u = 0; u < units.size(); ++u) {
      const bool expected = units[u].Inside && !backward;
      EXPECT_EQ(IsMarked(e.Cell(PosLabelColumn, int(u) + 1)), expected) << u << " backward " << backward;
      EXPECT_EQ(e.List.UnitSelected[u], expected ? 1 : 0);
    }
  }
}

TEST(RubberBoxTest, APlainClickLeavesTheEditsAndSelectNeedsADrawnBox) {
  ScenarioFixture f;
  f.PutUnit(0, 0, "U");
  PutPosition(f, 0, 0, 1, 1);
  Editor e(f, Labels(1));
  e.Rebuild();
  BoxMouseDown(e.Map.Box, e.Map.Picture, 5, 5);
  EXPECT_FALSE(BoxMouseUp(e.Map.Box, 6, 4));  // the same hex
  EXPECT_FALSE(e.Map.Box.MouseButtonDown);
  EXPECT_FALSE(e.Map.Box.BoxDrawn);
  e.List.Cells.SetCell(PosXColumn, 1, "not a number");  // never read without a box
  EXPECT_NO_THROW(SelectInBox(e.List, e.Doc->Slots, e.Map.Box));
  // A move without a held button only names the hex.
  EXPECT_EQ(BoxMouseMove(e.Map.Box, e.Map.Picture, -5, 13), "-1,4");
  EXPECT_FALSE(e.Map.Box.BoxDrawn);
}

TEST(RubberBoxTest, TheOutlineIsDrawnInExclusiveOrAndASecondDrawRestoresThePicture) {
  OverviewMap map;
  map.Picture.setPixel(20, 10, qRgb(1, 2, 3));
  const QImage before = map.Picture;
  BoxMouseDown(map.Box, map.Picture, 20, 10);
  BoxMouseMove(map.Box, map.Picture, 30, 25);
  EXPECT_EQ(map.Picture.pixel(20, 10), qRgb(254, 253, 252));
  EXPECT_EQ(map.Picture.pixel(30, 25), qRgb(127, 127, 127));  // every corner once
  EXPECT_EQ(map.Picture.pixel(25, 10), qRgb(127, 127, 127));
  EXPECT_EQ(map.Picture.pixel(25, 15), qRgb(128, 128, 128));
  BoxMouseMove(map.Box, map.Picture, 500, -40);  // dragged past the edges
  BoxMouseMove(map.Box, map.Picture, 2'000'000'000, 2'000'000'000);
  BoxMouseDown(map.Box, map.Picture, 0, 0);  // erases the last outline
  EXPECT_EQ(map.Picture, before);
}

struct DropCase {
  int Density;
  std::vector<std::pair<QString, QString>> Expected;
};

TEST(PositionListTest, DropScattersTheMarkedRowsFromTheProgramsGenerator) {
  ScenarioFixture f;
  for (int u = 0; u < 5; ++u) {
    f.PutUnit(0, u, "U");
    PutPosition(f, 0, u, 1, 1);
  }
  const DropCase cases[] = {
      {0, {{"20", "20"}, {"1", "1"}, {"18", "20"}, {"22", "20"}, {"1", "1"}}},
      {3, {{"20", "20"}, {"1", "1"}, {"20", "20"}, {"18", "20"}, {"1", "1"}}},
  };
  for (const DropCase& c : cases) {
    Editor e(f, Labels(5));
    e.Rebuild();
    for (int row : {1, 3, 4}) ToggleRowSelection(e.List, row);
    e.Random.Seed(1);
    EXPECT_FALSE(DropSelected(e.List, e.Doc->Slots, {"20", "20", "5", "3", c.Density}, e.Random));
    EXPECT_EQ(e.Positions(), c.Expected) << c.Density;
    EXPECT_EQ(ReadLe16(e.PositionBytes(0, 0)), 1);  // only the list changed
  }
}

TEST(PositionListTest, TheMarkIsOneTrailingStarWhateverTheLabelsLength) {
  ScenarioFixture f;
  for (int u = 0; u < 3; ++u) {
    f.PutUnit(0, u, "U");
    PutPosition(f, 0, u, 4, 4);
    f.Unit(0, u)[116] = 3;
  }
  Editor e(f, {"B123", "AB12", "A1 "});
  e.Rebuild();
  // Four-character labels are not marked: Drop and Set pass them by.
  e.Random.Seed(1);
  DropSelected(e.List, e.Doc->Slots, {"20", "20", "5", "3", 0}, e.Random);
  SetSelectedProperty(e.List, e.Doc->Slots, e.Main, "9", "9", 116, e.Random);
  EXPECT_EQ(e.Random.RandomState, 1u);
  EXPECT_EQ(e.Column(PosXColumn), std::vector<QString>({"4", "4", "4"}));
  EXPECT_EQ(e.UnitBytes(0, 0)[116], 3);

  ToggleRowSelection(e.List, 1);
  EXPECT_EQ(e.Cell(PosLabelColumn, 1), "B123*");
  EXPECT_EQ(e.List.UnitSelected[0], 1);
  ToggleRowSelection(e.List, 1);
  EXPECT_EQ(e.Cell(PosLabelColumn, 1), "B123");
  EXPECT_EQ(e.List.UnitSelected[0], 0);

  ToggleRowSelection(e.List, 2);
  ToggleRowSelection(e.List, 3);
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"B123", "AB12*", "A1 *"}));
  // A refill keeps the marks, an activation's rebuild hides them but keeps the flags.
  FillPositionGrid(e.List, e.Source());
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"B123", "AB12*", "A1 *"}));
  e.Rebuild();
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"B123", "AB12", "A1 "}));
  FillPositionGrid(e.List, e.Source());
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"B123", "AB12*", "A1 *"}));
  UnselectAll(e.List);
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"B123", "AB12", "A1 "}));
  FillPositionGrid(e.List, e.Source());
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"B123", "AB12", "A1 "}));
}

TEST(PositionListTest, RetainStoresLow16BitsAndAHiddenFlagIntoTheListsRecords) {
  ScenarioFixture f;
  for (int u = 0; u < 3; ++u) f.PutUnit(1, u, "U");
  uint8_t* record = &f.Sections[17][401 * PositionSize];
  for (size_t i = 0; i < PositionSize; ++i) record[i] = uint8_t(0xA0 + i);
  Editor e(f, Labels(3));
  e.Rebuild(1);
  e.List.Cells.SetCell(PosXColumn, 2, "70000");
  e.List.Cells.SetCell(PosYColumn, 2, "-1");
  e.List.Cells.SetCell(PosHiddenColumn, 2, "5");
  EXPECT_FALSE(RetainPositions(e.List, e.Doc->Slots));
  const uint8_t* p = e.PositionBytes(1, 1);
  EXPECT_EQ(Bytes(p, p + 4), Bytes({0x70, 0x11, 0xFF, 0xFF}));
  EXPECT_EQ(p[14], 1);
  for (size_t i : {4, 13, 15, 19}) EXPECT_EQ(p[i], 0xA0 + i) << i;
  EXPECT_EQ(ReadLe16(e.PositionBytes(0, 1)), 0);  // side 0 untouched

  // A bad cell stops Retain there; rows before it stay stored.
  e.List.Cells.SetCell(PosXColumn, 1, "12");
  e.List.Cells.SetCell(PosYColumn, 2, "y");
  EXPECT_THROW(RetainPositions(e.List, e.Doc->Slots), ConversionError);
  EXPECT_EQ(ReadLe16(e.PositionBytes(1, 0)), 12);
  EXPECT_EQ(ReadLe16(e.PositionBytes(1, 1) + 2), 0xFFFF);

  // Reset reads the records back into the row of each unit, after a sort too.
  ResetPositions(e.List, e.Doc->Slots);
  EXPECT_EQ(e.Positions()[1], std::make_pair(QString("4464"), QString("-1")));
}

TEST(PositionListTest, SetWritesTheChosenByteAndTheChangedMarkOfMarkedUnitsOnly) {
  ScenarioFixture f;
  for (int u = 0; u < 4; ++u) f.PutUnit(0, u, "U");
  Editor e(f, Labels(4));
  e.Rebuild();
  ToggleRowSelection(e.List, 2);
  ToggleRowSelection(e.List, 4);
  struct Case {
    const char *Min, *Max;
    uint8_t Expected;
  };
  for (const Case& c : {Case{"7", "7", 7}, Case{"300", "299", 44}, Case{"-1", "-2", 255}}) {
    const SetOutcome outcome = SetSelectedProperty(e.List, e.Doc->Slots, e.Main, c.Min, c.Max, 116, e.Random);
    EXPECT_TRUE(outcome.Ran);
    EXPECT_FALSE(outcome.SkippedUnits);
    for (int u = 0; u < 4; ++u) {
      const bool marked = u == 1 || u == 3;
      EXPECT_EQ(e.UnitBytes(0, u)[116], marked ? c.Expected : 0) << c.Min << " unit " << u;
      EXPECT_EQ(e.UnitBytes(0, u)[166], marked ? 1 : 0);
    }
  }
  // Wide ranges are drawn in 64 bits; values keep their low 8 bits.
  SetSelectedProperty(e.List, e.Doc->Slots, e.Main, "-2147483648", "2147483647", 189, e.Random);
  EXPECT_EQ(e.Column(PosLabelColumn)[1], "A1 *");  // refilled with the marks
  EXPECT_EQ(e.Column(PosPropertyColumn)[0], "0");
  // No property named: nothing, not even a draw.
  const uint64_t state = e.Random.RandomState;
  EXPECT_FALSE(SetSelectedProperty(e.List, e.Doc->Slots, e.Main, "1", "9", SelectedPropertyOffset("men"), e.Random).Ran);
  EXPECT_EQ(e.Random.RandomState, state);
  EXPECT_THROW(SetSelectedProperty(e.List, e.Doc->Slots, e.Main, "1", "", 116, e.Random), ConversionError);
}

TEST(PositionListTest, SelectedPropertyOffsetMatchesNamesExactly) {
  EXPECT_EQ(SelectedPropertyOffset("Suppression"), 118);
  EXPECT_EQ(SelectedPropertyOffset("AP Ammo 4"), 59);
  EXPECT_EQ(SelectedPropertyOffset("HEAT Ammo 1"), 49);
  EXPECT_EQ(SelectedPropertyOffset("men"), NoProperty);
  EXPECT_EQ(SelectedPropertyOffset(""), NoProperty);
}

TEST(PositionListTest, SortsStartFromUnitOrderAndKeepEqualRowsInIt) {
  ScenarioFixture f;
  const int16_t xs[] = {5, 3, 5, 1};
  for (int u = 0; u < 4; ++u) {
    f.PutUnit(0, u, "U");
    PutPosition(f, 0, u, xs[u], int16_t(10 - u));
  }
  Editor e(f, {"C1 ", "A1 ", "B1 ", "A1 "});
  e.Main.SetCell(UnitNameColumn, 1, "\u00c4rger");  // byte C4 sorts after every ASCII name
  e.Rebuild();
  ToggleRowSelection(e.List, 4);
  ToggleRowSelection(e.List, 2);
  auto order = [&] { return e.Column(PosNumberColumn); };
  SortPositionGrid(e.List, e.Source(), PosXColumn);
  EXPECT_EQ(order(), std::vector<QString>({"3", "1", "0", "2"}));
  EXPECT_EQ(e.Column(PosLabelColumn), std::vector<QString>({"A1 *", "A1 *", "C1 ", "B1 "}));
  SortPositionGrid(e.List, e.Source(), PosLabelColumn);
  EXPECT_EQ(order(), std::vector<QString>({"1", "3", "0", "2"}));
  SortPositionGrid(e.List, e.Source(), PosNameColumn);
  EXPECT_EQ(order(), std::vector<QString>({"1", "2", "3", "0"}));
  SortPositionGrid(e.List, e.Source(), PosYColumn);
  EXPECT_EQ(order(), std::vector<QString>({"3", "2", "1", "0"}));
  SortPositionGrid(e.List, e.Source(), PosNumberColumn);
  EXPECT_EQ(order(), std::vector<QString>({"0", "1", "2", "3"}));
  // After a sort each row still belongs to its own unit: Retain writes it there.
  SortPositionGrid(e.List, e.Source(), PosXColumn);
  e.List.Cells.SetCell(PosXColumn, 1, "77");  // unit 3
  RetainPositions(e.List, e.Doc->Slots);
  EXPECT_EQ(ReadLe16(e.PositionBytes(0, 3)), 77);
  EXPECT_EQ(ReadLe16(e.PositionBytes(0, 0)), 5);
  // "Prop." and beyond do not sort.
  const auto before = order();
  SortPositionGrid(e.List, e.Source(), PosPropertyColumn);
  EXPECT_EQ(order(), before);
}

TEST(PositionListTest, RowsWithoutRecordsShowQuestionMarksAndAreSkipped) {
  ScenarioFixture f;
  for (int u = 0; u < 3; ++u) {
    f.PutUnit(0, u, "U");
    PutPosition(f, 0, u, int16_t(4 + u), 4);
  }
  f.Sections[17].resize(2 * PositionSize + 5);  // unit 2's record is cut
  f.Sections[1].resize(258);                    // only unit 0 has a unit record
  Editor e(f, Labels(3));
  e.Rebuild();
  EXPECT_EQ(e.Column(PosXColumn), std::vector<QString>({"4", "5", "??"}));
  EXPECT_EQ(e.Column(PosHiddenColumn), std::vector<QString>({"0", "0", "??"}));
  EXPECT_EQ(e.Column(PosPropertyColumn), std::vector<QString>({"0", "??", "??"}));
  e.Property = NoProperty;
  FillPositionGrid(e.List, e.Source());
  EXPECT_EQ(e.Column(PosPropertyColumn), std::vector<QString>({" X", " X", " X"}));

  SortPositionGrid(e.List, e.Source(), PosYColumn);
  EXPECT_EQ(e.Column(PosNumberColumn), std::vector<QString>({"0", "1", "2"}));
  for (int row = 1; row <= 3; ++row) ToggleRowSelection(e.List, row);
  const QImage blank = e.Map.Picture;
  EXPECT_NO_THROW(DrawOverviewMap(e.Map, *e.Doc, e.List));  // "??" is never parsed
  e.Random.Seed(1);
  EXPECT_TRUE(DropSelected(e.List, e.Doc->Slots, {"20", "20", "1", "1", 0}, e.Random));
  EXPECT_EQ(e.Column(PosXColumn), std::vector<QString>({"20", "20", "??"}));
  EXPECT_EQ(e.Random.RandomState, [] {
    RandomSource r;
    for (int i = 0; i < 8; ++i) r.next_random31();  // two rows of four draws
    return r.RandomState;
  }());
  EXPECT_TRUE(RetainPositions(e.List, e.Doc->Slots));
  EXPECT_EQ(ReadLe16(e.PositionBytes(0, 1)), 20);
  EXPECT_TRUE(ResetPositions(e.List, e.Doc->Slots));
  e.Map.Box = RubberBox{0, 0, 400, 720, true, false, {}, {}};
  EXPECT_TRUE(SelectInBox(e.List, e.Doc->Slots, e.Map.Box));
  const SetOutcome set = SetSelectedProperty(e.List, e.Doc->Slots, e.Main, "9", "9", 116, e.Random);
  EXPECT_TRUE(set.SkippedUnits);
  EXPECT_EQ(e.UnitBytes(0, 0)[116], 9);
}

TEST(PositionListTest, AMapOnlyFileKeepsEveryByte) {
  // Slot k holds section MapSectionIds[k - 1]: no slot is a unit, position or game data slot.
  test::GameFileBuilder b;
  for (int32_t id : MapSectionIds) b.Section(id, Bytes(size_t(id) * 400, uint8_t(id)));
  auto doc = std::make_unique<ScenarioDocument>();
  ReadSaveFileRecords(b.Build(), doc->Slots);
  const std::vector<uint8_t> before = doc->Slots.GameFileBuf;
  CellTable main{GridColumnCount, 4};
  for (int row = 1; row < 4; ++row) main.SetCell(UnitLabelColumn, row, "A1 ");
  PositionList list;
  RebuildPositionList(list, {doc->Slots, main, 116}, 0, 3);
  for (int row = 1; row <= 3; ++row) ToggleRowSelection(list, row);
  RandomSource random;
  EXPECT_TRUE(RetainPositions(list, doc->Slots));
  EXPECT_TRUE(SetSelectedProperty(list, doc->Slots, main, "1", "1", 116, random).SkippedUnits);
  OverviewMap map;
  doc->NewFileLoaded = true;
  DrawOverviewMap(map, *doc, list);
  EXPECT_EQ(map.MapWidth, 0);
  EXPECT_TRUE(doc->Slots.GameFileBuf == before);
  EXPECT_EQ(OwnRowsPerColumn(doc->Slots), 80);
}

}  // namespace
}  // namespace qrl::scen
