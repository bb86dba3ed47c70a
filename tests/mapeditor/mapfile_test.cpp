#include <gtest/gtest.h>

#include "gamefile/gamefileslots.h"
#include "gamefile/mapsectionreader.h"
#include "mapeditor/core/mapfile.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl::map {
namespace {

using test::Bytes;
using test::GameFileBuilder;

MapDocument StartedDocument() {
  MapDocument doc;
  doc.MarkWantedSections();
  return doc;
}

std::vector<int32_t> RecordIds(const Bytes& file) {
  GameFileSlots slots;
  ReadSaveFileRecords(file, slots);
  std::vector<int32_t> ids;
  for (int s = 1; s <= slots.RecordCount; ++s) ids.push_back(slots.SlotId[size_t(s)]);
  return ids;
}

// A complete game file: records 1..60 in id order, the map ones with map contents.
Bytes CompleteGameFile(int width, int height) {
  GameFileBuilder b("KXQRL_SAVE_V101");
  Bytes map = test::MakeMapGameFile(width, height, 80);
  GameFileSlots mapSlots;
  ReadSaveFileRecords(map, mapSlots);
  for (int id = 1; id <= 60; ++id) {
    Bytes data;
    for (int s = 1; s <= mapSlots.RecordCount; ++s) {
      if (mapSlots.SlotId[size_t(s)] != id) continue;
      auto begin = mapSlots.GameFileBuf.begin() + mapSlots.SlotOffset[size_t(s)];
      data.assign(begin, begin + mapSlots.SlotSize[size_t(s)]);
    }
    if (data.empty()) data = Bytes(size_t(id * 11), uint8_t(id));
    b.Section(id, data);
  }
  return b.Build();
}

TEST(MapSaveTest, ASaveBeforeAnyLoadIs212Bytes) {
  Bytes file = BuildMapFile(StartedDocument());
  ASSERT_EQ(file.size(), 212u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 15), "KXQRL_SAVE_V100");
  EXPECT_EQ(Bytes(file.begin() + 15, file.begin() + 20), Bytes(5, 0));
  EXPECT_EQ(RecordIds(file), std::vector<int32_t>(MapSectionIds.begin(), MapSectionIds.end()));
  EXPECT_EQ(Bytes(file.begin() + 20, file.begin() + 32), Bytes({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(MapLoadTest, TheSizeOfSection2ChoosesStrideAndMagic) {
  struct Case {
    int Section2Bytes;
    int Stride;
    const char* Magic;
  };
  for (const Case& c : {Case{16000, 80, "KXQRL_SAVE_V100"}, Case{16002, 240, "KXQRL_SAVE_V101"}}) {
    SCOPED_TRACE(c.Section2Bytes);
    GameFileBuilder b;
    for (int32_t id : MapSectionIds) {
      Bytes data = id == 2 ? Bytes(size_t(c.Section2Bytes), 1) : Bytes(4, 0);
      if (id == 38) data = {100, 0};
      if (id == 39) data = {80, 0};
      b.Section(id, data);
    }
    MapDocument doc = StartedDocument();
    ASSERT_EQ(LoadMapFromGameFile(b.Build(), doc).Status, MapLoadStatus::Loaded);
    EXPECT_EQ(doc.MapStride, c.Stride);
    EXPECT_EQ(doc.MapKind, CurrentMapKind);
    EXPECT_EQ(doc.MapWidth, 100);
    EXPECT_EQ(doc.MapHeight, 80);
    Bytes saved = BuildMapFile(doc);
    EXPECT_EQ(std::string(saved.begin(), saved.begin() + 15), c.Magic);
  }
}

TEST(MapLoadTest, ACompleteGameFileRoundTripsAsAMapOnlyFile) {
  Bytes game = CompleteGameFile(30, 20);
  MapDocument doc = StartedDocument();
  ASSERT_EQ(LoadMapFromGameFile(game, doc).Status, MapLoadStatus::Loaded);
  EXPECT_EQ(doc.MapWidth, 30);
  EXPECT_EQ(doc.MapHeight, 20);
  // Sections lie back to back in ascending id order.
  EXPECT_EQ(doc.SectionOffset[2], 0);
  EXPECT_EQ(doc.SectionOffset[3], doc.SectionSize[2]);

  Bytes saved = BuildMapFile(doc);
  EXPECT_EQ(RecordIds(saved), std::vector<int32_t>(MapSectionIds.begin(), MapSectionIds.end()));
  MapDocument again = StartedDocument();
  ASSERT_EQ(LoadMapFromGameFile(saved, again).Status, MapLoadStatus::Loaded);
  for (int32_t id : MapSectionIds) {
    SCOPED_TRACE(id);
    auto a = doc.Section(id);
    auto b = again.Section(id);
    EXPECT_EQ(Bytes(a.begin(), a.end()), Bytes(b.begin(), b.end()));
    EXPECT_GT(a.size(), 0u);
  }
  EXPECT_EQ(BuildMapFile(again), saved);
}

TEST(MapLoadTest, RefusalsKeepTheOldMap) {
  Bytes good = test::MakeMapGameFile(20, 20, 80);
  MapDocument doc = StartedDocument();
  ASSERT_EQ(LoadMapFromGameFile(good, doc).Status, MapLoadStatus::Loaded);
  const Bytes before = BuildMapFile(doc);

  auto without = [](int32_t missing, Bytes replacement = {}, bool keep = false) {
    GameFileBuilder b;
    for (int32_t id : MapSectionIds) {
      Bytes data = test::MakeMapSection(id, 10, 80);
      if (id == 38 || id == 39) data = {10, 0};
      if (id == missing) {
        if (!keep) continue;
        data = replacement;
      }
      b.Section(id, data);
    }
    return b.Build();
  };
  struct Case {
    const char* Name;
    Bytes File;
    MapLoadStatus Status;
    int32_t Id;
  };
  const std::vector<Case> cases = {
      {"wrong magic", GameFileBuilder("BRUND2_SAVE_V100").Build(), MapLoadStatus::NotKxqrl, 0},
      {"no section 2", without(2), MapLoadStatus::MissingSection, 2},
      {"no section 38", without(38), MapLoadStatus::MissingSection, 38},
      {"no section 39", without(39), MapLoadStatus::MissingSection, 39},
      {"section 38 of one byte", without(38, {5}, true), MapLoadStatus::MissingSection, 38},
      {"more than the map buffer", GameFileBuilder().Section(2, Bytes(1'300'000, 0)).Build(), MapLoadStatus::TooLarge, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    MapLoadOutcome outcome = LoadMapFromGameFile(c.File, doc);
    EXPECT_EQ(outcome.Status, c.Status);
    EXPECT_EQ(outcome.SectionId, c.Id);
    EXPECT_EQ(BuildMapFile(doc), before);
    EXPECT_EQ(doc.MapWidth, 20);
  }
}

TEST(MapLoadTest, KeepsTheBufferAndRefusesWhatWasNotAskedFor) {
  MapDocument doc = StartedDocument();
  const uint8_t* storage = doc.MapFileBuf.data();
  ASSERT_EQ(LoadMapFromGameFile(test::MakeMapGameFile(20, 20, 80), doc).Status, MapLoadStatus::Loaded);
  EXPECT_EQ(doc.MapFileBuf.data(), storage);  // views into the buffer stay valid

  MapDocument unprepared;  // SectionWanted never filled: nothing required is read
  MapLoadOutcome outcome = LoadMapFromGameFile(test::MakeMapGameFile(20, 20, 80), unprepared);
  EXPECT_EQ(outcome.Status, MapLoadStatus::MissingSection);
  EXPECT_EQ(outcome.SectionId, 2);
}

// The other program's map-only save leaves out the empty map sections: any
// section but 2, 38 and 39 may be missing and loads as if present and empty.
TEST(MapLoadTest, AMissingSectionLoadsAsAnEmptyOne) {
  auto mapFile = [](int32_t changed, bool present) {
    GameFileBuilder b;
    for (int32_t id : MapSectionIds) {
      Bytes data = test::MakeMapSection(id, 5, 80);
      if (id == 38) data = {5, 0};
      if (id == 39) data = {9, 0};
      if (id == changed) {
        if (!present) continue;
        data.clear();
      }
      b.Section(id, data);
    }
    return b.Build();
  };
  for (int32_t id : MapSectionIds) {
    if (id == 2 || id == 38 || id == 39) continue;
    SCOPED_TRACE(id);
    MapDocument missing = StartedDocument(), empty = StartedDocument();
    ASSERT_EQ(LoadMapFromGameFile(mapFile(id, false), missing).Status, MapLoadStatus::Loaded);
    ASSERT_EQ(LoadMapFromGameFile(mapFile(id, true), empty).Status, MapLoadStatus::Loaded);
    EXPECT_EQ(missing.SectionSize[size_t(id)], 0);
    EXPECT_EQ(missing.SectionOffset, empty.SectionOffset);
    EXPECT_EQ(missing.MapWidth, 5);
    const Bytes saved = BuildMapFile(missing);
    EXPECT_EQ(saved, BuildMapFile(empty));
    EXPECT_EQ(RecordIds(saved), std::vector<int32_t>(MapSectionIds.begin(), MapSectionIds.end()));
  }

  // Only the base layer and the map size: every per-hex access of the others is absent.
  GameFileBuilder bare;
  bare.Section(2, test::MakeMapSection(2, 5, 80)).Section(38, {5, 0}).Section(39, {9, 0});
  MapDocument doc = StartedDocument();
  ASSERT_EQ(LoadMapFromGameFile(bare.Build(), doc).Status, MapLoadStatus::Loaded);
  EXPECT_TRUE(doc.TileWordAt(2, 4, 8).has_value());
  EXPECT_FALSE(doc.TileWordAt(3, 0, 0).has_value());
  EXPECT_TRUE(doc.MapHexRecordAt(0, 0).empty());
  EXPECT_TRUE(doc.TileStackAt(0, 0).empty());
  EXPECT_FALSE(doc.HexByteAt(0, 0).has_value());
}

}  // namespace
}  // namespace qrl::map
