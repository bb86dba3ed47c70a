#include <gtest/gtest.h>

#include "mapeditor/core/mapfile.h"
#include "mapeditor/core/maprenderer.h"
#include "tools/sampledata/samplemap.h"
#include "tools/sampledata/sampletiles.h"

namespace qrl::map {
namespace {

TEST(SampleMapTest, LoadsAsA100By80MapWithRoadsConnectedBothWays) {
  MapDocument doc;
  doc.MarkWantedSections();
  ASSERT_EQ(LoadMapFromGameFile(BuildMapFile(sample::BuildSampleMap()), doc).Status, MapLoadStatus::Loaded);
  EXPECT_EQ(doc.MapWidth, 100);
  EXPECT_EQ(doc.MapHeight, 80);
  EXPECT_EQ(doc.MapStride, SmallMapStride);

  struct Kind {
    int MaskByte, PresenceByte;
    uint8_t PresenceBit;
  };
  const Kind kinds[] = {{HexRecord::SecondaryRoadMask, 0, SecondaryRoadBit},
                        {HexRecord::PavedRoadMask, 0, PavedRoadBit},
                        {HexRecord::RailroadMask, 2, RailroadBit}};
  for (const Kind& kind : kinds) {
    SCOPED_TRACE(kind.MaskByte);
    int connections = 0;
    for (int col = 0; col < doc.MapWidth; ++col) {
      for (int row = 0; row < doc.MapHeight; ++row) {
        const auto rec = doc.MapHexRecordAt(col, row);
        for (int bit = 0; bit < 6; ++bit) {
          const auto dir = HexDir(1 << bit);
          if (!(rec[size_t(kind.MaskByte)] & dir)) continue;
          ++connections;
          const HexPos to = HexNeighbour({col, row}, dir);
          const auto other = doc.MapHexRecordAt(to.Col, to.Row);
          ASSERT_FALSE(other.empty());
          EXPECT_TRUE(rec[size_t(kind.PresenceByte)] & kind.PresenceBit);
          EXPECT_TRUE(other[size_t(kind.PresenceByte)] & kind.PresenceBit);
          EXPECT_TRUE(other[size_t(kind.MaskByte)] & sample::OppositeDir(dir)) << col << "," << row;
        }
      }
    }
    EXPECT_GT(connections, 100);
  }
}

TEST(SampleTilesTest, EveryImageOfEverySampleFileReads) {
  for (int file : sample::SampleShpFileNumbers()) {
    SCOPED_TRACE(file);
    const auto bytes = sample::SampleShpFile(file);
    const int count = file == RoadPieceFile ? sample::RoadKinds * sample::RoadPiecesPerKind : sample::SampleImagesPerFile;
    ShpReader reader;
    TileImages images;
    for (int image = 0; image < count; ++image) {
      TileGfx tile;
      EXPECT_EQ(reader.ReadShp(image, bytes, tile, images), ShpLoaded) << image;
    }
    TileGfx past;
    EXPECT_EQ(reader.ReadShp(count, bytes, past, images), ShpNoSuchImage);
  }
}

}  // namespace
}  // namespace qrl::map
