#include "tests/support/jpegmarkers.h"

namespace qrl::test {

namespace {
constexpr int MarkerSOI = 0xD8;
constexpr int MarkerSOS = 0xDA;
constexpr int MarkerDQT = 0xDB;
bool IsFrameMarker(int m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }
}  // namespace

JpegMarkers ReadJpegMarkers(std::span<const uint8_t> file) {
  JpegMarkers out;
  if (file.size() < 4 || file[0] != 0xFF || file[1] != MarkerSOI) return out;
  size_t at = 2;
  while (at + 4 <= file.size()) {
    if (file[at] != 0xFF) return out;
    const int marker = file[at + 1];
    const size_t length = size_t(file[at + 2]) << 8 | file[at + 3];
    const size_t body = at + 4;
    const size_t end = at + 2 + length;
    if (length < 2 || end > file.size()) return out;
    if (marker == MarkerDQT) {
      size_t p = body;
      while (p < end) {
        const int precision = file[p] >> 4;
        const int number = file[p] & 0x0F;
        const size_t valueBytes = precision == 0 ? 1 : 2;
        if (p + 1 + 64 * valueBytes > end) return out;
        std::array<int, 64> values{};
        for (size_t i = 0; i < 64; ++i) {
          const size_t v = p + 1 + i * valueBytes;
          values[i] = valueBytes == 1 ? file[v] : (file[v] << 8 | file[v + 1]);
        }
        out.Tables[number] = values;
        out.TablePrecision[number] = precision;
        p += 1 + 64 * valueBytes;
      }
    } else if (IsFrameMarker(marker)) {
      if (length < 8 + 3) return out;
      out.FrameMarker = marker;
      out.Height = file[body + 1] << 8 | file[body + 2];
      out.Width = file[body + 3] << 8 | file[body + 4];
      out.Components = file[body + 5];
      out.LumaSampling = file[body + 7];
    } else if (marker == MarkerSOS) {
      out.Valid = out.FrameMarker != 0;
      return out;
    }
    at = end;
  }
  return out;
}

}  // namespace qrl::test
