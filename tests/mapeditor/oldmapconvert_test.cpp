#include "mapeditor/core/oldmapconvert.h"

#include <gtest/gtest.h>

#include <map>

#include "gamefile/bytes.h"
#include "mapeditor/core/mapfile.h"
#include "tests/support/gamefilebuilder.h"
#include "tests/support/oldmapbuilder.h"
#include "tools/sampledata/samplemap.h"

namespace qrl::map {
namespace {

using test::Bytes;
using test::OldGeneration;
using test::OldMapBuilder;

constexpr uint16_t Empty = EmptyTileWord;

// The map as "Load QRL Map" leaves it: a blank 100 x 80 map whose sections
// 16, 17, 20, 47 and 48 hold what `extra` gives (empty where it gives nothing).
MapDocument LoadedMap(const std::map<int, Bytes>& extra = {}, int width = 100, int height = 80) {
  const MapDocument blank = sample::MakeBlankMap(width, height);
  test::GameFileBuilder file;
  for (int32_t id : MapSectionIds) {
    auto bytes = blank.Section(id);
    const auto it = extra.find(id);
    file.Section(id, it != extra.end() ? it->second : Bytes(bytes.begin(), bytes.end()));
  }
  MapDocument doc;
  doc.MarkWantedSections();
  EXPECT_EQ(LoadMapFromGameFile(file.Build(), doc).Status, MapLoadStatus::Loaded);
  return doc;
}

Bytes SectionOf(const MapDocument& doc, int id) {
  auto bytes = doc.Section(id);
  return Bytes(bytes.begin(), bytes.end());
}

uint16_t Word(const MapDocument& doc, int layer, int col, int row) { return doc.TileWordAt(layer, col, row).value_or(0); }

uint8_t RecordByte(const MapDocument& doc, int col, int row, int byte) {
  return doc.MapHexRecordAt(col, row)[size_t(byte)];
}

TEST(RoadTileMaskTest, NamesTheDirectionsOfThePieces) {
  EXPECT_EQ(RoadTileMask[0], DirE | DirW);
  EXPECT_EQ(RoadTileMask[26], AllHexDirs);
  EXPECT_EQ(RoadTileMask[36], DirSE | DirW | DirNW | DirNE);
  EXPECT_EQ(RoadTileMask[37], 46);
}

// One tile in the older map at hex (10, 11), then what the KX2 conversion makes of it.
TEST(Kx2ConversionTest, RoadPiecesBuildingsAndMovedTilesAreRenumbered) {
  struct Case {
    const char* Name;
    int Layer;
    uint16_t Old;
    bool StoneBldg;
    bool Buildings;
    std::map<int, uint16_t> Layers;  // expected words of the layers named; the others stay empty
    uint8_t Byte0 = 0;
    uint8_t Byte12 = 0;
    uint8_t Byte13 = 0;
  };
  const Case cases[] = {
      {"secondary road piece 0", 4, 6000, false, false, {}, 0x40, 9, 0},
      {"paved road piece 88", 5, 6088, false, false, {}, 0x80, 0, 58},
      {"special piece 38 in layer 4", 4, 6038, false, false, {{5, 6063}}},
      {"special piece 38 in layer 3", 3, 6038, false, false, {{3, 6038}, {5, 6063}}},
      {"special piece 42 in layer 4", 4, 6042, false, false, {{5, 6065}}},
      {"special piece 95 in layer 3", 3, 6095, false, false, {{3, 6095}, {5, 6071}}},
      // Put into layer 5 from layer 6, then examined there and removed.
      {"special piece 90 in layer 6", 6, 6090, false, false, {{6, 6090}}},
      {"special piece 38 in layer 7", 7, 6038, false, false, {{7, 6038}}},
      {"special piece 38 in layer 5", 5, 6038, false, false, {{5, 6063}}},
      {"piece 44 anywhere", 3, 6044, false, false, {}},
      {"old building on stone", 6, 7255, true, false, {{6, 6755}}, 0x10},
      {"old building on stone, KXZKT ticked", 6, 7255, true, true, {{6, 6755}}, 0x10},
      {"old building on wood", 3, 7255, false, true, {{3, 6505}}},
      {"wood building, KXZKT ticked", 7, 6505, false, true, {{7, 15005}}},
      {"wood building", 7, 6505, false, false, {{7, 6505}}},
      {"stone building, KXZKT ticked", 5, 6755, false, true, {{5, 15255}}},
      {"file 30 in layer 4", 4, 7501, false, false, {{6, 7501}}},
      {"file 9 in layer 4", 4, 2251, false, false, {{6, 2251}}},
      {"file 31 in layer 3", 3, 7751, false, false, {{3, 7751}}},
  };
  constexpr int Col = 10, Row = 11;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    OldMapBuilder old(OldGeneration::Kx2);
    old.Tile(c.Layer, Col, Row, c.Old);
    if (c.StoneBldg) old.HexRecord(Col, Row)[7] = 0x10;
    MapDocument doc = LoadedMap();
    ASSERT_EQ(ConvertKx2Map(doc, old.Build(), c.Buildings), OldMapStatus::Converted);
    for (int layer = FirstOverlaySection; layer <= LastOverlaySection; ++layer) {
      const auto it = c.Layers.find(layer);
      EXPECT_EQ(Word(doc, layer, Col, Row), it == c.Layers.end() ? Empty : it->second) << "layer " << layer;
    }
    EXPECT_EQ(RecordByte(doc, Col, Row, 0), c.Byte0);
    EXPECT_EQ(RecordByte(doc, Col, Row, HexRecord::SecondaryRoadMask), c.Byte12);
    EXPECT_EQ(RecordByte(doc, Col, Row, HexRecord::PavedRoadMask), c.Byte13);
  }
}

TEST(Kx2ConversionTest, RecordsAreReLaidAndRoadBitsAddedToThoseOfTheRecord) {
  MapDocument doc = LoadedMap();
  // The loaded record of hex (3, 4): bytes i = 100 + i.
  auto loaded = doc.MapHexRecordAt(3, 4);
  for (size_t i = 0; i < loaded.size(); ++i) loaded[i] = uint8_t(100 + i);
  auto loadedStack = doc.TileStackAt(3, 4);
  for (size_t i = 0; i < loadedStack.size(); ++i) loadedStack[i] = uint8_t(200 + i);

  OldMapBuilder old(OldGeneration::Kx2);
  auto rec = old.HexRecord(3, 4);
  for (size_t i = 0; i < rec.size(); ++i) rec[i] = uint8_t(i + 1);  // old byte i holds i + 1
  old.Tile(4, 3, 4, 6001).Tile(5, 3, 4, 6052);                      // masks 36 and 9
  old.Stack(3, 4, 2, {0x1234, 0x5678, 0x9ABC, 0xDEF0, 0x1111, 0x2222});

  ASSERT_EQ(ConvertKx2Map(doc, old.Build(), false), OldMapStatus::Converted);
  const Bytes expected = {
      uint8_t(8 | 0x40 | 0x80), 9, 102, 103, 1, 2, 3, 107, 5, 109, 110, 111,
      uint8_t(112 | 36), uint8_t(113 | 9), 114, 115, 116, 117, 118, 119};
  auto converted = doc.MapHexRecordAt(3, 4);
  EXPECT_EQ(Bytes(converted.begin(), converted.end()), expected);
  auto stack = doc.TileStackAt(3, 4);
  EXPECT_EQ(Bytes(stack.begin(), stack.end()),
            Bytes({2, 201, 0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A, 0xF0, 0xDE, 0x11, 0x11, 0x22, 0x22}));
  EXPECT_EQ(Word(doc, 4, 3, 4), Empty);
  EXPECT_EQ(Word(doc, 5, 3, 4), Empty);
}

// Roads come from tiles only on the hexes of the loaded map's size.
TEST(Kx2ConversionTest, RoadsAreDerivedOnlyWithinTheLoadedMapSize) {
  MapDocument doc = LoadedMap({}, 100, 80);
  doc.MapWidth = 50;
  doc.MapHeight = 40;
  OldMapBuilder old(OldGeneration::Kx2);
  old.Tile(4, 49, 39, 6000).Tile(4, 50, 10, 6000).Tile(4, 10, 40, 6000);
  ASSERT_EQ(ConvertKx2Map(doc, old.Build(), false), OldMapStatus::Converted);
  EXPECT_EQ(RecordByte(doc, 49, 39, HexRecord::SecondaryRoadMask), 9);
  EXPECT_EQ(RecordByte(doc, 50, 10, HexRecord::SecondaryRoadMask), 0);
  EXPECT_EQ(RecordByte(doc, 10, 40, HexRecord::SecondaryRoadMask), 0);
}

// A base word that names its hex.
uint16_t BaseWord(int col, int row) { return uint16_t(100 * col + row); }

OldMapBuilder NumberedOldMap(OldGeneration gen, int height) {
  OldMapBuilder old(gen, 100, 100, height);
  for (int col = 0; col < 100; ++col)
    for (int row = 0; row < OldMapBuilder::Stride; ++row) {
      old.Tile(2, col, row, BaseWord(col, row));
      // Elevation bytes: KX2 old bytes 0, 1; KX3 bytes 4, 5.
      auto rec = old.HexRecord(col, row);
      const int at = gen == OldGeneration::Kx2 ? 0 : 4;
      rec[size_t(at)] = uint8_t(col);
      rec[size_t(at + 1)] = uint8_t(row);
    }
  return old;
}

TEST(BorderFillTest, CopiesFromTheInnerNeighboursUpToTheOlderHeightWithinTheStoredRows) {
  struct Hex {
    int Col, Row;
  };
  struct Expect {
    Hex At;
    Hex From;  // the hex whose terrain it holds afterwards (itself: unchanged)
  };
  struct Case {
    int Height;
    std::vector<Expect> Hexes;
  };
  const Case cases[] = {
      {60,
       {{{5, 0}, {5, 1}}, {{5, 59}, {5, 58}}, {{5, 79}, {5, 79}}, {{0, 30}, {1, 30}}, {{99, 30}, {98, 30}},
        {{0, 70}, {0, 70}}, {{0, 0}, {1, 1}}, {{99, 59}, {98, 58}}, {{5, 30}, {5, 30}}}},
      {79, {{{5, 78}, {5, 77}}, {{5, 79}, {5, 79}}, {{0, 79}, {0, 79}}}},
      {80, {{{5, 79}, {5, 78}}, {{0, 79}, {1, 78}}, {{99, 0}, {98, 1}}}},
      {81, {{{5, 79}, {5, 78}}, {{0, 79}, {1, 78}}}},
      {300, {{{5, 79}, {5, 78}}, {{99, 79}, {98, 78}}}},
      {65535, {{{5, 79}, {5, 78}}, {{0, 79}, {1, 78}}}},
      {1, {{{5, 0}, {5, 1}}, {{0, 0}, {1, 1}}, {{0, 1}, {0, 1}}, {{5, 79}, {5, 79}}, {{4, 79}, {4, 79}}}},
      {0, {{{5, 0}, {5, 1}}, {{0, 0}, {0, 0}}, {{5, 79}, {5, 79}}, {{4, 79}, {4, 79}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Height);
    MapDocument doc = LoadedMap();
    ASSERT_EQ(ConvertKx2Map(doc, NumberedOldMap(OldGeneration::Kx2, c.Height).Build(), false), OldMapStatus::Converted);
    for (const Expect& e : c.Hexes) {
      SCOPED_TRACE(testing::Message() << e.At.Col << "," << e.At.Row);
      EXPECT_EQ(Word(doc, BaseLayerSection, e.At.Col, e.At.Row), BaseWord(e.From.Col, e.From.Row));
      EXPECT_EQ(RecordByte(doc, e.At.Col, e.At.Row, 4), e.From.Col);
      EXPECT_EQ(RecordByte(doc, e.At.Col, e.At.Row, 5), e.From.Row);
    }
    EXPECT_EQ(doc.MapHeight, 80);
    EXPECT_EQ(ReadLe16(doc.Section(MapHeightSection).data()), c.Height);
  }
}

TEST(BorderFillTest, ANarrowLoadedMapKeepsEveryCopyInsideItsSections) {
  // 50 columns stored: the right border columns 98 and 99 have no records.
  MapDocument doc = LoadedMap({}, 50, 80);
  OldMapBuilder old(OldGeneration::Kx2, 50, 50, 80);
  old.Tile(2, 1, 1, 1234);
  ASSERT_EQ(ConvertKx2Map(doc, old.Build(), false), OldMapStatus::Converted);
  EXPECT_EQ(Word(doc, BaseLayerSection, 1, 0), 1234);
  EXPECT_EQ(Word(doc, BaseLayerSection, 0, 0), 1234);
  EXPECT_EQ(doc.SectionSize[BaseLayerSection], 50 * 80 * 2);
}

TEST(Kx3ConversionTest, BordersAreFilledOnlyOnAFile28Base) {
  for (const uint16_t base : {uint16_t(7000), uint16_t(7249), uint16_t(7250), uint16_t(6999)}) {
    SCOPED_TRACE(base);
    OldMapBuilder old = NumberedOldMap(OldGeneration::Kx3, 80);
    old.Tile(2, 0, 0, base);
    MapDocument doc = LoadedMap();
    ASSERT_EQ(ConvertKx3Map(doc, old.Build()), OldMapStatus::Converted);
    const bool filled = base >= 7000 && base <= 7249;
    EXPECT_EQ(Word(doc, BaseLayerSection, 5, 0), BaseWord(5, filled ? 1 : 0));
    EXPECT_EQ(Word(doc, BaseLayerSection, 0, 0), filled ? BaseWord(1, 1) : base);
  }
}

TEST(Kx3ConversionTest, RecordsAreCopiedAndBuildingsOnRoadsCleared) {
  struct Case {
    const char* Name;
    uint8_t Byte0, Byte12, Byte13, Byte14;
    bool Cleaned;
  };
  const Case cases[] = {
      {"secondary road, stone building", 0x10 | 0x04, 1, 0, 0, true},
      {"paved road, wood building", 0x20 | 0x80, 0, 2, 0, true},
      {"both buildings", 0x30, 4, 4, 0, true},
      {"railroad only", 0x30, 0, 0, 8, false},
      {"road without building", 0x40 | 0x0F, 1, 0, 0, false},
      {"building without road", 0x10, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MapDocument doc = LoadedMap();
    doc.MapHexRecordAt(7, 8)[19] = 0xAB;
    OldMapBuilder old(OldGeneration::Kx3);
    auto rec = old.HexRecord(7, 8);
    for (size_t i = 0; i < rec.size(); ++i) rec[i] = uint8_t(50 + i);
    rec[0] = c.Byte0;
    rec[12] = c.Byte12;
    rec[13] = c.Byte13;
    rec[14] = c.Byte14;
    old.Tile(5, 7, 8, 4321);
    ASSERT_EQ(ConvertKx3Map(doc, old.Build()), OldMapStatus::Converted);

    Bytes expected(rec.begin(), rec.end());
    expected.push_back(0xAB);
    if (c.Cleaned) {
      expected[0] &= uint8_t(~0x30);
      expected[6] = 0;
      expected[8] = 0;
    }
    auto converted = doc.MapHexRecordAt(7, 8);
    EXPECT_EQ(Bytes(converted.begin(), converted.end()), expected);
    EXPECT_EQ(Word(doc, 5, 7, 8), c.Cleaned ? Empty : 4321);
  }
}

TEST(Kx3ConversionTest, NoRoadsFromTilesNoRenumberingAndNoLayerMove) {
  OldMapBuilder old(OldGeneration::Kx3);
  old.Tile(4, 2, 2, 6000).Tile(4, 2, 3, 7501).Tile(3, 2, 4, 7255).Tile(5, 2, 5, 6088);
  MapDocument doc = LoadedMap();
  ASSERT_EQ(ConvertKx3Map(doc, old.Build()), OldMapStatus::Converted);
  EXPECT_EQ(Word(doc, 4, 2, 2), 6000);
  EXPECT_EQ(Word(doc, 4, 2, 3), 7501);
  EXPECT_EQ(Word(doc, 3, 2, 4), 7255);
  EXPECT_EQ(Word(doc, 5, 2, 5), 6088);
  EXPECT_EQ(RecordByte(doc, 2, 2, 0), 0);
  EXPECT_EQ(RecordByte(doc, 2, 5, HexRecord::PavedRoadMask), 0);
}

// Loaded record k: bytes that tell the records apart, without building bits in byte 0.
Bytes LoadedRecordPattern(size_t size, size_t k) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = uint8_t((k * 7 + i) & 0x0F);
  return b;
}

TEST(Kx3ConversionTest, ShorterOrMissingOlderRecordsLeaveTheRestAsLoaded) {
  auto patterned = [] {
    MapDocument doc = LoadedMap();
    for (int k = 0; k < 8000; ++k) {
      auto rec = doc.MapHexRecordAt(k / 80, k % 80);
      const Bytes p = LoadedRecordPattern(rec.size(), size_t(k));
      std::copy(p.begin(), p.end(), rec.begin());
    }
    return doc;
  };
  {
    SCOPED_TRACE("7000 records");
    MapDocument doc = patterned();
    const MapDocument before = doc;
    OldMapBuilder old(OldGeneration::Kx3);
    old.SectionBytes(8).resize(7000 * 19 + 5, 0x01);  // and a partial record, ignored
    ASSERT_EQ(ConvertKx3Map(doc, old.Build()), OldMapStatus::Converted);
    EXPECT_EQ(RecordByte(doc, 0, 0, 3), 0);
    for (int k : {6999, 7000, 7001, 7999}) {
      auto rec = doc.MapHexRecordAt(k / 80, k % 80);
      auto was = before.MapHexRecordAt(k / 80, k % 80);
      if (k < 7000) {
        EXPECT_EQ(rec[18], 0) << k;
        EXPECT_EQ(rec[19], was[19]) << k;
      } else {
        EXPECT_TRUE(std::equal(rec.begin(), rec.end(), was.begin())) << k;
      }
    }
  }
  {
    SCOPED_TRACE("no section 8");
    MapDocument doc = patterned();
    const Bytes records = SectionOf(doc, HexRecordSection);
    OldMapBuilder old(OldGeneration::Kx3);
    old.Drop(8).Stack(99, 79, 6, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(ConvertKx3Map(doc, old.Build()), OldMapStatus::Converted);
    EXPECT_EQ(SectionOf(doc, HexRecordSection), records);
    EXPECT_EQ(doc.TileStackAt(99, 79)[0], 6);
    EXPECT_EQ(doc.TileStackAt(99, 79)[13], 0);
    EXPECT_EQ(doc.TileStackAt(99, 79)[12], 6);
  }
}

TEST(OldMapRebuildTest, WholeSectionsTakeTheOlderSizeAndTheFileIsLaidOutAnew) {
  const Bytes positions(37, 0x17);
  MapDocument doc = LoadedMap({{17, positions}, {47, Bytes(5, 0x47)}});
  ASSERT_EQ(doc.SectionSize[16], 0);
  ASSERT_EQ(doc.SectionSize[20], 0);
  OldMapBuilder old(OldGeneration::Kx2);
  Bytes sixteen(100);
  for (size_t i = 0; i < sixteen.size(); ++i) sixteen[i] = uint8_t(i);
  old.Set(16, sixteen).Set(20, {7, 8, 9}).Set(29, Bytes(8000, 0x29));
  ASSERT_EQ(ConvertKx2Map(doc, old.Build(), false), OldMapStatus::Converted);

  const Bytes saved = BuildMapFile(doc);
  MapDocument reloaded;
  reloaded.MarkWantedSections();
  ASSERT_EQ(LoadMapFromGameFile(saved, reloaded).Status, MapLoadStatus::Loaded);
  EXPECT_EQ(SectionOf(reloaded, 16), sixteen);
  EXPECT_EQ(SectionOf(reloaded, 20), Bytes({7, 8, 9}));
  EXPECT_EQ(SectionOf(reloaded, 17), positions);
  EXPECT_EQ(SectionOf(reloaded, 47), Bytes(5, 0x47));
  EXPECT_EQ(SectionOf(reloaded, 29), Bytes(8000, 0x29));
  // Laid out as the loader lays a map, so a reload gives the same tables.
  EXPECT_EQ(reloaded.SectionOffset, doc.SectionOffset);
  EXPECT_EQ(reloaded.SectionSize, doc.SectionSize);
  EXPECT_EQ(reloaded.MapFileBufFill, doc.MapFileBufFill);
  EXPECT_TRUE(reloaded.MapFileBuf == doc.MapFileBuf);
  EXPECT_EQ(BuildMapFile(reloaded), saved);

  // A shorter section 29 moves the later sections down and leaves zeros behind them.
  OldMapBuilder shorter(OldGeneration::Kx3);
  shorter.Set(29, {1, 2, 3}).Drop(16).Drop(20);
  ASSERT_EQ(ConvertKx3Map(doc, shorter.Build()), OldMapStatus::Converted);
  MapDocument again;
  again.MarkWantedSections();
  ASSERT_EQ(LoadMapFromGameFile(BuildMapFile(doc), again).Status, MapLoadStatus::Loaded);
  EXPECT_EQ(SectionOf(again, 29), Bytes({1, 2, 3}));
  EXPECT_EQ(SectionOf(again, 16), sixteen);
  EXPECT_EQ(SectionOf(again, 17), positions);
  EXPECT_EQ(again.SectionOffset, doc.SectionOffset);
  EXPECT_TRUE(again.MapFileBuf == doc.MapFileBuf);
}

TEST(OldMapRebuildTest, ShortOrMissingSizeSectionsLeaveTheLoadedOnes) {
  for (const Bytes& height : {Bytes{}, Bytes{60}}) {
    MapDocument doc = LoadedMap();
    OldMapBuilder old(OldGeneration::Kx2);
    old.Set(39, height).Drop(38);
    ASSERT_EQ(ConvertKx2Map(doc, old.Build(), false), OldMapStatus::Converted);
    EXPECT_EQ(SectionOf(doc, 38), Bytes({100, 0}));
    EXPECT_EQ(SectionOf(doc, 39), Bytes({80, 0}));
  }
}

TEST(OldMapRefusalTest, AFileThatDoesNotFitOrIsNoOlderMapChangesNothing) {
  struct Case {
    const char* Name;
    Bytes File;
    bool Kx3;
    OldMapStatus Status;
    int Height = 80;
  };
  auto kx2 = [] { return OldMapBuilder(OldGeneration::Kx2); };
  auto kx3 = [] { return OldMapBuilder(OldGeneration::Kx3); };
  const Case cases[] = {
      {"section 5 of 16,100 bytes", kx2().Set(5, Bytes(16'100, 0xFF)).Build(), false, OldMapStatus::DoesNotFit},
      {"section 8 of 8001 records", kx2().Set(8, Bytes(8001 * 12, 0)).Build(), false, OldMapStatus::DoesNotFit},
      {"KX3 section 8 of 8001 records", kx3().Set(8, Bytes(8001 * 19, 0)).Build(), true, OldMapStatus::DoesNotFit},
      {"section 28 of 8001 stacks", kx3().Set(28, Bytes(8001 * 13, 0)).Build(), true, OldMapStatus::DoesNotFit},
      {"section 20 of 1,300,000 bytes", kx2().Set(20, Bytes(1'300'000, 1)).Build(), false, OldMapStatus::DoesNotFit},
      {"sections 16 and 20 together too large", kx3().Set(16, Bytes(500'000, 1)).Set(20, Bytes(500'000, 2)).Build(),
       true, OldMapStatus::DoesNotFit},
      {"into a 240-row map", kx2().Build(), false, OldMapStatus::DoesNotFit, 200},
      {"KX3 file into the KX2 conversion", kx3().Build(), false, OldMapStatus::NotOldMapFile},
      {"KX2 file into the KX3 conversion", kx2().Build(), true, OldMapStatus::NotOldMapFile},
      {"magic followed by a blank", kx2().Build("BRUND2_SAVE_V100 "), false, OldMapStatus::NotOldMapFile},
      {"current-game file", test::MakeMapGameFile(100, 80, 80), true, OldMapStatus::NotOldMapFile},
      {"empty file", {}, false, OldMapStatus::NotOldMapFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    MapDocument doc = LoadedMap({}, 100, c.Height);
    const Bytes before = BuildMapFile(doc);
    const MapDocument copy = doc;
    const OldMapStatus status = c.Kx3 ? ConvertKx3Map(doc, c.File) : ConvertKx2Map(doc, c.File, true);
    EXPECT_EQ(status, c.Status);
    EXPECT_EQ(BuildMapFile(doc), before);
    EXPECT_TRUE(doc.MapFileBuf == copy.MapFileBuf);
    EXPECT_EQ(doc.SectionOffset, copy.SectionOffset);
    EXPECT_EQ(doc.SectionSize, copy.SectionSize);
  }
}

TEST(OldMapConversionTest, AFileCutShortConvertsWhatItHolds) {
  OldMapBuilder old(OldGeneration::Kx2);
  old.Tile(2, 1, 5, 1111);
  Bytes file = old.Build();
  // The header and the first 100 stored bytes of the first record (section 2).
  file.resize(20 + 9 + 100);
  MapDocument doc = LoadedMap();
  ASSERT_EQ(ConvertKx2Map(doc, file, false), OldMapStatus::Converted);
  EXPECT_EQ(Word(doc, BaseLayerSection, 1, 5), 1111);
  EXPECT_EQ(doc.SectionSize[BaseLayerSection], 16000);
  EXPECT_EQ(SectionOf(doc, 39), Bytes({80, 0}));
}

}  // namespace
}  // namespace qrl::map
