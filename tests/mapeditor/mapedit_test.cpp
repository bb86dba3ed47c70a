// Map editing in the document: the one-hex undo record, road and connection
// toggles, the Roads menu's marks and the click marker.
#include <gtest/gtest.h>

#include "mapeditor/core/clickmarker.h"
#include "mapeditor/core/roadedit.h"
#include "mapeditor/core/undohex.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

// A map whose every byte differs from its neighbours', so that a write into
// the wrong place shows.
MapDocument PatternedMap(int width, int height) {
  MapDocument doc = sample::MakeBlankMap(width, height);
  for (int32_t id : {2, 3, 4, 5, 6, 7, 8, 28, 29}) {
    uint8_t value = uint8_t(id);
    for (uint8_t& b : doc.Section(id)) b = value += 37;
  }
  return doc;
}

TEST(UndoHexTest, RestoresEveryPartOfTheHexAndNothingElse) {
  MapDocument doc = PatternedMap(20, 16);
  const std::vector<uint8_t> before = doc.MapFileBuf;
  const UndoHex undo = SaveUndoHex(doc, 7, 5);

  for (int s = BaseLayerSection; s <= LastOverlaySection; ++s) doc.SetTileWordAt(s, 7, 5, MakeTileWord(s, 17));
  doc.SetHexByteAt(7, 5, 0x5A);
  for (uint8_t& b : doc.MapHexRecordAt(7, 5)) b ^= 0xFF;
  for (uint8_t& b : doc.TileStackAt(7, 5)) b ^= 0x0F;
  ASSERT_NE(doc.MapFileBuf, before);

  RestoreUndoHex(doc, undo);
  EXPECT_TRUE(doc.MapFileBuf == before);
}

TEST(UndoHexTest, AHexWithoutRecordsIsNeitherReadNorWritten) {
  MapDocument doc = PatternedMap(20, 16);
  // Section 28 ends before hex (19, 79).
  doc.SectionSize[TileStackSection] = TileStackSize * (19 * doc.MapStride + 79);
  const UndoHex undo = SaveUndoHex(doc, 19, 79);
  EXPECT_FALSE(undo.HasTileStack);
  EXPECT_TRUE(undo.HasHexRecord);

  for (const HexPos hex : {HexPos{19, 79}, HexPos{-1, 0}, HexPos{0, 80}, HexPos{500, 3}}) {
    UndoHex moved = undo;
    moved.Col = hex.Col;
    moved.Row = hex.Row;
    moved.HasTileStack = true;  // even a record claiming a part writes only where the hex has one
    const std::vector<uint8_t> before = doc.MapFileBuf;
    RestoreUndoHex(doc, moved);
    EXPECT_TRUE(doc.MapFileBuf == before) << hex.Col << "," << hex.Row;
  }
}

TEST(ToggleRoadTest, InvertsThePresenceBitsOfTheCheckedKinds) {
  struct Case {
    RoadKinds Kinds;
    uint8_t Byte0, Byte2;
    bool Stored;
  };
  const Case cases[] = {
      {{true, false, false}, 0x80, 0x00, true},
      {{false, true, false}, 0x40, 0x00, true},
      {{false, false, true}, 0x00, 0x01, true},
      {{true, true, true}, 0xC0, 0x01, true},
      {{false, false, false}, 0x00, 0x00, false},
  };
  for (const Case& c : cases) {
    MapDocument doc = sample::MakeBlankMap(20, 16);
    EXPECT_EQ(ToggleRoad(doc, 3, 4, c.Kinds), c.Stored);
    EXPECT_EQ(doc.MapHexRecordAt(3, 4)[0], c.Byte0);
    EXPECT_EQ(doc.MapHexRecordAt(3, 4)[2], c.Byte2);
    ToggleRoad(doc, 3, 4, c.Kinds);  // the same click again puts the bits back
    EXPECT_EQ(doc.MapHexRecordAt(3, 4)[0], 0);
    EXPECT_EQ(doc.MapHexRecordAt(3, 4)[2], 0);
  }
  MapDocument doc = sample::MakeBlankMap(20, 16);
  EXPECT_FALSE(ToggleRoad(doc, -1, 4, {true, false, false}));
}

