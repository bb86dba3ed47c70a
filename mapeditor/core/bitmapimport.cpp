#include "mapeditor/core/bitmapimport.h"

#include "gamefile/bytes.h"
#include "mapeditor/core/hexelevation.h"

namespace qrl::map {

namespace {

constexpr int8_t N = -1;

// Grey levels (rounded-down mean of the components) and what they become.
struct GreyStep {
  int MinGrey;
  int Elevation;
};
constexpr GreyStep GreySteps[] = {{220, 30}, {180, 20}, {140, 10}, {100, 0}};

// Fields of MapHexRecord the import writes.
constexpr int TerrainByte0 = 0;
constexpr int TerrainByte1 = 1;
constexpr int CoverByte = 6;
constexpr int SlopeFootByte = 7;
constexpr int CoverCodeByte = 8;
constexpr uint8_t TreesBit = 4;   // byte 0
constexpr uint8_t SwampBit = 4;   // byte 1
constexpr uint8_t RoughBit = 16;  // byte 1
constexpr uint8_t SwampOrRoughCover = 2;
constexpr uint8_t TreesCover = 8;
constexpr uint8_t SlopeFoot = 2;
constexpr uint8_t TreesCode = 30;
constexpr uint8_t RoughCode = 20;

// Section 29's codes.
constexpr uint8_t WaterHexCode = 40;
constexpr uint8_t SwampHexCode = 10;
constexpr int LandCodeBase = 1;
constexpr int RoughCodeBase = 5;
constexpr int CodedLevelLimit = 100;  // byte 4 values from here on keep their code

// Tiles: first image of a run of five varied by position, or drawn at random.
constexpr int TileVariants = 5;
const uint16_t WaterTileBase = MakeTileWord(22, 31);
const uint16_t SwampTileBase = MakeTileWord(5, 31);
const uint16_t TreeTileBase = MakeTileWord(9, 0);
constexpr int TreeTileCount = 18;
const uint16_t RoughTileBase = MakeTileWord(3, 31);
constexpr int RoughTileCount = 4;
constexpr int TreeSection = 6;

constexpr int HalfLevel = 5;
constexpr int PercentRolls = 100;
constexpr int CertainComponent = 155;  // a component above this has (c - 155) % chance

int RandomPercent(RandomSource& random) { return random.RandomBelow(PercentRolls) + 1; }

void MarkWater(MapDocument& doc, int col, int row) {
  doc.SetHexByteAt(col, row, WaterHexCode);
  doc.SetTileWordAt(BaseLayerSection, col, row, uint16_t(WaterTileBase + (col + row) % TileVariants));
}

void MarkSwamp(MapDocument& doc, int col, int row, std::span<uint8_t> record) {
  doc.SetHexByteAt(col, row, SwampHexCode);
  doc.SetTileWordAt(BaseLayerSection, col, row, uint16_t(SwampTileBase + (col + row) % TileVariants));
  if (record.empty()) return;
  record[TerrainByte1] |= SwampBit;
  record[CoverByte] = SwampOrRoughCover;
}

void ElevationPass(MapDocument& doc, const QImage& picture, const ImportGeometry& geometry) {
  int previous = 0;
  for (int row = 0; row < doc.MapHeight; ++row) {
    for (int col = 0; col < doc.MapWidth; ++col) {
      const int value = AltValue(SamplePixel(picture, SamplePoint(geometry, col, row)), previous);
      previous = value;
      const auto record = doc.MapHexRecordAt(col, row);
      if (!record.empty()) WriteLe16(&record[HexRecord::Elevation], uint16_t(int16_t(value)));
      if (value == WaterElevation) MarkWater(doc, col, row);
      if (value == SwampElevation) MarkSwamp(doc, col, row, record);
    }
  }
}

// The hexes whose six neighbours all lie on the map.
template <class Visit>
void ForInnerHexes(const MapDocument& doc, Visit visit) {
  for (int row = 1; row < doc.MapHeight - 1; ++row)
    for (int col = 1; col < doc.MapWidth - 1; ++col) visit(col, row);
}

void HillsidePass(MapDocument& doc) {
  ForInnerHexes(doc, [&](int col, int row) {
    const uint8_t mask = HexSlopeMask(doc, col, row);
    if (mask == 0) return;
    const auto stack = doc.TileStackAt(col, row);
    if (stack.empty()) return;
    int count = 0;
    for (int8_t image : HillsideTable[mask]) {
      if (image < 0) break;
      PutTileWord(&stack[size_t(TileStackFirstWord + TileWordSize * count)], MakeTileWord(HillsideFile, image));
      ++count;
    }
    stack[TileStackCountByte] = uint8_t(count);
  });
}

void HalfLevelPass(MapDocument& doc) {
  ForInnerHexes(doc, [&](int col, int row) {
    const std::optional<int> e = HexElevation(doc, col, row);
    const auto record = doc.MapHexRecordAt(col, row);
    if (!e || record.empty()) return;
    const int lvl = ElevationLevel(*e) * 10;
    const int mlvl = ElevationLevel(MaxNeighbourElevation(doc, col, row)) * 10;
    if (*e >= 0 && mlvl > lvl) {
      // Only the low byte: for the elevations 0..30 this import writes, the
      // high byte is already 0.
      record[HexRecord::Elevation] = uint8_t(lvl + HalfLevel);
      record[SlopeFootByte] = SlopeFoot;
    }
    const int b = record[HexRecord::Elevation];
    if (b < CodedLevelLimit) doc.SetHexByteAt(col, row, uint8_t(b / 10 + LandCodeBase));
  });
}

bool IsGrey(Rgb c) { return c.Red == c.Green && c.Green == c.Blue; }

void ScatterOnHex(MapDocument& doc, int col, int row, Rgb colour, RandomSource& random) {
  const auto record = doc.MapHexRecordAt(col, row);
  if (RandomPercent(random) <= colour.Green - CertainComponent) {
    if (!record.empty()) {
      record[TerrainByte0] |= TreesBit;
      record[CoverByte] = TreesCover;
      record[CoverCodeByte] = TreesCode;
    }
    doc.SetTileWordAt(TreeSection, col, row, uint16_t(TreeTileBase + random.RandomBelow(TreeTileCount)));
  }
  if (RandomPercent(random) <= colour.Red - CertainComponent) {
    if (!record.empty()) {
      doc.SetHexByteAt(col, row, uint8_t(record[HexRecord::Elevation] / 10 + RoughCodeBase));
      record[TerrainByte1] |= RoughBit;
      record[CoverByte] = SwampOrRoughCover;
      record[CoverCodeByte] = RoughCode;
    }
    doc.SetTileWordAt(BaseLayerSection, col, row, uint16_t(RoughTileBase + random.RandomBelow(RoughTileCount)));
  }
}

}  // namespace

const std::array<std::array<int8_t, MaxHillsideImages>, 64> HillsideTable = {{
    {N, N, N},  {4, N, N},  {5, N, N},  {11, N, N}, {0, N, N},  {4, N, N},  {6, N, N},  {17, N, N},
    {1, N, N},  {4, 1, N},  {5, 1, N},  {11, 1, N}, {7, N, N},  {7, 4, N},  {2, 12, N}, {23, N, N},
    {2, N, N},  {4, 2, N},  {5, 2, N},  {11, 2, N}, {0, 2, N},  {4, 2, N},  {6, 2, N},  {17, 2, N},
    {8, N, N},  {8, 4, N},  {8, 5, N},  {11, 8, N}, {13, N, N}, {13, 4, N}, {18, N, N}, {24, N, N},
    {3, N, N},  {10, N, N}, {3, 5, N},  {16, N, N}, {3, 0, N},  {10, 0, N}, {6, 3, N},  {22, N, N},
    {3, 1, N},  {10, 1, N}, {5, 3, 1},  {16, 1, N}, {7, 3, N},  {10, 7, N}, {12, 3, N}, {29, N, N},
    {9, N, N},  {15, N, N}, {9, 5, N},  {21, N, N}, {9, 0, N},  {15, 0, N}, {9, 6, N},  {28, N, N},
    {14, N, N}, {20, N, N}, {14, 5, N}, {27, N, N}, {19, N, N}, {26, N, N}, {25, N, N}, {30, N, N},
}};

PixelPos SamplePoint(const ImportGeometry& geometry, int col, int row) {
  return {geometry.XScale * col + geometry.OriginX + geometry.XScale / 2,
          geometry.YScale * row + geometry.OriginY + geometry.YScale / 2};
}

Rgb SamplePixel(const QImage& picture, PixelPos at) {
  // QImage::pixel reads garbage (and warns) outside the picture.
  if (!picture.valid(at.X, at.Y)) return {};
  const QRgb pixel = picture.pixel(at.X, at.Y);
  return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

int AltValue(Rgb colour, int previous) {
  const int grey = (colour.Red + colour.Green + colour.Blue) / 3;
  for (const GreyStep& step : GreySteps)
    if (grey >= step.MinGrey) return step.Elevation;
  if (colour.Blue > 0) return WaterElevation;
  if (colour.Green > 0) return SwampElevation;
  return previous;
}

ImportRefusal CheckImportReady(const MapDocument& doc, const QImage& picture) {
  if (doc.MapKind == NoMapKind) return ImportRefusal::NoMap;
  if (picture.isNull()) return ImportRefusal::NoBitmap;
  return ImportRefusal::None;
}

void AltConvert(MapDocument& doc, const QImage& picture, const ImportGeometry& geometry) {
  ElevationPass(doc, picture, geometry);
  HillsidePass(doc);
  HalfLevelPass(doc);
}

void TerConvert(MapDocument& doc, const QImage& picture, const ImportGeometry& geometry, RandomSource& random) {
  for (int row = 0; row < doc.MapHeight; ++row) {
    for (int col = 0; col < doc.MapWidth; ++col) {
      const Rgb colour = SamplePixel(picture, SamplePoint(geometry, col, row));
      if (!IsGrey(colour)) ScatterOnHex(doc, col, row, colour, random);
    }
  }
}

}  // namespace qrl::map
