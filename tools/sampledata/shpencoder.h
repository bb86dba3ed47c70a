#pragma once
// Writes terrain graphics files ("Ter%02dz4.shp") from pictures of colour
// indices: the encoder of the run-length pixel code and the file layout
// (count, offset table, 24-byte image headers). Shared by the sample data
// generator, the tests and the benchmarks.
#include <cstdint>
#include <span>
#include <vector>

#include "mapeditor/core/shpreader.h"

namespace qrl::sample {

// A pixel of ShpPicture that the code leaves transparent.
inline constexpr int16_t NoPixel = -1;

// Colour indices, row by row, NoPixel for transparent.
struct ShpPicture {
  int Width = 0;
  int Height = 0;
  std::vector<int16_t> Pixels;

  ShpPicture() = default;
  ShpPicture(int width, int height, int16_t fill = NoPixel)
      : Width(width), Height(height), Pixels(size_t(width) * size_t(height), fill) {}
  int16_t& At(int x, int y) { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
  int16_t At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
  // Sets the pixel when (x, y) lies inside.
  void Put(int x, int y, int16_t index) {
    if (x >= 0 && y >= 0 && x < Width && y < Height) At(x, y) = index;
  }
};

// One image as stored: its header fields (not empty unless FirstWord is set
// to 0) and its pixel code.
struct ShpFileImage : map::ShpImageHeader {
  ShpFileImage() { FirstWord = 1; }
  std::vector<uint8_t> Code;
};

// The pixel code of a picture: per row transparent runs (control 1), repeats
// (even controls) and literal runs (odd controls), trailing transparent
// pixels left out, each row ended by control 0.
std::vector<uint8_t> EncodeShpPixels(const ShpPicture& picture);

// The image of `picture` with its top-left pixel at (x0, y0) from the hex
// cell's reference point.
ShpFileImage MakeShpImage(const ShpPicture& picture, int32_t x0 = 0, int32_t y0 = 0);

// The whole file: bytes 0..3 zero, the count, one 8-byte offset entry per
// image, then each image's header and code.
std::vector<uint8_t> BuildShpFile(std::span<const ShpFileImage> images);

}  // namespace qrl::sample
