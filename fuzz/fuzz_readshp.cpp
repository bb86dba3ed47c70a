// Any bytes as a terrain graphics file. The first byte picks the image (so
// every image of a small file is reached) and whether own bitmaps are forced.
#include <cstddef>
#include <cstdint>
#include <span>

#include "mapeditor/core/tilecache.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static qrl::map::ShpReader reader;  // reused, as the program reuses its one reader
  reader.ForceOwnBitmap = (data[0] & 0x80) != 0;
  const int image = data[0] & 0x7F;
  qrl::map::TileImages images;
  qrl::map::TileGfx tile;
  const int status = reader.ReadShp(image, std::span<const uint8_t>(data + 1, size - 1), tile, images);
  if (status == qrl::map::ShpLoaded && !tile.IsLoaded()) __builtin_trap();
  if (status != qrl::map::ShpLoaded && tile.IsLoaded()) __builtin_trap();
  return 0;
}
