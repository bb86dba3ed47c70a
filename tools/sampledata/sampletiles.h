#pragma once
// The sample terrain graphics: readable tiles for every file the sample map
// uses. Each file has its own colours and every image shows its number in
// digits; the road file holds the pieces of the three road kinds.
#include <cstdint>
#include <vector>

#include "tools/sampledata/shpencoder.h"

namespace qrl::sample {

// Images per sample terrain file; the last few are larger than a standard
// tile and so become own bitmaps, as does file 0 image 35.
inline constexpr int SampleImagesPerFile = 50;
inline constexpr int SampleFirstLargeImage = 45;
inline constexpr int RoadPiecesPerKind = 21;
inline constexpr int RoadKinds = 3;

// Numbers of the files the sample map draws from.
const std::vector<int>& SampleShpFileNumbers();

// The bytes of sample file `file` (any number 0..99 gives a file).
std::vector<uint8_t> SampleShpFile(int file);

// Digits of `number` in a 3 x 5 pixel font scaled by `scale`, with the top
// left corner at (x, y).
void DrawDigits(ShpPicture& picture, int number, int x, int y, int scale, int16_t colour);

}  // namespace qrl::sample
