#pragma once
// SectionRle, the byte run-length code of packed sections.
//   control 0x00..0x80: that many literal bytes follow
//   control 0x81..0xFF: the next byte repeated (control - 0x80) times
// The encoder writes literal blocks of 1..127 bytes and runs of 3..127; the
// decoder accepts every control byte.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "gamefile/bytereader.h"

namespace qrl {

inline constexpr int RleMaxBlock = 127;
inline constexpr uint8_t RleRunBase = 0x80;

// Size of the packed form of the section, by the encoder's own block rules.
size_t SectionRlePackedSize(std::span<const uint8_t> section);

// The largest packed form of a section of that size (all literal blocks).
size_t SectionRlePackedBound(size_t sectionSize);

// The packed form, appended to out.
void SectionRleEncode(std::span<const uint8_t> section, std::vector<uint8_t>& out);

// Where decoded bytes go: a fixed window of the caller's buffer. Bytes beyond
// its end are not written and set Overflow.
struct DecodeSink {
  std::span<uint8_t> Dest;
  size_t Written = 0;
  bool Overflow = false;
};

// Decodes one record's data from the reader: storedLength bytes (already made
// non-negative), packed or raw. A block is taken whole even where it runs past
// the stored length. Decoding stops at the end of the file: a record cut short
// yields only the bytes that are there. Stops at the first overflow.
void DecodeSectionData(ByteReader& in, uint64_t storedLength, bool packed, DecodeSink& sink);

}  // namespace qrl
