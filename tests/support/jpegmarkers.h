#pragma once
// Reads the markers of a JPEG file that the pictures' tests check: the frame
// type, the size, the sampling of the first component and the quantisation
// tables, straight from the bytes.
#include <array>
#include <cstdint>
#include <map>
#include <span>

namespace qrl::test {

struct JpegMarkers {
  bool Valid = false;     // SOI, a frame and every segment inside the file
  int FrameMarker = 0;    // 0xC0 for a baseline frame (SOF0), 0xC2 progressive, ...
  int Width = 0;
  int Height = 0;
  int Components = 0;
  int LumaSampling = 0;   // H << 4 | V of the first component (0x22: 2 x 2)
  // Quantisation tables by number, in the file's order (zigzag); the
  // precision of each (0: 8-bit values).
  std::map<int, std::array<int, 64>> Tables;
  std::map<int, int> TablePrecision;
};

JpegMarkers ReadJpegMarkers(std::span<const uint8_t> file);

}  // namespace qrl::test
