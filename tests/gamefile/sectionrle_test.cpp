#include <gtest/gtest.h>

#include <random>

#include "gamefile/bytereader.h"
#include "gamefile/sectionrecord.h"
#include "gamefile/sectionrle.h"
#include "tests/support/gamefilebuilder.h"

namespace qrl {
namespace {

using test::Bytes;
using test::Concat;
using test::Repeat;

Bytes Distinct(size_t n) {
  Bytes b(n);
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i);
  return b;
}

struct RecordCase {
  const char* Name;
  Bytes Section;
  uint32_t Flag;
  Bytes Stored;  // the record's data after its 12-byte header
};

Bytes RecordOf(const Bytes& section) {
  Bytes out;
  AppendSectionRecord(out, 7, section);
  return out;
}

TEST(SectionRleEncoder, WritesTheRecordsOfTheWriters) {
  const uint8_t v = 0x5A;
  const Bytes d128 = Distinct(128);
  const std::vector<RecordCase> cases = {
      {"200 equal bytes: runs of 127 and 73", Repeat(v, 200), 1, {0xFF, v, 0xC9, v}},
      {"two equal bytes are stored raw", Repeat(v, 2), 0, {v, v}},
      {"three equal bytes make one run", Repeat(v, 3), 1, {0x83, v}},
      {"01 02 03 03 03 packs to five bytes: raw", {1, 2, 3, 3, 3}, 0, {1, 2, 3, 3, 3}},
      {"01 02 03 03 03 03 packs to five bytes", {1, 2, 3, 3, 3, 3}, 1, {0x02, 1, 2, 0x84, 3}},
      {"128 distinct bytes take 130 packed: raw", d128, 0, d128},
      {"129 equal bytes end in a literal pair", Repeat(v, 129), 1, {0xFF, v, 0x02, v, v}},
      {"an empty section", {}, 0, {}},
      {"trailing pair after a run stays literal", Concat({Repeat(9, 5), {4, 4}}), 1, {0x85, 9, 0x02, 4, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    Bytes record = RecordOf(c.Section);
    ASSERT_GE(record.size(), 12u);
    EXPECT_EQ(record[0], 7);
    EXPECT_EQ(record[4] | (record[5] << 8), int(c.Stored.size()));
    EXPECT_EQ(Bytes(record.begin() + 8, record.begin() + 12), Bytes({uint8_t(c.Flag), 0, 0, 0}));
    EXPECT_EQ(Bytes(record.begin() + 12, record.end()), c.Stored);
  }
}

TEST(SectionRleEncoder, LiteralBlocksStopAt127AndBeforeARun) {
  // 127 distinct bytes then 3 equal: one full literal block, then a run.
  Bytes section = Concat({Distinct(127), Repeat(200, 3)});
  Bytes packed;
  SectionRleEncode(section, packed);
  ASSERT_EQ(packed.size(), 1u + 127u + 2u);
  EXPECT_EQ(packed[0], 0x7F);
  EXPECT_EQ(packed[128], 0x83);
  EXPECT_EQ(packed[129], 200);
  EXPECT_EQ(SectionRlePackedSize(section), packed.size());
}

// The encoder's two passes as the format describes them, one byte at a time,
// to hold the fast scans of the real encoder to the same blocks.
bool ReferenceRunTest(const Bytes& d, size_t i) { return i + 2 < d.size() && d[i] == d[i + 1] && d[i] == d[i + 2]; }

size_t ReferenceSizePass(const Bytes& d) {
  size_t i = 0, packed = 0;
  while (i < d.size()) {
    int count = 0;
    if (ReferenceRunTest(d, i)) {
      const uint8_t v = d[i];
      while (i < d.size() && d[i] == v && count < 127) ++i, ++count;
      packed += 2;
    } else {
      while (count < 127 && i < d.size() && !ReferenceRunTest(d, i)) ++i, ++count;
      packed += 1 + size_t(count);
    }
  }
  return packed;
}

Bytes ReferenceWritePass(const Bytes& d) {
  Bytes out;
  size_t i = 0;
  while (i < d.size()) {
    int count = 0;
    if (ReferenceRunTest(d, i)) {
      const uint8_t v = d[i];
      while (i < d.size() && d[i] == v && count < 127) ++i, ++count;
      out.push_back(uint8_t(0x80 + count));
      out.push_back(v);
    } else {
      const size_t first = i;
      while (count < 127 && i < d.size() && !ReferenceRunTest(d, i)) ++i, ++count;
      out.push_back(uint8_t(count));
      out.insert(out.end(), d.begin() + long(first), d.begin() + long(i));
    }
  }
  return out;
}

// Compares the encoder with the reference; false (with a message) on the first difference.
::testing::AssertionResult EncodesAsTheReference(const Bytes& d) {
  Bytes packed;
  SectionRleEncode(d, packed);
  const Bytes expected = ReferenceWritePass(d);
  const size_t size = SectionRlePackedSize(d);
  if (packed == expected && size == ReferenceSizePass(d) && size == expected.size())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "section of " << d.size() << " bytes packs to " << packed.size()
                                       << " bytes (size pass " << size << "), expected " << expected.size();
}

// Bytes that hold no two equal neighbours and never the run value below.
Bytes Background(size_t n) {
  Bytes b(n);
  for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i % 200);
  return b;
}

TEST(SectionRleEncoder, ShortRunsAtEveryPlaceMatchTheReference) {
  constexpr uint8_t RunValue = 0xEE;
  for (size_t n = 1; n <= 300; ++n) {
    const Bytes background = Background(n);
    ASSERT_TRUE(EncodesAsTheReference(background));
    for (size_t run : {2, 3, 4}) {
      for (size_t at = 0; at + run <= n; ++at) {
        Bytes d = background;
        std::fill_n(d.begin() + long(at), run, RunValue);
        ASSERT_TRUE(EncodesAsTheReference(d)) << "run of " << run << " at " << at;
      }
    }
  }
}

TEST(SectionRleEncoder, BlockLimitsMatchTheReference) {
  for (size_t n : {126, 127, 128, 129, 130, 254, 255, 256, 257}) {
    SCOPED_TRACE(n);
    EXPECT_TRUE(EncodesAsTheReference(Repeat(7, n)));
    EXPECT_TRUE(EncodesAsTheReference(Background(n)));
    EXPECT_TRUE(EncodesAsTheReference(Concat({Background(n), Repeat(0xEE, n)})));
    EXPECT_TRUE(EncodesAsTheReference(Concat({Repeat(0xEE, n), Background(n), Repeat(0xEE, 2)})));
  }
}

TEST(SectionRleEncoder, RandomSectionsMatchTheReference) {
  std::mt19937 random(20261210);
  for (int round = 0; round < 3000; ++round) {
    // Few distinct values, so that runs of every length come up.
    const size_t n = random() % 700;
    const uint32_t values = 1 + random() % 4;
    Bytes d(n);
    for (size_t i = 0; i < n;) {
      const uint8_t v = uint8_t(random() % values);
      size_t len = 1 + random() % (random() % 8 == 0 ? 300 : 4);
      for (; len > 0 && i < n; --len) d[i++] = v;
    }
    ASSERT_TRUE(EncodesAsTheReference(d)) << "round " << round;
  }
}

Bytes Decode(const Bytes& stored, bool packed, uint64_t length, size_t capacity = 4096, bool* overflow = nullptr) {
  Bytes dest(capacity, 0xEE);
  ByteReader in(stored);
  DecodeSink sink{dest};
  DecodeSectionData(in, length, packed, sink);
  if (overflow) *overflow = sink.Overflow;
  dest.resize(sink.Written);
  return dest;
}

TEST(SectionRleDecoder, AcceptsEveryControlByte) {
  struct Case {
    const char* Name;
    Bytes Stored;
    Bytes Expected;
  };
  const Bytes d128 = Distinct(128);
  const std::vector<Case> cases = {
      {"0x80 copies 128 literals", Concat({{0x80}, d128}), d128},
      {"0x00 copies nothing", {0x00, 0x01, 0x42}, {0x42}},
      {"0x81 is one copy", {0x81, 0x33}, {0x33}},
      {"0x82 is two copies", {0x82, 0x33}, {0x33, 0x33}},
      {"0xFF is 127 copies", {0xFF, 0x01}, Repeat(1, 127)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Decode(c.Stored, true, c.Stored.size()), c.Expected);
  }
}

TEST(SectionRleDecoder, TakesABlockWholeThatRunsPastTheStoredLength) {
  // Stored length 2 but the literal block claims 3 bytes: the block is taken whole.
  EXPECT_EQ(Decode({0x03, 1, 2, 3, 0x83, 9}, true, 2), Bytes({1, 2, 3}));
}

TEST(SectionRleDecoder, StopsAtTheEndOfTheFile) {
  EXPECT_EQ(Decode({0x05, 1, 2}, true, 6), Bytes({1, 2}));
  EXPECT_EQ(Decode({0x90}, true, 2), Bytes());
  EXPECT_EQ(Decode({1, 2, 3}, false, 10), Bytes({1, 2, 3}));
}

TEST(SectionRleDecoder, NeverWritesPastTheDestination) {
  bool overflow = false;
  Bytes out = Decode({0xFF, 7, 0xFF, 7}, true, 4, 200, &overflow);
  EXPECT_TRUE(overflow);
  EXPECT_EQ(out.size(), 200u);
  out = Decode({0xFF, 7}, true, 2, 127, &overflow);
  EXPECT_FALSE(overflow);
}

TEST(SectionRle, RoundTripsMixedSections) {
  std::vector<Bytes> sections;
  for (size_t n : {0u, 1u, 2u, 3u, 4u, 126u, 127u, 128u, 254u, 255u, 1000u}) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = uint8_t((i % 7 < 3) ? 0x11 : i * 13);
    sections.push_back(b);
    sections.push_back(Repeat(0, n));
  }
  for (const auto& s : sections) {
    Bytes packed;
    SectionRleEncode(s, packed);
    EXPECT_EQ(packed.size(), SectionRlePackedSize(s));
    EXPECT_EQ(Decode(packed, true, packed.size(), s.size() + 1), s);
  }
}

}  // namespace
}  // namespace qrl
