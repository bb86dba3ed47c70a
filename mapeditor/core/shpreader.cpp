#include "mapeditor/core/shpreader.h"

#include <algorithm>

#include "gamefile/bytereader.h"
#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/tilecache.h"

namespace qrl::map {

namespace {

constexpr int64_t NoOffset = -1;

bool IsDecodedPosition(const ShpImageHeader& h) {
  return h.X0 >= ShpDecodeMinX && h.X0 <= ShpDecodeMaxX && h.Y0 >= ShpDecodeMinY && h.Y0 <= ShpDecodeMaxY;
}

// A byte of the pixel code that the file does not hold: a colour index then
// gives a transparent pixel, a count gives 0.
uint16_t ColourOrTransparent(int byte) { return byte < 0 ? ShpNoColour : uint16_t(byte); }

}  // namespace

ShpReader::ShpReader() : ShpPixels(size_t(ShpPixelsWidth) * ShpPixelsHeight, ShpNoColour) {}

int ShpReader::ReadShp(int image, const std::string& path, TileGfx& tile, TileImages& images) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return ShpCannotOpen;
  return ReadShp(image, *bytes, tile, images);
}

void ShpReader::ResetTables() {
  ShpOffsets.fill(NoOffset);
  ShpImageCount = 0;
  ShpCurHeader = {};
  ShpCursorX = 0;
}

void ShpReader::ReadOffsets(std::span<const uint8_t> file) {
  for (int i = 0; i < ShpImageCount; ++i) {
    const size_t at = size_t(ShpOffsetTableStart) + size_t(ShpOffsetTableStep) * size_t(i);
    if (at + 4 <= file.size()) ShpOffsets[size_t(i)] = ReadLe32Signed(file.data() + at);
  }
}

bool ShpReader::ReadHeader(std::span<const uint8_t> file, int32_t offset) {
  if (offset < 0 || uint64_t(offset) + ShpImageHeaderSize > file.size()) return false;
  const uint8_t* h = file.data() + offset;
  ShpCurHeader.FirstWord = ReadLe16(h);
  ShpCurHeader.X0 = ReadLe32Signed(h + 8);
  ShpCurHeader.Y0 = ReadLe32Signed(h + 12);
  ShpCurHeader.X1 = ReadLe32Signed(h + 16);
  ShpCurHeader.Y1 = ReadLe32Signed(h + 20);
  return true;
}

void ShpReader::PutPixel(int row, uint16_t value) {
  // A row that runs past the table loses the rest of its pixels.
  if (ShpCursorX >= ShpPixelsWidth) return;
  Pixel(ShpCursorX, row) = value;
  ++ShpCursorX;
}

void ShpReader::DecodePixels(std::span<const uint8_t> file, int64_t codeStart, int height) {
  ByteReader in(file);
  in.Seek(uint64_t(codeStart));
  int row = 0;
  ShpCursorX = 0;
  // The test follows each control byte, so decoding ends with the end-of-row
  // code of the last row; at the end of the file every read control byte ends
  // a row, so the loop ends there too.
  do {
    const int control = in.ReadByte();
    if (control <= ShpEndOfRow) {
      ++row;
      ShpCursorX = 0;
    } else if (control == ShpTransparentRun) {
      const int count = std::max(in.ReadByte(), 0);
      for (int i = 0; i < count; ++i) PutPixel(row, ShpNoColour);
    } else if (control % 2 == 0) {
      const uint16_t colour = ColourOrTransparent(in.ReadByte());
      for (int i = 0; i < control / 2; ++i) PutPixel(row, colour);
    } else {
      for (int i = 0; i < control / 2; ++i) PutPixel(row, ColourOrTransparent(in.ReadByte()));
    }
  } while (row < height);
}

int ShpReader::ReadShp(int image, std::span<const uint8_t> file, TileGfx& tile, TileImages& images) {
  ResetTables();
  if (file.size() < size_t(ShpCountOffset) + 4) return ShpTooManyImages;
  const int32_t count = ReadLe32Signed(file.data() + ShpCountOffset);
  if (count > ShpMaxImages) return ShpTooManyImages;
  ShpImageCount = std::max(count, 0);
  ReadOffsets(file);
  if (image < 0 || image >= count) return ShpNoSuchImage;

  const int64_t offset = ShpOffsets[size_t(image)];
  if (offset == NoOffset || !ReadHeader(file, int32_t(offset))) return ShpEmptyImage;
  if (ShpCurHeader.FirstWord == 0) return ShpEmptyImage;
  const int64_t imageWidth = int64_t(ShpCurHeader.X1) - ShpCurHeader.X0 + 1;
  const int64_t imageHeight = int64_t(ShpCurHeader.Y1) - ShpCurHeader.Y0 + 1;
  if (imageWidth < 1 || imageHeight < 1 || imageWidth > ShpPixelsWidth || imageHeight > ShpPixelsHeight) {
    return ShpEmptyImage;
  }

  std::fill(ShpPixels.begin(), ShpPixels.end(), ShpNoColour);
  if (IsDecodedPosition(ShpCurHeader)) DecodePixels(file, offset + ShpImageHeaderSize, int(imageHeight));

  tile.XOff = ShpCurHeader.X0;
  tile.YOff = ShpCurHeader.Y0;
  const bool standard = imageWidth <= StandardTileSize && imageHeight <= StandardTileSize && !ForceOwnBitmap;
  const int width = standard ? StandardTileSize : int(imageWidth);
  const int height = standard ? StandardTileSize : int(imageHeight);

  QImage picture(width, height, QImage::Format_RGB32);
  QRect opaque;
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
    int first = width;
    int last = -1;
    for (int x = 0; x < width; ++x) {
      const uint16_t v = Pixel(x, y);
      line[x] = v == ShpNoColour ? ShpTransparentColour : ShpColour(v);
      if (v == ShpNoColour) continue;
      first = std::min(first, x);
      last = x;
    }
    if (last >= 0) opaque |= QRect(QPoint(first, y), QPoint(last, y));
  }
  tile.OpaqueRect = opaque;

  if (standard) {
    tile.ImageIndex = int(images.TileIL.size());
    images.TileIL.push_back(std::move(picture));
  } else {
    tile.Bitmap = std::move(picture);
    tile.ImageIndex = -1;
    images.BigBitmapPixels += int64_t(width) * height;
    images.BigBitmapCount += 1;
  }
  return ShpLoaded;
}

}  // namespace qrl::map
