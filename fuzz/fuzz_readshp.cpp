// Any bytes as a terrain graphics file, read into a tile and drawn.
// Input: two bytes little-endian, whose low 15 bits modulo 250 pick the image
// (so every image a file can hold is reached) and whose top bit forces own
// bitmaps; then the file. The file is read from memory by one reader kept
// from input to input, as the program keeps its one reader; a loaded tile is
// then read again from disk through a tile cache whose entry is still free,
// which must agree, and drawn with DrawTile into a view picture at the first
// and the last view cell.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "mapeditor/core/maprenderer.h"
#include "mapeditor/core/tilecache.h"

namespace {

using namespace qrl::map;

// A temporary folder for the files the tile cache reads, removed at exit.
class ShpFolder {
 public:
  ShpFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrl-fuzz-shp-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    Path = pattern + "/";
  }
  ~ShpFolder() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  std::string Path;
};

// A cache keeps each tile for good, so every input needs an entry that is not
// loaded yet. Caches are kept for a while rather than made per input (a fresh
// one is 25,000 entries): each input takes the first file whose entry for its
// image is free, file 0 first, where image 35 meets the view's double draw.
class CacheSlots {
 public:
  explicit CacheSlots(std::string shpDir) : ShpDir(std::move(shpDir)) {}

  // The cache to read `image` into and the file number to read it as.
  std::pair<TileCache*, int> Take(int image) {
    if (!Cache || ++Uses > CacheLife) Renew();
    for (int file = 0; file < TileCacheFiles; ++file) {
      if (!Cache->Entry(file, image)->IsLoaded()) return {Cache.get(), file};
    }
    Renew();
    return {Cache.get(), 0};
  }

 private:
  static constexpr int CacheLife = 256;  // inputs, bounding the tiles a cache holds
  void Renew() {
    Cache = std::make_unique<TileCache>();
    Cache->ShpDir = ShpDir;
    Uses = 0;
  }
  std::string ShpDir;
  std::unique_ptr<TileCache> Cache;
  int Uses = 0;
};

void WriteOrAbort(const std::string& path, std::span<const uint8_t> bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0 || !written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static ShpReader reader;
  static ShpFolder folder;
  const unsigned selector = unsigned(data[0]) | (unsigned(data[1]) << 8);
  const bool forceOwnBitmap = (selector & 0x8000) != 0;
  const int image = int((selector & 0x7FFF) % unsigned(ShpMaxImages));
  const std::span<const uint8_t> file(data + 2, size - 2);

  reader.ForceOwnBitmap = forceOwnBitmap;
  TileImages images;
  TileGfx tile;
  const int status = reader.ReadShp(image, file, tile, images);
  if ((status == ShpLoaded) != tile.IsLoaded()) __builtin_trap();
  if (status != ShpLoaded) return 0;

  static CacheSlots caches(folder.Path);
  const auto [cache, tileFile] = caches.Take(image);
  WriteOrAbort(folder.Path + ShpFileName(tileFile), file);
  cache->LoadShp.ForceOwnBitmap = forceOwnBitmap;
  static QImage picture(MapImgWidth, MapImgHeight, QImage::Format_RGB32);  // what it shows does not matter
  MapCanvas canvas{picture, *cache, true};
  DrawTile(canvas, 0, 0, image, tileFile);
  DrawTile(canvas, ViewCols - 1, ViewRows - 1, image, tileFile);

  const TileGfx* fromDisk = cache->Entry(tileFile, image);
  if (!fromDisk || !fromDisk->IsLoaded()) __builtin_trap();
  const QImage* diskPicture = cache->Picture(*fromDisk);
  const QImage* memoryPicture = tile.ImageIndex >= 0 ? &images.TileIL.at(size_t(tile.ImageIndex)) : &*tile.Bitmap;
  if (!diskPicture || *diskPicture != *memoryPicture || fromDisk->XOff != tile.XOff || fromDisk->YOff != tile.YOff ||
      fromDisk->OpaqueRect != tile.OpaqueRect) {
    __builtin_trap();
  }
  return 0;
}
