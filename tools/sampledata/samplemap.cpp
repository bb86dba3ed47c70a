#include "tools/sampledata/samplemap.h"

#include <algorithm>
#include <cmath>
#include <bit>
#include <cstring>

#include "gamefile/bytes.h"

namespace qrl::sample {

using namespace qrl::map;

namespace {

constexpr int SampleWidth = 100;
constexpr int SampleHeight = 80;

// Per-hex record size of a section id, 0 for the sections without one.
int RecordSize(int id) {
  if (id >= BaseLayerSection && id <= LastOverlaySection) return TileWordSize;
  if (id == HexRecordSection) return MapHexRecordSize;
  if (id == TileStackSection) return TileStackSize;
  if (id == HexByteSection) return HexByteSize;
  return 0;
}

uint8_t& RecordByte(MapDocument& doc, HexPos hex, int byte) { return doc.MapHexRecordAt(hex.Col, hex.Row)[size_t(byte)]; }

void SetRoadPresent(MapDocument& doc, HexPos hex, RoadKind kind) {
  switch (kind) {
    case RoadKind::Secondary: RecordByte(doc, hex, 0) |= SecondaryRoadBit; break;
    case RoadKind::Paved: RecordByte(doc, hex, 0) |= PavedRoadBit; break;
    case RoadKind::Railroad: RecordByte(doc, hex, 2) |= RailroadBit; break;
  }
}

int MaskByte(RoadKind kind) {
  switch (kind) {
    case RoadKind::Secondary: return HexRecord::SecondaryRoadMask;
    case RoadKind::Paved: return HexRecord::PavedRoadMask;
    case RoadKind::Railroad: return HexRecord::RailroadMask;
  }
  return HexRecord::SecondaryRoadMask;
}

bool OnMap(const MapDocument& doc, HexPos hex) {
  return hex.Col >= 0 && hex.Row >= 0 && hex.Col < doc.MapWidth && hex.Row < doc.MapHeight;
}

// A deterministic smooth field over the map, roughly -1 .. 1.
double Field(int col, int row, double phase) {
  return 0.5 * std::sin(col * 0.13 + phase) * std::cos(row * 0.17 - phase) + 0.5 * std::sin((col + row) * 0.07 + 2 * phase);
}

unsigned Scatter(int col, int row, unsigned salt) {
  unsigned h = unsigned(col) * 73856093u ^ unsigned(row) * 19349663u ^ salt * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return h ^ (h >> 15);
}

int RiverCol(int row) { return 30 + int(std::lround(6 * std::sin(row / 7.0))); }

uint16_t GroundWord(int col, int row) {
  // Now and then one of the larger images, which are own bitmaps.
  const bool large = Scatter(col, row, 2) % 40 == 0;
  const int image = large ? 45 + int(Scatter(col, row, 1) % 5) : int(Scatter(col, row, 1) % 45);
  const int river = std::abs(col - RiverCol(row));
  if (river <= 1) return MakeTileWord(22, image);
  if (river == 2) return MakeTileWord(5, image);
  const double height = Field(col, row, 0.3);
  if (height > 0.55) return MakeTileWord(3, image);
  if (height > 0.3) return MakeTileWord(1, image);
  if (Field(col, row, 1.7) > 0.6) return MakeTileWord(2, image);
  return MakeTileWord(0, image);
}

void PutStack(MapDocument& doc, HexPos hex, int count, int file, int firstImage) {
  auto stack = doc.TileStackAt(hex.Col, hex.Row);
  if (stack.empty()) return;
  stack[TileStackCountByte] = uint8_t(count);
  for (int i = 0; i < count; ++i) PutTileWord(&stack[size_t(TileStackFirstWord + 2 * i)], MakeTileWord(file, firstImage + 3 * i));
}

void Walk(MapDocument& doc, HexPos from, std::initializer_list<HexDir> pattern, int steps, RoadKind kind) {
  HexPos at = from;
  for (int i = 0; i < steps; ++i) {
    const HexDir dir = *(pattern.begin() + i % int(pattern.size()));
    if (!OnMap(doc, HexNeighbour(at, dir))) break;
    at = ConnectRoad(doc, at, dir, kind);
  }
}

}  // namespace

MapDocument MakeBlankMap(int width, int height) {
  MapDocument doc;
  doc.MarkWantedSections();
  const bool small = width * SmallMapStride * TileWordSize <= LargeMapThreshold && height <= SmallMapStride;
  doc.MapStride = small ? SmallMapStride : LargeMapStride;
  doc.MapWidth = width;
  doc.MapHeight = height;
  doc.MapKind = CurrentMapKind;
  int32_t fill = 0;
  for (int32_t id : MapSectionIds) {
    int64_t size = int64_t(RecordSize(id)) * width * doc.MapStride;
    // The loader takes 240 rows per column only from a base layer above the threshold.
    if (id == BaseLayerSection && !small) size = std::max<int64_t>(size, LargeMapThreshold + TileWordSize);
    if (id == MapWidthSection || id == MapHeightSection) size = 2;
    size = std::min<int64_t>(size, MapFileBufSize - fill);
    doc.SectionOffset[size_t(id)] = fill;
    doc.SectionSize[size_t(id)] = int32_t(size);
    auto bytes = doc.Section(id);
    const bool tileLayer = id >= BaseLayerSection && id <= LastOverlaySection;
    std::fill(bytes.begin(), bytes.end(), tileLayer ? 0xFF : 0x00);
    fill += int32_t(size);
  }
  doc.MapFileBufFill = fill;
  WriteLe16(doc.Section(MapWidthSection).data(), uint16_t(width));
  WriteLe16(doc.Section(MapHeightSection).data(), uint16_t(height));
  return doc;
}

HexDir OppositeDir(HexDir dir) {
  const int bit = std::countr_zero(unsigned(dir));
  return HexDir(1 << ((bit + 3) % 6));
}

HexPos ConnectRoad(MapDocument& doc, HexPos from, HexDir dir, RoadKind kind) {
  const HexPos to = HexNeighbour(from, dir);
  if (!OnMap(doc, from) || !OnMap(doc, to)) return to;
  SetRoadPresent(doc, from, kind);
  SetRoadPresent(doc, to, kind);
  RecordByte(doc, from, MaskByte(kind)) |= dir;
  RecordByte(doc, to, MaskByte(kind)) |= OppositeDir(dir);
  return to;
}

MapDocument BuildSampleMap() {
  MapDocument doc = MakeBlankMap(SampleWidth, SampleHeight);
  for (int col = 0; col < SampleWidth; ++col) {
    for (int row = 0; row < SampleHeight; ++row) {
      doc.SetTileWordAt(BaseLayerSection, col, row, GroundWord(col, row));
      auto rec = doc.MapHexRecordAt(col, row);
      const int16_t elevation = int16_t(std::lround(20 * Field(col, row, 0.3)));
      const bool water = std::abs(col - RiverCol(row)) <= 1;
      WriteLe16(&rec[HexRecord::Elevation], uint16_t(water ? -2 : elevation));
      if (water) rec[1] |= 0x08;
      const bool forest = Field(col, row, 2.9) > 0.55 && !water;
      if (forest) {
        doc.SetTileWordAt(3, col, row, MakeTileWord(9, int(Scatter(col, row, 3) % 45)));
        rec[0] |= 0x04;
      }
      if (!water && !forest && Scatter(col, row, 4) % 23 == 0) doc.SetTileWordAt(4, col, row, MakeTileWord(43, int(Scatter(col, row, 5) % 45)));
      if (!water && Scatter(col, row, 6) % 61 == 0) doc.SetTileWordAt(6, col, row, MakeTileWord(27, int(Scatter(col, row, 7) % 45)));
    }
  }
  // Villages: small stacks of buildings around a few centres.
  const HexPos villages[] = {{12, 10}, {45, 22}, {70, 40}, {20, 60}, {85, 70}};
  for (const HexPos v : villages) {
    for (int dc = -2; dc <= 2; ++dc) {
      for (int dr = -2; dr <= 2; ++dr) {
        const HexPos hex{v.Col + dc, v.Row + dr};
        if (!OnMap(doc, hex) || Scatter(hex.Col, hex.Row, 8) % 3 == 0) continue;
        PutStack(doc, hex, 1 + int(Scatter(hex.Col, hex.Row, 9) % 3), (dc + dr) % 2 ? 26 : 27, int(Scatter(hex.Col, hex.Row, 10) % 30));
        RecordByte(doc, hex, 0) |= 0x10;
      }
    }
  }
  for (int i = 0; i < 5; ++i) doc.SetTileWordAt(5, villages[i].Col, villages[i].Row, MakeTileWord(23, i));
  doc.SetTileWordAt(7, 50, 50, MakeTileWord(23, 7));

  // Secondary roads: one across the map, one down a diagonal, one linking villages.
  Walk(doc, {0, 10}, {DirE}, SampleWidth, RoadKind::Secondary);
  Walk(doc, {12, 10}, {DirSE, DirSE, DirSW}, 70, RoadKind::Secondary);
  Walk(doc, {45, 22}, {DirE, DirSE, DirE, DirE, DirSE}, 40, RoadKind::Secondary);
  // A paved road winding from west to east.
  Walk(doc, {0, 40}, {DirE, DirE, DirNE, DirE, DirE, DirSE, DirE, DirSE, DirE, DirNE}, 120, RoadKind::Paved);
  // A railroad running north to south.
  Walk(doc, {60, 0}, {DirSE, DirSW}, SampleHeight - 1, RoadKind::Railroad);
  return doc;
}

}  // namespace qrl::sample
