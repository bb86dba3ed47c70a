#pragma once
// The uncompressed 24-bit Windows bitmap that QrlMap writes for its pictures
// (the SDTS elevation picture, the contour picture).
#include <QtGui/QImage>
#include <cstdint>
#include <vector>

namespace qrl::map {

inline constexpr int BmpHeaderBytes = 54;  // 14-byte file header + 40-byte information header

// Bytes in one stored row: three per pixel, padded to a multiple of four.
int64_t BmpRowBytes(int width);

// The whole file: "BM" headers (little-endian, height positive, so rows go
// bottom-up; resolution and colour counts 0), then the rows from the bottom
// one up, each pixel as blue, green, red, zero-padded to BmpRowBytes. A null
// picture gives an empty vector.
std::vector<uint8_t> EncodeBmp24(const QImage& picture);

}  // namespace qrl::map