TEST(ConnectionTest, TheDirectionFromTheFirstHexFollowsItsRowParity) {
  struct Case {
    HexPos First, Clicked;
    int Bit;  // 0: no neighbour
  };
  const Case cases[] = {
      // From an even row.
      {{10, 4}, {11, 4}, DirE},
      {{10, 4}, {9, 4}, DirW},
      {{10, 4}, {10, 5}, DirSE},
      {{10, 4}, {9, 5}, DirSW},
      {{10, 4}, {9, 3}, DirNW},
      {{10, 4}, {10, 3}, DirNE},
      // From an odd row, half a hex further right.
      {{10, 5}, {11, 5}, DirE},
      {{10, 5}, {9, 5}, DirW},
      {{10, 5}, {11, 6}, DirSE},
      {{10, 5}, {10, 6}, DirSW},
      {{10, 5}, {10, 4}, DirNW},
      {{10, 5}, {11, 4}, DirNE},
      // Not neighbours.
      {{10, 4}, {10, 4}, 0},
      {{10, 4}, {11, 5}, 0},
      {{10, 5}, {9, 6}, 0},
      {{10, 4}, {12, 4}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.First.Col << "," << c.First.Row << " -> " << c.Clicked.Col << ","
                                    << c.Clicked.Row);
    const std::optional<HexDir> dir = ConnectionDirection(c.First, c.Clicked);
    EXPECT_EQ(dir.value_or(HexDir(0)), c.Bit);

    MapDocument doc = sample::MakeBlankMap(20, 16);
    const std::vector<uint8_t> before = doc.MapFileBuf;
    EXPECT_EQ(ToggleRoadConnection(doc, c.First, c.Clicked, {true, false, false}), c.Bit != 0);
    EXPECT_EQ(doc.MapHexRecordAt(c.First.Col, c.First.Row)[HexRecord::PavedRoadMask], c.Bit);
    // Only the first hex's mask changes.
    doc.MapHexRecordAt(c.First.Col, c.First.Row)[HexRecord::PavedRoadMask] = 0;
    EXPECT_TRUE(doc.MapFileBuf == before);
  }
}

TEST(ConnectionTest, RailroadComesBeforePavedRoadBeforeSecondaryRoad) {
  struct Case {
    RoadKinds Kinds;
    int Byte;
  };
  const Case cases[] = {
      {{false, false, false}, 12}, {{false, true, false}, 12}, {{true, false, false}, 13},
      {{true, true, false}, 13},   {{false, false, true}, 14}, {{true, false, true}, 14},
  };
  for (const Case& c : cases) EXPECT_EQ(ConnectionMaskByte(c.Kinds), c.Byte);
}

TEST(ConnectionTest, ClicksAlternateBetweenChoosingAndToggling) {
  MapDocument doc = sample::MakeBlankMap(20, 16);
  const RoadKinds paved{true, false, false};

  ConnectionClickOutcome first = ConnectionClick(doc, RoadClickWaiting, {0, 0}, {10, 4}, paved);
  EXPECT_EQ(first.RoadClickState, RoadFirstHexChosen);
  EXPECT_EQ(first.RoadFirst, (HexPos{10, 4}));
  EXPECT_FALSE(first.Redraw);
  EXPECT_FALSE(first.Stored);

  ConnectionClickOutcome second = ConnectionClick(doc, first.RoadClickState, first.RoadFirst, {10, 5}, paved);
  EXPECT_EQ(second.RoadClickState, RoadClickWaiting);
  EXPECT_TRUE(second.Redraw);
  EXPECT_TRUE(second.Stored);
  EXPECT_EQ(doc.MapHexRecordAt(10, 4)[HexRecord::PavedRoadMask], DirSE);
  EXPECT_EQ(doc.MapHexRecordAt(10, 5)[HexRecord::PavedRoadMask], 0);

  // A second click that is no neighbour stores nothing, redraws, and starts a new pair.
  first = ConnectionClick(doc, second.RoadClickState, second.RoadFirst, {3, 3}, paved);
  second = ConnectionClick(doc, first.RoadClickState, first.RoadFirst, {8, 8}, paved);
  EXPECT_EQ(second.RoadClickState, RoadClickWaiting);
  EXPECT_TRUE(second.Redraw);
  EXPECT_FALSE(second.Stored);
}

