#include "mapeditor/core/transferstrip.h"

#include <algorithm>
#include <utility>

#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

namespace {

constexpr int TileWordModulus = 65536;

// ForceOwnBitmap is set only while the strip reads an image, whatever way the
// read ends, so the map drawing's reads keep using the image list.
class OwnBitmapReads {
 public:
  explicit OwnBitmapReads(ShpReader& reader) : Reader(reader) { Reader.ForceOwnBitmap = true; }
  ~OwnBitmapReads() { Reader.ForceOwnBitmap = false; }
  OwnBitmapReads(const OwnBitmapReads&) = delete;
  OwnBitmapReads& operator=(const OwnBitmapReads&) = delete;

 private:
  ShpReader& Reader;
};

// The number of images the strip of `fileNumber` shows, or none when the
// file's count cannot be used.
std::optional<int> StripImageCount(std::span<const uint8_t> file, int fileNumber) {
  if (file.size() < size_t(ShpCountOffset) + 4) return std::nullopt;
  const int32_t count = ReadLe32Signed(file.data() + ShpCountOffset);
  if (count < 0 || count > ShpMaxImages) return std::nullopt;
  return fileNumber == CliffFacesFile ? std::min(count, CliffFacesStripImages) : count;
}

// Copies the tile's pixels that are not transparent to (x, y), clipped.
void DrawStripImage(QImage& strip, const QImage& image, const QRect& opaque, int x, int y) {
  const QRect target = opaque.translated(x, y).intersected(strip.rect());
  for (int row = target.top(); row <= target.bottom(); ++row) {
    const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(row - y));
    auto* to = reinterpret_cast<QRgb*>(strip.scanLine(row));
    for (int col = target.left(); col <= target.right(); ++col) {
      if (from[col - x] != ShpTransparentColour) to[col] = from[col - x];
    }
  }
}

}  // namespace

StripLayout LayOutStrip(std::span<const int32_t> widths) {
  StripLayout layout;
  layout.TransferTileX.reserve(widths.size());
  int32_t x = StripGap;
  for (int32_t width : widths) {
    layout.TransferTileX.push_back(x);
    x += width + StripGap;
  }
  layout.Width = x;
  return layout;
}

std::optional<int> TransferStrip::ImageAt(int x) const {
  if (!HasStrip()) return std::nullopt;
  int n = 0;
  while (n < TransferTileCount && TransferTileX[size_t(n)] < x) ++n;
  --n;
  while (n >= 0 && !Readable[size_t(n)]) --n;
  if (n < 0) return std::nullopt;
  return n;
}

bool TransferStrip::Press(int x) {
  const std::optional<int> picked = ImageAt(x);
  if (!picked) return false;
  if (TransferSelected) DrawMarks(*TransferSelected, StripBackground);
  TransferSelected = picked;
  DrawMarks(*picked, StripMarkColour);
  return true;
}

TransferStrip::MarkLines TransferStrip::MarkLinesOf(int index) const {
  const int32_t x = TransferTileX[size_t(index)];
  return {x - 1, x + TransferTileWidth[size_t(index)] + 1};
}

void TransferStrip::DrawMarks(int index, QRgb colour) {
  const MarkLines lines = MarkLinesOf(index);
  const int length = std::min(Picture.width(), Picture.height());
  for (int x : {lines.Left, lines.Right}) {
    if (x < 0 || x >= Picture.width()) continue;
    for (int y = 0; y < length; ++y) Picture.setPixel(x, y, colour);
  }
}

std::string IconNumberCaption(int image) { return "#" + std::to_string(image) + "   "; }

uint16_t StampTileWord(std::string_view iconNumberCaption, int fileNumber) {
  // The word keeps the low 16 bits of the sum, so the number may be taken
  // modulo 65536 as its digits come.
  int number = 0;
  for (size_t i = 1; i < iconNumberCaption.size(); ++i) {
    const char c = iconNumberCaption[i];
    if (c < '0' || c > '9') break;
    number = (number * 10 + (c - '0')) % TileWordModulus;
  }
  return uint16_t(int64_t(number) + int64_t(ImagesPerShpFile) * fileNumber);
}

StripLoadStatus LoadTransferStrip(TransferStrip& strip, int fileNumber, std::span<const uint8_t> file,
                                  ShpReader& reader, TileImages& images) {
  const std::optional<int> count = StripImageCount(file, fileNumber);
  if (!count) return StripLoadStatus::CannotRead;

  TransferStrip fresh;
  fresh.TransferTileCount = *count;
  fresh.TransferTileWidth.assign(size_t(*count), 0);
  fresh.Readable.assign(size_t(*count), false);
  std::vector<TileGfx> tiles(static_cast<size_t>(*count));
  for (int i = 0; i < *count; ++i) {
    TileGfx& tile = tiles[size_t(i)];
    int status;
    {
      OwnBitmapReads ownBitmap(reader);
      status = reader.ReadShp(i, file, tile, images);
    }
    if (status != ShpLoaded || !tile.Bitmap) continue;
    fresh.Readable[size_t(i)] = true;
    fresh.TransferTileWidth[size_t(i)] = tile.Bitmap->width();
  }

  StripLayout layout = LayOutStrip(fresh.TransferTileWidth);
  fresh.TransferTileX = std::move(layout.TransferTileX);
  fresh.Picture = QImage(layout.Width, StripHeight, QImage::Format_RGB32);
  fresh.Picture.fill(StripBackground);
  for (int i = 0; i < *count; ++i) {
    const TileGfx& tile = tiles[size_t(i)];
    if (fresh.Readable[size_t(i)]) {
      DrawStripImage(fresh.Picture, *tile.Bitmap, tile.OpaqueRect, fresh.TransferTileX[size_t(i)], StripImageY);
    }
  }

  if (strip.TransferSelected && *strip.TransferSelected < *count && fresh.Readable[size_t(*strip.TransferSelected)]) {
    fresh.TransferSelected = strip.TransferSelected;
  }
  strip = std::move(fresh);
  return StripLoadStatus::Loaded;
}

StripLoadStatus LoadTransferStrip(TransferStrip& strip, int fileNumber, const std::string& path, ShpReader& reader,
                                  TileImages& images) {
  const std::optional<std::vector<uint8_t>> file = ReadWholeFile(path);
  if (!file) return StripLoadStatus::CannotOpen;
  return LoadTransferStrip(strip, fileNumber, *file, reader, images);
}

}  // namespace qrl::map
