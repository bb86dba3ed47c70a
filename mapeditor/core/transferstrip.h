#pragma once
// The tile transfer strip: every image of one terrain graphics file side by
// side in one picture 100 pixels high, the image picked on it, and the tile
// word a stamp stores from the window's choices.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QtGui/QImage>

#include "mapeditor/core/shpreader.h"
#include "mapeditor/core/tilecache.h"

namespace qrl::map {

inline constexpr int StripHeight = 100;
inline constexpr int StripGap = 3;     // left of the first image, between images, right of the last
inline constexpr int StripImageY = 3;  // top of every image
inline constexpr QRgb StripBackground = ShpTransparentColour;
inline constexpr QRgb StripMarkColour = 0xFF000000;
// The cliff faces file holds more images than the strip shows.
inline constexpr int CliffFacesFile = 47;
inline constexpr int CliffFacesStripImages = 30;

// Where the images of a strip lie: image i from x TransferTileX[i] over its
// width (0 for an image that could not be read); Width is the whole strip's.
struct StripLayout {
  std::vector<int32_t> TransferTileX;
  int32_t Width = StripGap;
};
StripLayout LayOutStrip(std::span<const int32_t> widths);

class TransferStrip {
 public:
  // Images in the strip, their left edges and widths (0: unreadable).
  int32_t TransferTileCount = 0;
  std::vector<int32_t> TransferTileX;
  std::vector<int32_t> TransferTileWidth;
  std::vector<bool> Readable;
  // The picked image; none before the first pick. It always names a
  // readable image of the strip.
  std::optional<int> TransferSelected;
  // The strip; null before the first load.
  QImage Picture;

  bool HasStrip() const { return !Picture.isNull(); }

  // The image a press at strip x picks: the last one whose left edge lies
  // left of x, or when that one is unreadable the nearest readable one left
  // of it. None at or left of the first image, with no strip, or with no
  // readable image there.
  std::optional<int> ImageAt(int x) const;

  // A press at strip x: when it picks an image, the marks of the old pick
  // are erased, the new one is picked and marked, and the result is true.
  // Otherwise nothing changes.
  bool Press(int x);

  // The x of the two mark lines of image `index`: one pixel left of it and
  // one pixel right of the pixel after it.
  struct MarkLines {
    int Left = 0;
    int Right = 0;
  };
  MarkLines MarkLinesOf(int index) const;

 private:
  // Vertical lines at the marks of `index` from y 0 to the strip's width
  // (end excluded), clipped to the picture.
  void DrawMarks(int index, QRgb colour);
};

// IconNumberLbl's caption for a picked image: "#" + number + three blanks.
std::string IconNumberCaption(int image);

// The TileWord a stamp stores: the decimal number starting at the caption's
// second character (digits up to the first other character; none gives 0)
// + 250 * the file number.
uint16_t StampTileWord(std::string_view iconNumberCaption, int fileNumber);

enum class StripLoadStatus {
  Loaded,
  CannotOpen,  // no regular file that can be read
  CannotRead,  // the image count at bytes 4..7 is missing, negative or above ShpMaxImages
};

// Loads every image of terrain graphics file `fileNumber` (at most 30 of
// file 47) into a new strip: own bitmaps read with ForceOwnBitmap set and
// counted into `images`, laid out by LayOutStrip, drawn at y 3 without their
// offsets over StripBackground. Only when the load succeeds does the new
// strip replace `strip`, keeping the pick when it names a readable image of
// the new strip; the new picture carries no marks.
StripLoadStatus LoadTransferStrip(TransferStrip& strip, int fileNumber, std::span<const uint8_t> file,
                                  ShpReader& reader, TileImages& images);
StripLoadStatus LoadTransferStrip(TransferStrip& strip, int fileNumber, const std::string& path, ShpReader& reader,
                                  TileImages& images);

}  // namespace qrl::map
