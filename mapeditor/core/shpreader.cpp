#include "mapeditor/core/shpreader.h"

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

#include "gamefile/bytereader.h"
#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "mapeditor/core/tilecache.h"

namespace qrl::map {

namespace {

constexpr int64_t NoOffset = -1;

// A colour index the file does not hold gives a transparent pixel.
uint16_t ColourOrTransparent(int colourByte) { return colourByte < 0 ? ShpNoColour : uint16_t(colourByte); }

bool IsDecodedPosition(const ShpImageHeader& h) {
  return h.X0 >= ShpDecodeMinX && h.X0 <= ShpDecodeMaxX && h.Y0 >= ShpDecodeMinY && h.Y0 <= ShpDecodeMaxY;
}

// The two byte sources the reader decodes from. Each offers
//   size_t ReadAt(uint64_t at, std::span<uint8_t> out): copies what the file
//     holds of out.size() bytes from `at`, returns how many that were;
//   void Seek(uint64_t at) and int ReadByte(): a cursor, -1 at the end (fgetc);
//   bool Failed(): the file could not be read as far as it goes.

// A file already in memory.
class SpanSource {
 public:
  explicit SpanSource(std::span<const uint8_t> bytes) : Bytes(bytes), Cursor(bytes) {}

  size_t ReadAt(uint64_t at, std::span<uint8_t> out) const {
    if (at >= Bytes.size()) return 0;
    const size_t n = std::min(out.size(), Bytes.size() - size_t(at));
    std::copy_n(Bytes.begin() + ptrdiff_t(at), n, out.begin());
    return n;
  }
  void Seek(uint64_t at) { Cursor.Seek(at); }
  int ReadByte() { return Cursor.ReadByte(); }
  bool Failed() const { return false; }

 private:
  std::span<const uint8_t> Bytes;
  ByteReader Cursor;
};

// An open file, read piece by piece through a window of its bytes: a file of
// 250 images is read image by image, so reading only what one image needs
// keeps a first redraw from reading the whole file for every tile. Each piece
// is one pread; the file is closed when the source goes, on every outcome.
class FileSource {
 public:
  // Only a regular file opens: a pipe or a folder is a file that does not.
  explicit FileSource(const std::string& path) : Fd(OpenRegularFileForReading(path)) {}
  ~FileSource() {
    if (Fd >= 0) ::close(Fd);
  }
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  bool IsOpen() const { return Fd >= 0; }

  size_t ReadAt(uint64_t at, std::span<uint8_t> out) {
    size_t done = 0;
    while (done < out.size()) {
      const uint64_t pos = at + done;
      if (!Holds(pos) && !LoadWindow(pos)) break;
      const size_t from = size_t(pos - WindowStart);
      const size_t n = std::min(out.size() - done, WindowFill - from);
      std::copy_n(Window.begin() + ptrdiff_t(from), n, out.begin() + ptrdiff_t(done));
      done += n;
    }
    return done;
  }
  void Seek(uint64_t at) { Cursor = at; }
  int ReadByte() {
    if (!Holds(Cursor) && !LoadWindow(Cursor)) return -1;
    return Window[size_t(Cursor++ - WindowStart)];
  }
  bool Failed() const { return ReadError; }

 private:
  static constexpr size_t WindowSize = 16384;

  bool Holds(uint64_t pos) const { return pos >= WindowStart && pos - WindowStart < WindowFill; }

  // Moves the window to start at `pos`; false when the file holds no byte there.
  bool LoadWindow(uint64_t pos) {
    if (pos >= KnownEnd || ReadError || pos > uint64_t(std::numeric_limits<off_t>::max()) - WindowSize) return false;
    WindowStart = pos;
    WindowFill = 0;
    while (WindowFill < Window.size()) {
      const ssize_t n = ::pread(Fd, Window.data() + WindowFill, Window.size() - WindowFill, off_t(pos + WindowFill));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ReadError = true;
      if (n <= 0) {
        // Past the last byte every further read ends at once, without asking the file again.
        KnownEnd = pos + WindowFill;
        break;
      }
      WindowFill += size_t(n);
    }
    return WindowFill > 0;
  }

