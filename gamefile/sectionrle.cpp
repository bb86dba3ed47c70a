#include "gamefile/sectionrle.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace qrl {

namespace {

static_assert(std::endian::native == std::endian::little, "the word scans read bytes little-endian");

constexpr uint64_t LowBits = 0x0101010101010101ull;
constexpr uint64_t HighBits = 0x8080808080808080ull;

uint64_t Load8(const uint8_t* p) {
  uint64_t w;
  std::memcpy(&w, p, sizeof w);
  return w;
}

// Nonzero when some byte of w is zero; the lowest flagged byte is the first zero.
uint64_t ZeroBytes(uint64_t w) { return (w - LowBits) & ~w & HighBits; }

bool RunStartsAt(std::span<const uint8_t> d, size_t i) {
  return i + 2 < d.size() && d[i] == d[i + 1] && d[i] == d[i + 2];
}

// The first position in [i, limit) where three equal bytes start, or limit.
// Eight positions at a time while the words fit inside the section.
size_t NextRunStart(std::span<const uint8_t> d, size_t i, size_t limit) {
  const uint8_t* p = d.data();
  while (i + 10 <= d.size() && i + 8 <= limit) {
    uint64_t w0 = Load8(p + i);
    uint64_t hits = ZeroBytes((w0 ^ Load8(p + i + 1)) | (w0 ^ Load8(p + i + 2)));
    if (hits) return i + size_t(std::countr_zero(hits) / 8);
    i += 8;
  }
  while (i < limit && !RunStartsAt(d, i)) ++i;
  return i;
}

// Length of the run of v starting at i, at most max.
size_t RunLength(std::span<const uint8_t> d, size_t i, uint8_t v, size_t max) {
  const size_t end = std::min(d.size(), i + max);
  const uint64_t pattern = LowBits * v;
  size_t j = i;
  while (j + 8 <= end) {
    uint64_t diff = Load8(d.data() + j) ^ pattern;
    if (diff) return j - i + size_t(std::countr_zero(diff) / 8);
    j += 8;
  }
  while (j < end && d[j] == v) ++j;
  return j - i;
}

// Walks the section with the encoder's block rules: a run where three equal
// bytes start (up to 127 of them), otherwise a literal block of up to 127
// bytes that ends at the section's end or just before three equal bytes.
// Reports each block: onRun(value, count) or onLiteral(first, count).
template <typename OnRun, typename OnLiteral>
void WalkBlocks(std::span<const uint8_t> d, OnRun onRun, OnLiteral onLiteral) {
  size_t i = 0;
  const size_t n = d.size();
  while (i < n) {
    if (RunStartsAt(d, i)) {
      size_t count = RunLength(d, i, d[i], RleMaxBlock);
      onRun(d[i], int(count));
      i += count;
    } else {
      size_t stop = NextRunStart(d, i + 1, std::min(n, i + RleMaxBlock));
      onLiteral(i, int(stop - i));
      i = stop;
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

size_t SectionRlePackedBound(size_t sectionSize) { return sectionSize + (sectionSize + RleMaxBlock - 1) / RleMaxBlock; }

void SectionRleEncode(std::span<const uint8_t> section, std::vector<uint8_t>& out) {
  // One walk, written through a pointer into room made once for the largest
  // packed form, then cut to what was written: no block grows the vector.
  const size_t start = out.size();
  out.resize(start + SectionRlePackedBound(section.size()));
  uint8_t* at = out.data() + start;
  WalkBlocks(
      section,
      [&](uint8_t v, int count) {
        *at++ = uint8_t(RleRunBase + count);
        *at++ = v;
      },
      [&](size_t first, int count) {
        *at++ = uint8_t(count);
        std::memcpy(at, section.data() + first, size_t(count));
        at += count;
      });
  out.resize(size_t(at - out.data()));
}

void DecodeSectionData(ByteReader& in, uint64_t storedLength, bool packed, DecodeSink& sink) {
  const std::span<const uint8_t> file = in.All();
  size_t pos = std::min(in.Position(), file.size());
  // Copies up to n bytes from the file to the sink; false when the file or
  // the destination ended first.
  auto copy = [&](size_t n) {
    size_t avail = std::min(n, file.size() - pos);
    size_t room = sink.Dest.size() - sink.Written;
    size_t take = std::min(avail, room);
    if (take > 0) std::memcpy(sink.Dest.data() + sink.Written, file.data() + pos, take);
    sink.Written += take;
    pos += avail;
    if (avail > room) sink.Overflow = true;
    return take == n;
  };
  auto fill = [&](uint8_t v, size_t n) {
    size_t room = sink.Dest.size() - sink.Written;
    size_t take = std::min(n, room);
    if (take > 0) std::memset(sink.Dest.data() + sink.Written, v, take);
    sink.Written += take;
    if (n > room) sink.Overflow = true;
    return take == n;
  };

  if (!packed) {
    copy(size_t(std::min<uint64_t>(storedLength, file.size())));
  } else {
    int64_t remaining = int64_t(storedLength);
    while (remaining > 0 && pos < file.size()) {
      int c = file[pos++];
      --remaining;
      if (c > RleRunBase) {
        if (pos >= file.size()) break;
        uint8_t v = file[pos++];
        --remaining;
        if (!fill(v, size_t(c - RleRunBase))) break;
      } else {
        if (!copy(size_t(c))) break;
        remaining -= c;
      }
    }
  }
  in.Seek(pos);
}

}  // namespace qrl
