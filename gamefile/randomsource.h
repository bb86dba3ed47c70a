#pragma once
// The programs' own pseudo-random generator: a 64-bit state, 1 at program
// start; each step multiplies it by 346 * 2^32 + 20021 and adds 1 (mod 2^64);
// a value is bits 32..62 of the new state.
#include <cstdint>

namespace qrl {

class RandomSource {
 public:
  static constexpr uint64_t Multiplier = (uint64_t(346) << 32) + 20021;

  uint64_t RandomState = 1;

  int32_t next_random31() {
    RandomState = RandomState * Multiplier + 1;
    return int32_t((RandomState >> 32) & 0x7FFFFFFF);
  }

  // 0 when n is 0 (without a step), else the next value modulo n; the
  // remainder takes the sign of the dividend, so for negative n the result
  // still lies in 0 .. |n| - 1.
  int32_t RandomBelow(int32_t n) {
    if (n == 0) return 0;
    return int32_t(int64_t(next_random31()) % int64_t(n));
  }

  void Seed(uint64_t seed) { RandomState = seed; }
};

}  // namespace qrl