TEST(RoadsMenuTest, EachItemSetsItsMarksFromItsOwnState) {
  using I = RoadsMenuItem;
  // All other marks on, or all off, before the click: the table's "off" side
  // must switch off what it names and keep the rest.
  const RoadsMenuMarks allOn{true, true, true, true, true, true, true};
  struct Case {
    const char* Name;
    I Item;
    RoadsMenuState Before;
    RoadsMenuState After;
  };
  auto with = [](RoadsMenuMarks marks, bool RoadsMenuMarks::*item, bool on) {
    marks.*item = on;
    return marks;
  };
  using M = RoadsMenuMarks;
  const Case cases[] = {
      {"ShowRoadConnections off", I::ShowRoadConnections1, {with(allOn, &M::ShowRoadConnections1, false), 2},
       {with(allOn, &M::ShowAllRoadConnections1, false), 2}},
      {"ShowRoadConnections on", I::ShowRoadConnections1, {allOn, 2}, {with(allOn, &M::ShowRoadConnections1, false), 2}},
      {"ToggleRoadConnection off", I::ToggleRoadConnection1, {{false, false, false, true, true, false, true}, 0},
       {{false, true, true, false, true, false, true}, 1}},
      {"ToggleRoadConnection on", I::ToggleRoadConnection1, {allOn, 2},
       {with(allOn, &M::ToggleRoadConnection1, false), 0}},
      {"ToggleRoad off", I::ToggleRoad1, {{true, false, true, false, false, true, false}, 2},
       {{false, true, false, true, false, true, false}, 1}},
      {"ToggleRoad on", I::ToggleRoad1, {allOn, 1}, {with(allOn, &M::ToggleRoad1, false), 0}},
      {"PavedRoad off", I::PavedRoad1, {with(allOn, &M::PavedRoad1, false), 1},
       {{false, true, true, true, true, false, false}, 1}},
      {"PavedRoad on", I::PavedRoad1, {allOn, 1}, {with(allOn, &M::PavedRoad1, false), 1}},
      {"SecondaryRoad off", I::SecondaryRoad1, {with(allOn, &M::SecondaryRoad1, false), 1},
       {{false, true, true, true, false, true, false}, 1}},
      {"SecondaryRoad on", I::SecondaryRoad1, {allOn, 1}, {with(allOn, &M::SecondaryRoad1, false), 1}},
      {"Railroad off", I::Railroad1, {with(allOn, &M::Railroad1, false), 1},
       {{false, true, true, true, false, false, true}, 1}},
      {"Railroad on", I::Railroad1, {allOn, 1}, {with(allOn, &M::Railroad1, false), 1}},
      {"ShowAllRoadConnections off", I::ShowAllRoadConnections1, {with(allOn, &M::ShowAllRoadConnections1, false), 1},
       {{true, false, true, true, false, false, false}, 1}},
      {"ShowAllRoadConnections on", I::ShowAllRoadConnections1, {allOn, 1},
       {with(allOn, &M::ShowAllRoadConnections1, false), 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(RoadsMenuClick(c.Item, c.Before), c.After);
  }
}

TEST(ClickMarkerTest, PutsBackWhatTheLastMarkerCoveredAndClipsAtTheEdges) {
  QImage picture(20, 10, QImage::Format_RGB32);
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 10; ++y) picture.setPixel(x, y, qRgb(x, y, 7));
  const QImage original = picture;

  ClickMarker marker;
  marker.Place(picture, 5, 5);
  EXPECT_EQ(picture.pixel(2, 2), MarkerColour);
  EXPECT_EQ(picture.pixel(8, 8), MarkerColour);
  EXPECT_EQ(picture.pixel(9, 5), original.pixel(9, 5));

  marker.Place(picture, 5, 5);  // the same point twice: the same picture
  QImage once = original;
  ClickMarker other;
  other.Place(once, 5, 5);
  EXPECT_EQ(picture, once);

  marker.Place(picture, -2, 8);  // a drag's last position, mostly outside
  EXPECT_EQ(picture.pixel(0, 9), MarkerColour);
  EXPECT_EQ(picture.pixel(1, 5), MarkerColour);
  EXPECT_EQ(picture.pixel(2, 9), original.pixel(2, 9));
  EXPECT_EQ(picture.pixel(5, 5), original.pixel(5, 5));
  marker.Place(picture, 19, 0);
  EXPECT_EQ(picture.pixel(0, 9), original.pixel(0, 9));
  EXPECT_EQ(picture.pixel(16, 3), MarkerColour);

  // A new picture: nothing of the old one is written into it.
  QImage redrawn(20, 10, QImage::Format_RGB32);
  redrawn.fill(0xFF123456);
  marker.Forget();
  marker.Place(redrawn, 10, 5);
  marker.Place(redrawn, 2, 2);
  EXPECT_EQ(redrawn.pixel(10, 5), 0xFF123456u);
  EXPECT_EQ(redrawn.pixel(19, 0), 0xFF123456u);

  QImage none;
  marker.Place(none, 3, 3);
  EXPECT_FALSE(marker.HasMarker());
}

}  // namespace
}  // namespace qrl::map
