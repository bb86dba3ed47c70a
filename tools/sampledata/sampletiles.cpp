#include "tools/sampledata/sampletiles.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <string>

#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/shpreader.h"

namespace qrl::sample {

namespace {

using map::HexDir;

// The standard hex picture: 53 x 57 pixels from the cell's reference point,
// the shape the view's grid outlines.
constexpr int HexWidth = 53;
constexpr int HexHeight = 57;
constexpr int HexSlantRows = 13;
constexpr QPoint RoadCentre{27, 29};

// Palette shades of each sample file; the style says what the images show.
enum class Style { Ground, Trees, Building, Hedge, Flag, Road };
struct FileLook {
  Style Kind;
  std::array<int16_t, 4> Shades;
};
const std::map<int, FileLook>& Looks() {
  static const std::map<int, FileLook> looks = {
      {0, {Style::Ground, {56, 57, 95, 96}}},      // grass
      {1, {Style::Ground, {97, 98, 59, 60}}},      // hills
      {2, {Style::Ground, {25, 26, 27, 31}}},      // summer rough
      {3, {Style::Ground, {21, 22, 23, 24}}},      // hills rough
      {5, {Style::Ground, {90, 91, 92, 93}}},      // swamp
      {22, {Style::Ground, {117, 118, 119, 123}}}, // water
      {9, {Style::Trees, {53, 54, 55, 166}}},
      {23, {Style::Flag, {15, 14, 15, 12}}},
      {24, {Style::Road, {36, 6, 1, 41}}},
      {26, {Style::Building, {36, 37, 38, 34}}},
      {27, {Style::Building, {6, 7, 8, 5}}},
      {43, {Style::Hedge, {60, 61, 62, 63}}},
  };
  return looks;
}

// 3 x 5 digit glyphs, one row per string, '#' set.
constexpr std::array<std::array<const char*, 5>, 10> Glyphs = {{
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
}};

int Brightness(int16_t index) {
  const uint32_t rgb = map::ShpPalette[size_t(index)];
  return int((rgb >> 16) & 0xFF) + int((rgb >> 8) & 0xFF) + int(rgb & 0xFF);
}

int16_t DigitColour(int16_t background) { return Brightness(background) > 3 * 110 ? 0 : 11; }

bool InHex(int x, int y) {
  if (x < 0 || y < 0 || x >= HexWidth || y >= HexHeight) return false;
  const int fromEdge = std::min(y, HexHeight - 1 - y);
  // One pixel more on the slants, so that neighbouring hexes leave no gaps.
  const int half = fromEdge < HexSlantRows ? std::min(2 * fromEdge + 2, HexWidth / 2) : HexWidth / 2;
  return std::abs(x - HexWidth / 2) <= half;
}

int DigitsWidth(int number, int scale) { return int(std::to_string(number).size()) * 4 * scale - scale; }

void DrawCentredDigits(ShpPicture& p, int number, int cx, int cy, int scale, int16_t colour) {
  DrawDigits(p, number, cx - DigitsWidth(number, scale) / 2, cy - 5 * scale / 2, scale, colour);
}

void FillSquare(ShpPicture& p, int cx, int cy, int size, int16_t colour) {
  for (int dy = -size / 2; dy < size - size / 2; ++dy)
    for (int dx = -size / 2; dx < size - size / 2; ++dx) p.Put(cx + dx, cy + dy, colour);
}

void FillCircle(ShpPicture& p, int cx, int cy, int radius, int16_t colour) {
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx)
      if (dx * dx + dy * dy <= radius * radius) p.Put(cx + dx, cy + dy, colour);
}

void ThickLine(ShpPicture& p, QPoint from, QPoint to, int width, int16_t colour, int tieEvery = 0, int16_t tie = 0) {
  const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
  for (int t = 0; t <= steps; ++t) {
    const int x = from.x() + (to.x() - from.x()) * t / std::max(steps, 1);
    const int y = from.y() + (to.y() - from.y()) * t / std::max(steps, 1);
    if (tieEvery > 0 && t % tieEvery == 0) FillSquare(p, x, y, width + 4, tie);
    FillSquare(p, x, y, width, colour);
  }
}

// The hex scaled to width x height, filled with the file's shades.
ShpPicture GroundPicture(const FileLook& look, int image, int width, int height) {
  ShpPicture p(width, height);
  const int16_t main = look.Shades[size_t(image % 4)];
  const int16_t dots = look.Shades[size_t((image + 1) % 4)];
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (!InHex(x * HexWidth / width, y * HexHeight / height)) continue;
      p.At(x, y) = ((x + 3 * y + image) % 11 == 0) ? dots : main;
    }
  }
  DrawCentredDigits(p, image, width / 2, height / 2, 2, DigitColour(main));
  return p;
}