  int Fd;
  std::array<uint8_t, WindowSize> Window;
  uint64_t WindowStart = 0;  // the window holds bytes [WindowStart, WindowStart + WindowFill) of the file
  size_t WindowFill = 0;
  uint64_t KnownEnd = std::numeric_limits<uint64_t>::max();  // no byte at or past it, once a read found the end
  uint64_t Cursor = 0;
  bool ReadError = false;
};

}  // namespace

ShpReader::ShpReader() : ShpPixels(size_t(ShpPixelsWidth) * ShpPixelsHeight, ShpNoColour) {}

int ShpReader::ReadShp(int image, const std::string& path, TileGfx& tile, TileImages& images) {
  FileSource in(path);
  if (!in.IsOpen()) return ShpCannotOpen;
  return ReadFrom(in, image, tile, images);
}

int ShpReader::ReadShp(int image, std::span<const uint8_t> file, TileGfx& tile, TileImages& images) {
  SpanSource in(file);
  return ReadFrom(in, image, tile, images);
}

template <typename Source>
int ShpReader::ReadFrom(Source& in, int image, TileGfx& tile, TileImages& images) {
  const int status = DecodeImage(in, image);
  // A file that fails part-way cannot be read, whatever it gave so far.
  if (in.Failed()) return ShpCannotOpen;
  if (status == ShpLoaded) StoreTile(tile, images);
  return status;
}

void ShpReader::ResetTables() {
  ShpOffsets.fill(NoOffset);
  ShpImageCount = 0;
  ShpCurHeader = {};
  ShpCursorX = 0;
}

template <typename Source>
void ShpReader::ReadOffsets(Source& in) {
  std::array<uint8_t, size_t(ShpMaxImages) * ShpOffsetTableStep> table;
  const size_t wanted = size_t(ShpImageCount) * ShpOffsetTableStep;
  const size_t got = in.ReadAt(ShpOffsetTableStart, std::span(table).first(wanted));
  for (int i = 0; i < ShpImageCount; ++i) {
    const size_t at = size_t(ShpOffsetTableStep) * size_t(i);
    if (at + 4 <= got) ShpOffsets[size_t(i)] = ReadLe32Signed(table.data() + at);
  }
}

template <typename Source>
bool ShpReader::ReadHeader(Source& in, int64_t offset) {
  std::array<uint8_t, ShpImageHeaderSize> h;
  if (offset < 0 || in.ReadAt(uint64_t(offset), h) != h.size()) return false;
  ShpCurHeader.FirstWord = ReadLe16(h.data());
  ShpCurHeader.X0 = ReadLe32Signed(h.data() + 8);
  ShpCurHeader.Y0 = ReadLe32Signed(h.data() + 12);
  ShpCurHeader.X1 = ReadLe32Signed(h.data() + 16);
  ShpCurHeader.Y1 = ReadLe32Signed(h.data() + 20);
  return true;
}

bool ShpReader::PutPixels(int row, int count, uint16_t value) {
  // A row running past the table cannot be held: the image is refused.
  if (count > ShpPixelsWidth - ShpCursorX) return false;
  for (int i = 0; i < count; ++i) Pixel(ShpCursorX + i, row) = value;
  ShpCursorX += count;
  return true;
}

// False when a row runs past the table.
template <typename Source>
bool ShpReader::DecodePixels(Source& in, int height) {
  int row = 0;
  ShpCursorX = 0;
  // The test follows each control byte, so decoding ends with the end-of-row
  // code of the last row, and an image of no rows still reads one. At the end
  // of the file every control byte read ends a row, a count read is 0 and a
  // colour index read is a transparent pixel, so the image keeps what was
  // decoded.
  do {
    const int control = in.ReadByte();
    if (control <= ShpEndOfRow) {
      ++row;
      ShpCursorX = 0;
    } else if (control == ShpTransparentRun) {
      if (!PutPixels(row, std::max(in.ReadByte(), 0), ShpNoColour)) return false;
    } else if (control % 2 == 0) {
      if (!PutPixels(row, control / 2, ColourOrTransparent(in.ReadByte()))) return false;
    } else {
      for (int i = 0; i < control / 2; ++i)
        if (!PutPixels(row, 1, ColourOrTransparent(in.ReadByte()))) return false;
    }
  } while (row < height);
  return true;
}

// Fills the tables with image `image`; ShpLoaded when they hold it.
template <typename Source>
int ShpReader::DecodeImage(Source& in, int image) {
  ResetTables();
  std::array<uint8_t, 4> countBytes;
  if (in.ReadAt(ShpCountOffset, countBytes) != countBytes.size()) return ShpTooManyImages;
  const int32_t count = ReadLe32Signed(countBytes.data());
  if (count > ShpMaxImages) return ShpTooManyImages;
  ShpImageCount = std::max(count, 0);
  ReadOffsets(in);
  if (image < 0 || image >= count) return ShpNoSuchImage;

  const int64_t offset = ShpOffsets[size_t(image)];
  if (offset == NoOffset || !ReadHeader(in, offset)) return ShpEmptyImage;
  if (ShpCurHeader.FirstWord == 0) return ShpEmptyImage;
  const int64_t imageWidth = int64_t(ShpCurHeader.X1) - ShpCurHeader.X0 + 1;
  const int64_t imageHeight = int64_t(ShpCurHeader.Y1) - ShpCurHeader.Y0 + 1;
  // An image of at most 60 x 60 (a width or height below 1 included) is
  // filled up to a standard tile; any other needs a bitmap of its own size,
  // which must exist and fit the table.
  StandardTile = imageWidth <= StandardTileSize && imageHeight <= StandardTileSize && !ForceOwnBitmap;
  if (!StandardTile &&
      (imageWidth < 1 || imageHeight < 1 || imageWidth > ShpPixelsWidth || imageHeight > ShpPixelsHeight)) {
    return ShpEmptyImage;
  }
  TileWidth = StandardTile ? StandardTileSize : int(imageWidth);
  TileHeight = StandardTile ? StandardTileSize : int(imageHeight);

  std::fill(ShpPixels.begin(), ShpPixels.end(), ShpNoColour);
  if (IsDecodedPosition(ShpCurHeader)) {
    in.Seek(uint64_t(offset) + ShpImageHeaderSize);
    if (!DecodePixels(in, int(std::max<int64_t>(imageHeight, 0)))) return ShpEmptyImage;
  }
  return ShpLoaded;
}

void ShpReader::StoreTile(TileGfx& tile, TileImages& images) const {
  tile.XOff = ShpCurHeader.X0;
  tile.YOff = ShpCurHeader.Y0;
  const bool standard = StandardTile;
  const int width = TileWidth;
  const int height = TileHeight;

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
}

}  // namespace qrl::map
