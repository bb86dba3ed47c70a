#pragma once
// A small game file for the dump window and the hex editor: record 1 (id 1)
// holds 10 bytes, record 2 (id 2) is empty, record 3 (id 3) holds 300 bytes.
// Loaded, the slots lie at 0 (header, 20 bytes), 0x14 (10 bytes) and 0x1E
// (300 bytes); the image is 330 bytes long.
#include <cstdint>

#include "tests/support/gamefilebuilder.h"

namespace qrl::test {

inline Bytes DumpRecord1() {
  Bytes b(10);
  for (size_t i = 0; i < b.size(); ++i) b[i] = uint8_t(0xA0 + i);
  return b;
}

// Byte i of record 3 is i mod 256 except byte 5 (13) and byte 6 (65), the
// texts of which the hex view's modes differ on.
inline Bytes DumpRecord3() {
  Bytes b(300);
  for (size_t i = 0; i < b.size(); ++i) b[i] = uint8_t(i);
  b[5] = 13;
  b[6] = 65;
  return b;
}

inline Bytes DumpHeader() { return GameFileBuilder().Build(); }

inline Bytes DumpGameFile() {
  return GameFileBuilder().Section(1, DumpRecord1()).Section(2, {}).Section(3, DumpRecord3()).Build();
}

}  // namespace qrl::test