// A feature drawn over the ground; the image number moves it about the hex
// so that stacked images stay visible.
ShpPicture FeaturePicture(const FileLook& look, int image, int width, int height) {
  ShpPicture p(width, height);
  const int16_t main = look.Shades[size_t(image % 4)];
  const int16_t dark = look.Shades[size_t((image + 2) % 4)];
  const int cx = width / 2 + (image % 3 - 1) * width / 5;
  const int cy = height / 2 + (image / 3 % 3 - 1) * height / 6;
  switch (look.Kind) {
    case Style::Trees:
      FillCircle(p, cx - 7, cy + 3, 7, dark);
      FillCircle(p, cx + 7, cy + 3, 7, dark);
      FillCircle(p, cx, cy - 3, 9, main);
      break;
    case Style::Building:
      for (int y = cy - 7; y < cy + 7; ++y)
        for (int x = cx - 10; x < cx + 10; ++x) p.Put(x, y, y < cy - 4 ? dark : main);
      break;
    case Style::Hedge: {
      static constexpr std::array<QPoint, 6> corners = {
          {{0, 13}, {26, 0}, {52, 13}, {52, 43}, {26, 56}, {0, 43}}};
      const QPoint a = corners[size_t(image % 6)];
      const QPoint b = corners[size_t((image + 1) % 6)];
      ThickLine(p, a * width / HexWidth, b * width / HexWidth, 4, main);
      break;
    }
    case Style::Flag:
      ThickLine(p, {cx - 8, cy + 12}, {cx - 8, cy - 12}, 2, 0);
      for (int y = cy - 12; y < cy; ++y)
        for (int x = cx - 7; x < cx + 10; ++x) p.Put(x, y, main);
      break;
    default: break;
  }
  DrawCentredDigits(p, image, cx, cy, 1, DigitColour(main));
  return p;
}

QPoint RoadEnd(HexDir dir) {
  switch (dir) {
    case map::DirE: return {53, 29};
    case map::DirW: return {1, 29};
    case map::DirSE: return {40, 51};
    case map::DirSW: return {14, 51};
    case map::DirNW: return {14, 7};
    case map::DirNE: return {40, 7};
  }
  return RoadCentre;
}

uint8_t RoadPieceDirs(int offset) {
  for (const auto& piece : map::RoadPairPieces)
    if (piece.Offset == offset) return piece.Dirs;
  for (const auto& piece : map::RoadSinglePieces)
    if (piece.Offset == offset) return piece.Dirs;
  return map::DirSW;  // offset 3, which no mask draws
}

ShpPicture RoadPicture(int image) {
  ShpPicture p(60, 60);
  const int kind = image / RoadPiecesPerKind;
  const uint8_t dirs = RoadPieceDirs(image % RoadPiecesPerKind);
  for (int bit = 0; bit < 6; ++bit) {
    const auto dir = HexDir(1 << bit);
    if (!(dirs & dir)) continue;
    const QPoint end = RoadEnd(dir);
    if (kind == 0) ThickLine(p, RoadCentre, end, 5, 36);
    if (kind == 1) {
      ThickLine(p, RoadCentre, end, 7, 6);
      ThickLine(p, RoadCentre, end, 1, 14);
    }
    if (kind == 2) ThickLine(p, RoadCentre, end, 3, 1, 5, 41);
  }
  return p;
}

bool IsLargeImage(int file, int image) {
  return image >= SampleFirstLargeImage || (file == map::DoubleDrawnTileFile && image == map::DoubleDrawnTileImage);
}

}  // namespace

const std::vector<int>& SampleShpFileNumbers() {
  static const std::vector<int> numbers = [] {
    std::vector<int> n;
    for (const auto& [file, look] : Looks()) n.push_back(file);
    return n;
  }();
  return numbers;
}

void DrawDigits(ShpPicture& picture, int number, int x, int y, int scale, int16_t colour) {
  const std::string text = std::to_string(number);
  for (size_t d = 0; d < text.size(); ++d) {
    const auto& glyph = Glyphs[size_t(text[d] - '0')];
    const int left = x + int(d) * 4 * scale;
    for (int gy = 0; gy < 5; ++gy)
      for (int gx = 0; gx < 3; ++gx)
        if (glyph[size_t(gy)][gx] == '#')
          for (int sy = 0; sy < scale; ++sy)
            for (int sx = 0; sx < scale; ++sx) picture.Put(left + gx * scale + sx, y + gy * scale + sy, colour);
  }
}

std::vector<uint8_t> SampleShpFile(int file) {
  auto found = Looks().find(file);
  const FileLook look = found != Looks().end() ? found->second : FileLook{Style::Ground, {8, 9, 7, 10}};
  std::vector<ShpFileImage> images;
  if (look.Kind == Style::Road) {
    for (int i = 0; i < RoadKinds * RoadPiecesPerKind; ++i) images.push_back(MakeShpImage(RoadPicture(i)));
    return BuildShpFile(images);
  }
  for (int i = 0; i < SampleImagesPerFile; ++i) {
    const bool large = IsLargeImage(file, i);
    const int width = large ? 72 : HexWidth;
    const int height = large ? 66 : HexHeight;
    const ShpPicture picture =
        look.Kind == Style::Ground ? GroundPicture(look, i, width, height) : FeaturePicture(look, i, width, height);
    images.push_back(MakeShpImage(picture, large ? -10 : 0, large ? -5 : 0));
  }
  return BuildShpFile(images);
}

}  // namespace qrl::sample
