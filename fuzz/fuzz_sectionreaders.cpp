// Any bytes as a game file through both of QrlMap's section scans, into a
// destination much smaller than many sections, so the bound is exercised.
#include <array>
#include <cstdint>
#include <vector>

#include "gamefile/mapsectionreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::span<const uint8_t> file(data, size);
  std::vector<uint8_t> buf(4096);
  std::array<int32_t, 50> offset{};
  std::array<int32_t, 50> length{};
  int32_t fill = 0;
  for (int32_t id = 0; id <= 50; ++id) {
    auto dest = std::span<uint8_t>(buf).subspan(size_t(fill));
    auto r = qrl::ReadSaveSection(file, id, dest, fill, offset, length);
    if (fill < 0 || size_t(fill) > buf.size()) __builtin_trap();
    if (r.Overflow) break;
  }
  int32_t oldFill = 0;
  for (int32_t id = 0; id <= 50; ++id) qrl::ReadOldSaveSection(file, id, std::span<uint8_t>(buf).first(300), oldFill);
  return 0;
}
