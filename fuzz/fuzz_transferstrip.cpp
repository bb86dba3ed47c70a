// Any bytes as the terrain graphics file of the tile transfer strip, loaded
// as file 5 and as file 47 (which shows at most 30 images), with presses on
// the strip before and after each load. The strip must always match its
// layout and the pick must always name a readable image of it.
#include <cstddef>
#include <cstdint>
#include <span>

#include "mapeditor/core/transferstrip.h"

namespace {

using namespace qrl::map;

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

void CheckStrip(const TransferStrip& strip) {
  if (!strip.HasStrip()) return;
  Check(strip.TransferTileCount >= 0 && strip.TransferTileCount <= ShpMaxImages);
  Check(strip.TransferTileX.size() == size_t(strip.TransferTileCount));
  Check(strip.TransferTileWidth.size() == size_t(strip.TransferTileCount));
  Check(strip.Readable.size() == size_t(strip.TransferTileCount));
  const StripLayout layout = LayOutStrip(strip.TransferTileWidth);
  Check(layout.TransferTileX == strip.TransferTileX);
  Check(strip.Picture.width() == layout.Width && strip.Picture.height() == StripHeight);
  if (strip.TransferSelected) {
    const int n = *strip.TransferSelected;
    Check(n >= 0 && n < strip.TransferTileCount && strip.Readable[size_t(n)]);
  }
}

void Presses(TransferStrip& strip, int extra) {
  for (int x : {0, StripGap, StripGap + 1, extra, strip.Picture.width() - 1, 1 << 30}) {
    const bool picked = strip.Press(x);
    Check(picked == strip.ImageAt(x).has_value());
    CheckStrip(strip);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ShpReader reader;
  const std::span<const uint8_t> file(data, size);
  const int extra = size > 0 ? int(data[size - 1]) * 8 : 50;
  TransferStrip strip;
  Presses(strip, extra);
  for (int fileNumber : {5, CliffFacesFile}) {
    TileImages images;
    const StripLoadStatus status = LoadTransferStrip(strip, fileNumber, file, reader, images);
    Check(!reader.ForceOwnBitmap);
    if (status == StripLoadStatus::Loaded) {
      Check(strip.HasStrip());
      if (fileNumber == CliffFacesFile) Check(strip.TransferTileCount <= CliffFacesStripImages);
      Check(images.BigBitmapCount <= strip.TransferTileCount);
    }
    CheckStrip(strip);
    Presses(strip, extra);
  }
  return 0;
}
