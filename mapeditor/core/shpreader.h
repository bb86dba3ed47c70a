#pragma once
// The reader of the game's terrain graphics files ("Ter%02dz4.shp"): an image
// count, an offset table, and per image a 24-byte header followed by a
// run-length pixel code of colour indices into ShpPalette.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include <QtGui/QRgb>

namespace qrl::map {

struct TileGfx;
struct TileImages;

// ReadShp's outcomes. Every status but ShpLoaded leaves the tile untouched.
inline constexpr int ShpLoaded = 0;
inline constexpr int ShpCannotOpen = 1;
inline constexpr int ShpTooManyImages = 2;   // also: the image count cannot be read
inline constexpr int ShpNoSuchImage = 100;   // image number not below the count
// Empty, or its offset or header unusable, or an own-bitmap size below 1 or
// larger than the table, or a row running past ShpPixelsWidth.
inline constexpr int ShpEmptyImage = 102;

inline constexpr int ShpMaxImages = 250;
inline constexpr int ShpCountOffset = 4;
inline constexpr int ShpOffsetTableStart = 8;
inline constexpr int ShpOffsetTableStep = 8;
inline constexpr int ShpImageHeaderSize = 24;

// Largest image the decoding table holds, and the size of a standard tile.
inline constexpr int ShpPixelsWidth = 215;
inline constexpr int ShpPixelsHeight = 200;
inline constexpr int StandardTileSize = 60;

// Header positions outside these bounds are not decoded: the tile comes out
// wholly transparent, with its size from the header.
inline constexpr int32_t ShpDecodeMinX = -100;
inline constexpr int32_t ShpDecodeMaxX = 641;
inline constexpr int32_t ShpDecodeMinY = -100;
inline constexpr int32_t ShpDecodeMaxY = 481;

// A ShpPixels value no colour index can have: the pixel is transparent.
inline constexpr uint16_t ShpNoColour = 1000;

// Pixel code control bytes.
inline constexpr uint8_t ShpEndOfRow = 0;
inline constexpr uint8_t ShpTransparentRun = 1;

// The game's colours, 0xRRGGBB by colour index.
inline constexpr std::array<uint32_t, 256> ShpPalette = {
    0x000000, 0x171717, 0x2B2B2B, 0x434343, 0x5B5B5B, 0x737373, 0x8B8B8B, 0x9F9F9F, 0xB7B7B7, 0xCFCFCF, 0xE7E7E7, 0xFFFFFF, 0x4B4B97, 0x2BCF33, 0xFFFF57, 0xE30000,
    0xE3CB93, 0xE7BF93, 0xDBC387, 0xD3B77F, 0xDBAF83, 0xCFAB77, 0xD3A373, 0xD39F6F, 0xC39B6B, 0xB39F67, 0xBBAB73, 0xC3B783, 0xB78B5F, 0xBF8757, 0xC38B5B, 0xAB9357,
    0x9F874B, 0x977B3F, 0x9F6747, 0xAB6F43, 0xA7633B, 0x8F5737, 0x875733, 0x836733, 0xEFEBBB, 0x734F27, 0x6F5327, 0x5B4323, 0x5B4323, 0x5B431F, 0x4B371B, 0x473317,
    0x3F2717, 0x2F1F0F, 0x231B0F, 0x27231B, 0x170F07, 0x001F00, 0x073F00, 0x0B5700, 0x076F00, 0x078700, 0x07A300, 0x576B17, 0x63670F, 0x6B6700, 0x7B7700, 0x8B8B00,
    0x8F8F00, 0x9F9F00, 0xB7AF00, 0xCFC700, 0xB7774F, 0xAF7B53, 0x737F17, 0x637723, 0x4B5B1B, 0x475300, 0x434300, 0x5B5700, 0x370B00, 0xE7E3DB, 0xC7C3BF, 0xA7A39F,
    0x87837F, 0x63635F, 0x43433F, 0x23231F, 0xFFFFFF, 0xE3DFE7, 0xC7BFCF, 0xAB9BB3, 0x8F7B9B, 0x735783, 0x0F3B0B, 0x1B470B, 0x234F0B, 0x2B5B07, 0x336707, 0x3B7307,
    0x477F07, 0x4F8707, 0x579307, 0x5F9F07, 0x97A3C7, 0x8B9BBB, 0x838FAB, 0x77839F, 0x6B778F, 0x636B83, 0x576373, 0x4B5763, 0x434B57, 0x373F47, 0x2B333B, 0x232B2B,
    0x637723, 0x6F7383, 0x8383A7, 0x636B83, 0x6F7383, 0x3357AF, 0x077BD3, 0x2B4F97, 0x2F579F, 0x2F579F, 0x2F579F, 0x2F5BA7, 0x2F5FAF, 0x3367BB, 0x2F5FAF, 0x2F5BA7,
    0x978763, 0x977F63, 0x8F7F5B, 0x8B7753, 0x8F7357, 0x876F4F, 0x8B6B4B, 0x8B674B, 0x7F6747, 0x776743, 0x7B6F4B, 0x7F7757, 0x775B3F, 0x7F5B3B, 0x7F5B3B, 0x6F633B,
    0x675B33, 0x63532B, 0x67432F, 0x6F4B2F, 0x6F4327, 0x5F3B27, 0x5B3B23, 0x574323, 0x6B5743, 0x4B331B, 0x4B371B, 0x3B2F17, 0x3B2F17, 0x3B2F17, 0x332713, 0x2F230F,
    0x2B1B0F, 0x1F170B, 0x17130B, 0x1B1713, 0x0F0B07, 0x001700, 0x072B00, 0x073B00, 0x074B00, 0x075B00, 0x076B00, 0x3B470F, 0x43430B, 0x474300, 0x534F00, 0x5B5B00,
    0x5F5F00, 0x676700, 0x777300, 0x878300, 0x774F33, 0x735337, 0x4B530F, 0x434F17, 0x333B13, 0x2F3700, 0x2F2F00, 0x3B3B00, 0x270700, 0x837F7B, 0x6F6F6B, 0x5F5F5B,
    0x4B4B47, 0x3B3B37, 0x272727, 0x171717, 0x979397, 0x877F8B, 0x776F7B, 0x6B5F6F, 0x5B4B63, 0x4B3B53, 0x0B2707, 0x132F07, 0x173307, 0x1B3B07, 0x234307, 0x274B07,
    0x2F5307, 0x335B07, 0x3B6300, 0x3F6700, 0x636B83, 0x5B637B, 0x535F6F, 0x4F5767, 0x474F5F, 0x3F4753, 0x373F4B, 0x333743, 0x2B3337, 0x232B2F, 0x1F2327, 0x171B1F,
    0x434F17, 0x4B4B57, 0x57576F, 0x434757, 0x4B4B57, 0x172F83, 0x23479B, 0x000B5F, 0x071767, 0x07176F, 0x0F2377, 0x172F83, 0x1B3B8F, 0x23479B, 0x1B3B8F, 0x172F83,
    0xEFAB23, 0xFFDB27, 0xE79B23, 0xDF8323, 0x4F473F, 0x000000, 0x232323, 0x5B5753, 0x373333, 0x5B5753, 0xAFA79F, 0x67635F, 0x5B574B, 0x6B675B, 0x7F7F7F, 0xAFA79F,
};

// The colour of every transparent tile pixel, and so the mask colour of every tile.
inline constexpr QRgb ShpTransparentColour = 0xFFFFE1E1;  // red 255, green 225, blue 225

inline QRgb ShpColour(int index) { return 0xFF000000u | ShpPalette[size_t(index & 0xFF)]; }

struct ShpImageHeader {
  uint16_t FirstWord = 0;  // 0 marks an empty image
  int32_t X0 = 0;
  int32_t Y0 = 0;
  int32_t X1 = 0;  // inclusive
  int32_t Y1 = 0;  // inclusive
};

// One reader with its working tables, reused by every call; nothing of a file
// survives from one call to the next. The tables are bounded: own-bitmap
// images larger than the table, and rows whose code runs past its last
// column, are refused as ShpEmptyImage.
class ShpReader {
 public:
  ShpReader();

