#include "gamefile/sectionrle.h"

namespace qrl {

namespace {

bool RunStartsAt(std::span<const uint8_t> d, size_t i) {
  return i + 2 < d.size() && d[i] == d[i + 1] && d[i] == d[i + 2];
}

// Walks the section with the encoder's block rules and reports each block:
// onRun(value, count) or onLiteral(first, count).
template <typename OnRun, typename OnLiteral>
void WalkBlocks(std::span<const uint8_t> d, OnRun onRun, OnLiteral onLiteral) {
  size_t i = 0;
  const size_t n = d.size();
  while (i < n) {
    if (RunStartsAt(d, i)) {
      uint8_t v = d[i];
      int count = 0;
      while (i < n && d[i] == v && count < RleMaxBlock) {
        ++i;
        ++count;
      }
      onRun(v, count);
    } else {
      size_t first = i;
      int count = 0;
      while (count < RleMaxBlock && i < n && !RunStartsAt(d, i)) {
        ++i;
        ++count;
      }
      onLiteral(first, count);
    }
  }
}

}  // namespace

size_t SectionRlePackedSize(std::span<const uint8_t> section) {
  size_t packed = 0;
  WalkBlocks(
      section, [&](uint8_t, int) { packed += 2; },
      [&](size_t, int count) { packed += 1 + size_t(count); });
  return packed;
}

void SectionRleEncode(std::span<const uint8_t> section, std::vector<uint8_t>& out) {
  WalkBlocks(
      section,
      [&](uint8_t v, int count) {
        out.push_back(uint8_t(RleRunBase + count));
        out.push_back(v);
      },
      [&](size_t first, int count) {
        out.push_back(uint8_t(count));
        out.insert(out.end(), section.begin() + long(first), section.begin() + long(first) + count);
      });
}

void DecodeSectionData(ByteReader& in, uint64_t storedLength, bool packed, DecodeSink& sink) {
  int64_t remaining = int64_t(storedLength);
  if (!packed) {
    for (; remaining > 0 && !sink.Overflow; --remaining) {
      int b = in.ReadByte();
      if (b < 0) return;
      sink.Put(uint8_t(b));
    }
    return;
  }
  while (remaining > 0 && !sink.Overflow) {
    int c = in.ReadByte();
    if (c < 0) return;
    --remaining;
    if (c > RleRunBase) {
      int v = in.ReadByte();
      if (v < 0) return;
      --remaining;
      for (int k = 0; k < c - RleRunBase && !sink.Overflow; ++k) sink.Put(uint8_t(v));
    } else {
      for (int k = 0; k < c && !sink.Overflow; ++k) {
        int b = in.ReadByte();
        if (b < 0) return;
        sink.Put(uint8_t(b));
      }
      remaining -= c;
    }
  }
}

}  // namespace qrl
