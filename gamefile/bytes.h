#pragma once
// Little-endian field access over raw bytes. The callers check bounds; these
// helpers only assemble and split the values.
#include <cstdint>
#include <vector>

namespace qrl {

inline uint16_t ReadLe16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline int16_t ReadLe16Signed(const uint8_t* p) { return int16_t(ReadLe16(p)); }
inline uint32_t ReadLe32(const uint8_t* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline int32_t ReadLe32Signed(const uint8_t* p) { return int32_t(ReadLe32(p)); }

inline void WriteLe16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v & 0xFF);
  p[1] = uint8_t(v >> 8);
}
inline void WriteLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}
inline void AppendLe32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

}  // namespace qrl
