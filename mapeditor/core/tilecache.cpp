#include "mapeditor/core/tilecache.h"

#include <cstdio>

#include "gamefile/fileio.h"

namespace qrl::map {

std::string ImgNumLblText(const TileImages& images) { return std::to_string(images.BigBitmapCount); }

std::string SizeLblText(const TileImages& images) { return std::to_string(images.BigBitmapPixels / 1024); }

std::string ShpFileName(int file) {
  char name[32];
  std::snprintf(name, sizeof name, "Ter%02dz4.shp", file);
  return name;
}

TileCache::TileCache() : Entries(size_t(TileCacheFiles) * TileCacheImages) {}

const TileGfx* TileCache::Entry(int file, int image) const {
  if (!InCache(file, image)) return nullptr;
  return &Entries[size_t(file) * TileCacheImages + size_t(image)];
}

const TileGfx* TileCache::Fetch(int file, int image) {
  if (!InCache(file, image)) return nullptr;
  TileGfx& tile = Entries[size_t(file) * TileCacheImages + size_t(image)];
  if (!tile.IsLoaded() && LoadShp.ReadShp(image, ShpPath(file), tile, Images) != ShpLoaded) return nullptr;
  return &tile;
}

const QImage* TileCache::Picture(const TileGfx& tile) const {
  if (tile.ImageIndex >= 0) {
    return size_t(tile.ImageIndex) < Images.TileIL.size() ? &Images.TileIL[size_t(tile.ImageIndex)] : nullptr;
  }
  return tile.Bitmap ? &*tile.Bitmap : nullptr;
}

std::string TileCache::ShpPath(int file) const { return FindFileCaseBlind(ShpDir, ShpFileName(file)); }

}  // namespace qrl::map
