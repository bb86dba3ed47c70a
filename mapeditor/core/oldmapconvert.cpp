#include "mapeditor/core/oldmapconvert.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "gamefile/magic.h"
#include "gamefile/mapsectionreader.h"

namespace qrl::map {

const std::array<uint8_t, RoadTileMaskSize> RoadTileMask = {
    9,  36, 45, 54, 40, 10, 5,  17, 34, 20, 25, 52, 37, 11, 21, 42, 18, 27, 34,
    20, 41, 13, 25, 11, 43, 29, 63, 19, 44, 26, 13, 50, 41, 38, 23, 53, 58, 46,
};

namespace {

// Sections an older file contributes; every other loaded section stays.
constexpr int32_t OldSectionIds[] = {2, 3, 4, 5, 6, 7, HexRecordSection, 16, 20, TileStackSection, HexByteSection,
                                     MapWidthSection, MapHeightSection};

// Sections whose older bytes replace the loaded ones whole, at the older size.
bool ReplacesWhole(int32_t id) {
  return id == 16 || id == 20 || id == HexByteSection || id == MapWidthSection || id == MapHeightSection;
}

// Sections 38 and 39 hold a 16-bit value; a shorter older one counts as absent.
constexpr size_t MapSizeValueBytes = 2;

// Terrain graphics files the conversions know.
constexpr int RoadPieceFile = 24;
constexpr int OldBuildingFile = 29;  // KX2 buildings, wood or stone by the hex's terrain bits
constexpr int WoodBuildingFile = 26;
constexpr int StoneBuildingFile = 27;
constexpr int KxzktWoodBuildingFile = 60;
constexpr int KxzktStoneBuildingFile = 61;
constexpr int UnfilledBorderBaseFile = 28;  // a KX3 map whose base tile (0, 0) is of this file has unfinished borders
constexpr int MovedToLayer6Files[] = {9, 30, 31};

// Road pieces of file 24 in KX2 maps.
constexpr int SecondaryRoadFirstImage = 0;
constexpr int PavedRoadFirstImage = 52;

// Terrain bits of byte 0.
constexpr uint8_t StoneBldgBit = 0x10;
constexpr uint8_t WoodBldgBit = 0x20;
// MapHexRecord bytes the bitmap import writes and the KX3 clean-up clears.
constexpr int TerrainCodeByte = 6;
constexpr int TreesRoughByte = 8;

// Where the bytes of a KX2 hex record go in the current record; the others keep the loaded values.
struct ByteMove {
  int Old;
  int New;
};
constexpr ByteMove Kx2HexRecordMoves[] = {{0, 4}, {1, 5}, {7, 0}, {8, 1}, {2, 6}, {4, 8}};

// The special road pieces of file 24 that KX2 conversion keeps, under new image numbers.
struct PieceReplacement {
  int FirstOld;
  int LastOld;
  int New;
};
constexpr PieceReplacement RoadPieceReplacements[] = {
    {38, 38, 63}, {39, 39, 64}, {40, 43, 65}, {90, 90, 69}, {91, 91, 70}, {92, 95, 71},
};

std::optional<int> RoadPieceReplacement(int image) {
  for (const PieceReplacement& r : RoadPieceReplacements)
    if (image >= r.FirstOld && image <= r.LastOld) return r.New;
  return std::nullopt;
}

// Layers in the order the renumbering examines them.
constexpr int RenumberedLayers[] = {7, 6, 5, 4, 3};
constexpr int SecondaryRoadLayer = 4;
constexpr int PavedRoadLayer = 5;
constexpr int ReplacementLayer = 5;
constexpr int MovedFromLayer = 4;
constexpr int MovedToLayer = 6;

// The border columns the fill copies from and into, whatever the loaded width.
constexpr int LeftBorderCol = 0;
constexpr int LeftInnerCol = 1;
constexpr int RightInnerCol = 98;
constexpr int RightBorderCol = 99;

enum class Generation { Kx2, Kx3 };

int32_t OldHexRecordSize(Generation gen) { return gen == Generation::Kx2 ? Kx2HexRecordSize : Kx3HexRecordSize; }

// The decoded older sections, by id; absent ones are nullopt.
using OldSections = std::array<std::optional<std::vector<uint8_t>>, SectionTableSize>;

// Decoding starts in a buffer of this size and grows it while a section
// does not fit, up to MapFileBuf's size: most older sections are small.
constexpr size_t FirstDecodeBytes = size_t(64) << 10;
constexpr size_t DecodeGrowth = 4;

// Decodes every older section the conversion uses. False when one does not
// fit into MapFileBuf, which no rebuilt map could hold.
bool DecodeOldSections(std::span<const uint8_t> file, OldSections& sections) {
  std::vector<uint8_t> scratch(FirstDecodeBytes);
  for (int32_t id : OldSectionIds) {
    int32_t fill = 0;
    SectionScanResult scan = ReadOldSaveSection(file, id, scratch, fill);
    while (scan.Overflow) {
      if (scratch.size() >= size_t(MapFileBufSize)) return false;
      scratch.resize(std::min(scratch.size() * DecodeGrowth, size_t(MapFileBufSize)));
      scan = ReadOldSaveSection(file, id, scratch, fill);
    }
    if (scan.Found) sections[size_t(id)].emplace(scratch.begin(), scratch.begin() + fill);
  }
  for (int32_t id : {MapWidthSection, MapHeightSection})
    if (sections[size_t(id)] && sections[size_t(id)]->size() < MapSizeValueBytes) sections[size_t(id)].reset();
  return true;
}

// A per-hex section fits when the loaded map lays 80 rows per column, as the
// older maps do, and the loaded section holds at least as many whole records.
bool PerHexSectionsFit(const MapDocument& doc, const OldSections& old, Generation gen) {
  struct PerHex {
    int32_t Id;
    int32_t OldRecordSize;
    int32_t RecordSize;
  };
  std::vector<PerHex> perHex = {{HexRecordSection, OldHexRecordSize(gen), MapHexRecordSize},
                                {TileStackSection, OldTileStackSize, TileStackSize}};
  for (int32_t id = BaseLayerSection; id <= LastOverlaySection; ++id) perHex.push_back({id, 1, 1});
  for (const PerHex& p : perHex) {
    const auto& bytes = old[size_t(p.Id)];
    if (!bytes) continue;
    if (doc.MapStride != OldMapStride) return false;
    const int64_t oldRecords = int64_t(bytes->size()) / p.OldRecordSize;
    const int64_t loadedRecords = int64_t(doc.Section(p.Id).size()) / p.RecordSize;
    if (oldRecords > loadedRecords) return false;
  }
  return true;
}

// The bytes of a section after the conversion: the older ones where they
// replace the loaded section whole, else the loaded ones.
std::span<const uint8_t> ConvertedSectionBytes(const MapDocument& doc, const OldSections& old, int32_t id) {
  if (ReplacesWhole(id) && old[size_t(id)]) return *old[size_t(id)];
  return doc.Section(id);
}

int64_t RebuiltSize(const MapDocument& doc, const OldSections& old) {
  int64_t total = 0;
  for (int32_t id = BaseLayerSection; id <= MaxMapSectionId; ++id)
    if (doc.SectionWanted[size_t(id)]) total += int64_t(ConvertedSectionBytes(doc, old, id).size());
  return total;
}

// Lays the document out as the loader lays one: the wanted sections in
// ascending id order, back to back, the whole-replacing older sections in
// place of the loaded ones. Size, stride and kind stay. The caller has
// checked that the result fits into MapFileBuf.
void LayOutAnew(MapDocument& doc, const OldSections& old) {
  std::array<int32_t, SectionTableSize> offset{};
  std::array<int32_t, SectionTableSize> size{};
  // The sections up to the first one that moves or changes are already in
  // place; only the bytes from there on are gathered and written back.
  int32_t fill = 0;
  int32_t inPlace = -1;  // the fill up to which nothing moves, once known
  std::vector<uint8_t> moved;
  for (int32_t id = BaseLayerSection; id <= MaxMapSectionId; ++id) {
    // The loader records the ids it does not ask for as empty, where it stands.
    const auto bytes = doc.SectionWanted[size_t(id)] ? ConvertedSectionBytes(doc, old, id) : std::span<const uint8_t>();
    if (inPlace < 0 && !bytes.empty() && bytes.data() != doc.MapFileBuf.data() + fill) inPlace = fill;
    if (inPlace >= 0) moved.insert(moved.end(), bytes.begin(), bytes.end());
    offset[size_t(id)] = fill;
    size[size_t(id)] = int32_t(bytes.size());
    fill += int32_t(bytes.size());
  }
  if (inPlace >= 0) std::copy(moved.begin(), moved.end(), doc.MapFileBuf.begin() + inPlace);
  // Past the sections the buffer holds zeros, as after a load.
  if (doc.MapFileBufFill > fill)
    std::fill(doc.MapFileBuf.begin() + fill, doc.MapFileBuf.begin() + std::min(doc.MapFileBufFill, MapFileBufSize), 0);
  doc.SectionOffset = offset;
  doc.SectionSize = size;
  doc.MapFileBufFill = fill;
}

// Older tile layers go over the start of the loaded ones; the rest stays.
void CopyTileLayers(MapDocument& doc, const OldSections& old) {
  for (int32_t id = BaseLayerSection; id <= LastOverlaySection; ++id) {
    if (!old[size_t(id)]) continue;
    const auto& bytes = *old[size_t(id)];
    std::copy(bytes.begin(), bytes.end(), doc.Section(id).begin());
  }
}

// Older record k lies at column k / 80, row k % 80, as current record k does in an 80-row map.
HexPos OldRecordHex(size_t k) { return {int(k / OldMapStride), int(k % OldMapStride)}; }

void RelayKx2HexRecords(MapDocument& doc, std::span<const uint8_t> old) {
  for (size_t k = 0; k < old.size() / Kx2HexRecordSize; ++k) {
    const HexPos hex = OldRecordHex(k);
    auto rec = doc.MapHexRecordAt(hex.Col, hex.Row);
    if (rec.empty()) continue;
    const uint8_t* from = old.data() + k * Kx2HexRecordSize;
    for (const ByteMove& move : Kx2HexRecordMoves) rec[size_t(move.New)] = from[move.Old];
  }
}

void RelayKx3HexRecords(MapDocument& doc, std::span<const uint8_t> old) {
  for (size_t k = 0; k < old.size() / Kx3HexRecordSize; ++k) {
    const HexPos hex = OldRecordHex(k);
    auto rec = doc.MapHexRecordAt(hex.Col, hex.Row);
    if (rec.empty()) continue;
    const uint8_t* from = old.data() + k * Kx3HexRecordSize;
    std::copy(from, from + Kx3HexRecordSize, rec.begin());
  }
}

// The count goes to byte 0, the six TileWords to bytes 2..13; byte 1 stays.
void RelayTileStacks(MapDocument& doc, std::span<const uint8_t> old) {
  for (size_t k = 0; k < old.size() / OldTileStackSize; ++k) {
    const HexPos hex = OldRecordHex(k);
    auto stack = doc.TileStackAt(hex.Col, hex.Row);
    if (stack.empty()) continue;
    const uint8_t* from = old.data() + k * OldTileStackSize;
    stack[TileStackCountByte] = from[0];
    std::copy(from + 1, from + OldTileStackSize, stack.begin() + TileStackFirstWord);
  }
}

// Columns some per-hex section holds: no pass needs to look further, however
// wide the map claims to be.
int HeldColumns(const MapDocument& doc) {
  int64_t columns = 0;
  const auto consider = [&](int id, int recordSize) {
    const int64_t perColumn = int64_t(recordSize) * doc.MapStride;
    if (perColumn > 0) columns = std::max(columns, (int64_t(doc.Section(id).size()) + perColumn - 1) / perColumn);
  };
  for (int id = BaseLayerSection; id <= LastOverlaySection; ++id) consider(id, TileWordSize);
  consider(HexRecordSection, MapHexRecordSize);
  consider(TileStackSection, TileStackSize);
  return int(columns);
}

// Runs f(col, row) for every hex of the map (columns < MapWidth, rows <
// MapHeight) that the per-hex sections can hold.
template <class F>
void ForEachMapHex(const MapDocument& doc, F f) {
  const int cols = std::min(doc.MapWidth, HeldColumns(doc));
  const int rows = std::min(doc.MapHeight, doc.MapStride);
  for (int col = 0; col < cols; ++col)
    for (int row = 0; row < rows; ++row) f(col, row);
}

// KX2 maps show roads only as road-piece tiles; the current game wants the
// road bits and connection masks of the hex records.
void RoadsFromRoadTiles(MapDocument& doc) {
  ForEachMapHex(doc, [&](int col, int row) {
    auto rec = doc.MapHexRecordAt(col, row);
    if (rec.empty()) return;
    if (auto w = doc.TileWordAt(SecondaryRoadLayer, col, row); w && TileWordFile(*w) == RoadPieceFile) {
      const int i = TileWordImage(*w) - SecondaryRoadFirstImage;
      if (i >= 0 && i < RoadTileMaskSize) {
        rec[HexRecord::TerrainBits] |= SecondaryRoadBit;
        rec[HexRecord::SecondaryRoadMask] |= RoadTileMask[size_t(i)];
      }
    }
    if (auto w = doc.TileWordAt(PavedRoadLayer, col, row); w && TileWordFile(*w) == RoadPieceFile) {
      const int i = TileWordImage(*w) - PavedRoadFirstImage;
      if (i >= 0 && i < RoadTileMaskSize) {
        rec[HexRecord::TerrainBits] |= PavedRoadBit;
        rec[HexRecord::PavedRoadMask] |= RoadTileMask[size_t(i)];
      }
    }
  });
}

// KX2 maps keep the tiles of files 9, 30 and 31 in layer 4, current maps in layer 6.
void MoveLayer4Tiles(MapDocument& doc) {
  ForEachMapHex(doc, [&](int col, int row) {
    const auto w = doc.TileWordAt(MovedFromLayer, col, row);
    if (!w) return;
    const int file = TileWordFile(*w);
    if (std::find(std::begin(MovedToLayer6Files), std::end(MovedToLayer6Files), file) == std::end(MovedToLayer6Files))
      return;
    // Emptied only once the tile has its new place, so that none is lost.
    if (doc.SetTileWordAt(MovedToLayer, col, row, *w)) doc.SetTileWordAt(MovedFromLayer, col, row, EmptyTileWord);
  });
}

void RenumberHexTiles(MapDocument& doc, int col, int row, bool useKxzktBuildings) {
  for (int layer : RenumberedLayers) {
    const auto w = doc.TileWordAt(layer, col, row);
    if (!w) continue;
    const int file = TileWordFile(*w);
    const int image = TileWordImage(*w);
    if (file == RoadPieceFile) {
      // Road pieces become road bits; only the special pieces survive, in layer 5.
      const std::optional<int> r = RoadPieceReplacement(image);
      if (!r) {
        doc.SetTileWordAt(layer, col, row, EmptyTileWord);
      } else if (doc.SetTileWordAt(ReplacementLayer, col, row, MakeTileWord(RoadPieceFile, *r)) &&
                 layer == MovedFromLayer) {
        doc.SetTileWordAt(layer, col, row, EmptyTileWord);
      }
    } else if (file == OldBuildingFile) {
      const auto rec = std::as_const(doc).MapHexRecordAt(col, row);
      const bool stone = !rec.empty() && (rec[HexRecord::TerrainBits] & StoneBldgBit) != 0;
      doc.SetTileWordAt(layer, col, row, MakeTileWord(stone ? StoneBuildingFile : WoodBuildingFile, image));
    } else if (useKxzktBuildings && (file == WoodBuildingFile || file == StoneBuildingFile)) {
      const int kxzkt = file == WoodBuildingFile ? KxzktWoodBuildingFile : KxzktStoneBuildingFile;
      doc.SetTileWordAt(layer, col, row, MakeTileWord(kxzkt, image));
    }
  }
}

void RenumberTiles(MapDocument& doc, bool useKxzktBuildings) {
  ForEachMapHex(doc, [&](int col, int row) { RenumberHexTiles(doc, col, row, useKxzktBuildings); });
}

// The map height the older file brought (section 39), bounded by the rows
// the per-hex sections store.
int BorderFillHeight(const MapDocument& doc) {
  const auto heightSection = doc.Section(MapHeightSection);
  const int h = heightSection.size() < MapSizeValueBytes ? 0 : heightSection[0] + 256 * heightSection[1];
  return std::min(h, doc.MapStride);
}

// Each border hex takes the terrain of its inner neighbour: the top and
// bottom rows first, then the left and right columns over the older height.
void FillBorders(MapDocument& doc) {
  const int h = BorderFillHeight(doc);
  for (int col = LeftInnerCol; col <= RightInnerCol; ++col) CopyHexTerrain(doc, {col, 0}, {col, 1});
  for (int col = LeftInnerCol; col <= RightInnerCol; ++col) CopyHexTerrain(doc, {col, h - 1}, {col, h - 2});
  for (int row = 0; row < h; ++row) CopyHexTerrain(doc, {LeftBorderCol, row}, {LeftInnerCol, row});
  for (int row = 0; row < h; ++row) CopyHexTerrain(doc, {RightBorderCol, row}, {RightInnerCol, row});
}

bool HasUnfilledBorders(const MapDocument& doc) {
  const auto w = doc.TileWordAt(BaseLayerSection, 0, 0);
  return w && TileWordFile(*w) == UnfilledBorderBaseFile;
}

// Road hexes of KX3 maps lose their building marks: the building bits, the
// terrain codes and the layer-5 tile.
void CleanUpRoadHexes(MapDocument& doc) {
  ForEachMapHex(doc, [&](int col, int row) {
    auto rec = doc.MapHexRecordAt(col, row);
    if (rec.empty()) return;
    const bool road = rec[HexRecord::SecondaryRoadMask] != 0 || rec[HexRecord::PavedRoadMask] != 0;
    const uint8_t buildings = StoneBldgBit | WoodBldgBit;
    if (!road || (rec[HexRecord::TerrainBits] & buildings) == 0) return;
    rec[HexRecord::TerrainBits] &= uint8_t(~buildings);
    rec[TerrainCodeByte] = 0;
    rec[TreesRoughByte] = 0;
    doc.SetTileWordAt(ReplacementLayer, col, row, EmptyTileWord);
  });
}

// The steps both generations share: the magic test, the decoding and the
// fit tests, all before anything changes; then the new layout and the tile
// layers. Anything but Converted leaves the document untouched.
OldMapStatus PourOldSections(MapDocument& doc, std::span<const uint8_t> file, Generation gen, OldSections& old) {
  const std::string_view magic = gen == Generation::Kx2 ? MagicBrund2 : MagicBrund3;
  if (!FirstLineIs(file, magic, OldMagicLineBuffer)) return OldMapStatus::NotOldMapFile;
  if (!DecodeOldSections(file, old)) return OldMapStatus::DoesNotFit;
  if (!PerHexSectionsFit(doc, old, gen)) return OldMapStatus::DoesNotFit;
  if (RebuiltSize(doc, old) > MapFileBufSize) return OldMapStatus::DoesNotFit;
  LayOutAnew(doc, old);
  CopyTileLayers(doc, old);
  return OldMapStatus::Converted;
}

}  // namespace

void CopyHexTerrain(MapDocument& doc, HexPos destination, HexPos source) {
  if (const auto w = doc.TileWordAt(BaseLayerSection, source.Col, source.Row))
    doc.SetTileWordAt(BaseLayerSection, destination.Col, destination.Row, *w);
  const auto from = doc.MapHexRecordAt(source.Col, source.Row);
  const auto to = doc.MapHexRecordAt(destination.Col, destination.Row);
  if (!from.empty() && !to.empty()) std::copy(from.begin(), from.end(), to.begin());
}

OldMapStatus ConvertKx2Map(MapDocument& doc, std::span<const uint8_t> file, bool useKxzktBuildings) {
  OldSections old;
  if (const OldMapStatus status = PourOldSections(doc, file, Generation::Kx2, old); status != OldMapStatus::Converted)
    return status;
  if (old[HexRecordSection]) RelayKx2HexRecords(doc, *old[HexRecordSection]);
  RoadsFromRoadTiles(doc);
  if (old[TileStackSection]) RelayTileStacks(doc, *old[TileStackSection]);
  MoveLayer4Tiles(doc);
  RenumberTiles(doc, useKxzktBuildings);
  FillBorders(doc);
  return OldMapStatus::Converted;
}

OldMapStatus ConvertKx3Map(MapDocument& doc, std::span<const uint8_t> file) {
  OldSections old;
  if (const OldMapStatus status = PourOldSections(doc, file, Generation::Kx3, old); status != OldMapStatus::Converted)
    return status;
  if (old[HexRecordSection]) RelayKx3HexRecords(doc, *old[HexRecordSection]);
  if (old[TileStackSection]) RelayTileStacks(doc, *old[TileStackSection]);
  if (HasUnfilledBorders(doc)) FillBorders(doc);
  CleanUpRoadHexes(doc);
  return OldMapStatus::Converted;
}

}  // namespace qrl::map
