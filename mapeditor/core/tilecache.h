#pragma once
// Loaded terrain tiles: the cache by (terrain graphics file, image) that the
// map drawing fills on first use and keeps for the rest of the run, the image
// list of standard tiles and the counters of tiles held as own bitmaps.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <QtGui/QImage>

#include "mapeditor/core/shpreader.h"

namespace qrl::map {

// One loaded tile. Its top-left pixel lies at (XOff, YOff) from the hex cell's
// reference point. Drawn from TileImages::TileIL[ImageIndex] when ImageIndex
// >= 0, else from Bitmap; both are RGB32 pictures whose ShpTransparentColour
// pixels are transparent.
struct TileGfx {
  int XOff = 0;
  int YOff = 0;
  int ImageIndex = -1;           // -1: not in the image list
  std::optional<QImage> Bitmap;  // the tile's own bitmap, when it has one
  // The part of the tile's picture that holds every pixel not transparent
  // (empty for a wholly transparent tile): drawing copies only that part.
  QRect OpaqueRect;

  bool IsLoaded() const { return ImageIndex >= 0 || Bitmap.has_value(); }
};

// What ReadShp adds to: the image list of standard 60 x 60 tiles and the
// counters of own bitmaps (made by any caller, the tile transfer strip
// included). Everything here only grows.
struct TileImages {
  std::vector<QImage> TileIL;
  int BigBitmapCount = 0;       // shown in ImgNumLbl
  int64_t BigBitmapPixels = 0;  // sum of width x height; SizeLbl shows it / 1024
};

// The captions of ImgNumLbl and SizeLbl.
std::string ImgNumLblText(const TileImages& images);
std::string SizeLblText(const TileImages& images);

inline constexpr int TileCacheFiles = 100;  // terrain graphics files 0..99
inline constexpr int TileCacheImages = ShpMaxImages;

// "Ter%02dz4.shp" for the file number.
std::string ShpFileName(int file);

// The tile cache. Entries go from not loaded to loaded once and stay so; an
// entry whose read failed stays not loaded, so the next draw tries again.
class TileCache {
 public:
  TileCache();

  // Folder of the terrain graphics files, ending in "/". Changing it keeps
  // every tile already loaded; only tiles loaded later come from the new folder.
  std::string ShpDir;

  TileImages Images;
  ShpReader LoadShp;  // the reader, also for callers that fill entries of their own

  // The entry of (file, image), loading it from ShpDir on first use; nullptr
  // when (file, image) lies outside the cache or the tile cannot be read.
  const TileGfx* Fetch(int file, int image);

  // The entry without loading; nullptr outside the cache.
  const TileGfx* Entry(int file, int image) const;

  // The picture a loaded tile is drawn from; nullptr when it has none.
  const QImage* Picture(const TileGfx& tile) const;

  // ShpDir + the file's name, found case-blind.
  std::string ShpPath(int file) const;

 private:
  static bool InCache(int file, int image) {
    return file >= 0 && file < TileCacheFiles && image >= 0 && image < TileCacheImages;
  }
  std::vector<TileGfx> Entries;  // [file * TileCacheImages + image]
};

}  // namespace qrl::map