  // While set, every tile becomes an own bitmap of the image's own size (the
  // tile transfer strip sets it around its reads).
  bool ForceOwnBitmap = false;

  // Reads image `image` of the file at `path` into `tile`, which must not be
  // loaded yet. Standard tiles (60 x 60 after filling up) are appended to
  // images.TileIL; other tiles get their own bitmap and are counted in images.
  // Each call opens the file, reads only the pieces of it (16 KB each) that
  // hold the count, the offset table and the image's header and code, and
  // closes it again. A file that fails while it is read gives ShpCannotOpen.
  int ReadShp(int image, const std::string& path, TileGfx& tile, TileImages& images);
  // The same over the bytes of a file already in memory.
  int ReadShp(int image, std::span<const uint8_t> file, TileGfx& tile, TileImages& images);

 private:
  // Source: the bytes of a file by position (see shpreader.cpp).
  template <typename Source>
  int ReadFrom(Source& in, int image, TileGfx& tile, TileImages& images);
  template <typename Source>
  int DecodeImage(Source& in, int image);
  template <typename Source>
  void ReadOffsets(Source& in);
  template <typename Source>
  bool ReadHeader(Source& in, int64_t offset);
  template <typename Source>
  bool DecodePixels(Source& in, int height);
  void ResetTables();
  bool PutPixels(int row, int count, uint16_t value);
  void StoreTile(TileGfx& tile, TileImages& images) const;
  uint16_t& Pixel(int x, int row) { return ShpPixels[size_t(x) * ShpPixelsHeight + size_t(row)]; }
  uint16_t Pixel(int x, int row) const { return ShpPixels[size_t(x) * ShpPixelsHeight + size_t(row)]; }

  std::array<int64_t, ShpMaxImages> ShpOffsets{};  // -1: the offset is not in the file
  int32_t ShpImageCount = 0;
  ShpImageHeader ShpCurHeader;
  std::vector<uint16_t> ShpPixels;  // [x][row] of the current image, ShpNoColour = transparent
  int ShpCursorX = 0;
  // The tile the current image becomes: a standard tile, or an own bitmap of
  // the image's size.
  bool StandardTile = true;
  int TileWidth = StandardTileSize;
  int TileHeight = StandardTileSize;
};

}  // namespace qrl::map
