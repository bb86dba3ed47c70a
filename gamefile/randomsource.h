#pragma once
// The programs' own pseudo-random generator: a 64-bit state, 1 at program
// start; each step multiplies it by 346 * 2^32 + 20021 and adds 1 (mod 2^64);
// a value is bits 32..62 of the new state.
#include <chrono>
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

  // The same rule for a bound that needs 64 bits (a range of two 32-bit
  // limits, max - min + 1).
  int64_t RandomBelowWide(int64_t n) {
    if (n == 0) return 0;
    return int64_t(next_random31()) % n;
  }

  void Seed(uint64_t seed) { RandomState = seed; }
};

inline constexpr uint64_t MillisecondsPerDay = 86'400'000;

// The UTC time of day in milliseconds, 0 .. 86,399,999.
inline uint64_t UtcMillisecondsOfDay() {
  auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::system_clock::now().time_since_epoch());
  return uint64_t(sinceEpoch.count()) % MillisecondsPerDay;
}

// Seeds the source from the clock: two seedings at the same time of day, to the
// millisecond, start the same sequence.
inline void Randomize(RandomSource& random) { random.Seed(UtcMillisecondsOfDay()); }

}  // namespace qrl
