#pragma once
// QrlMap's section readers: find a section by id among the records of a game
// file and decode it into the caller's buffer.
#include <cstdint>
#include <span>

namespace qrl {

inline constexpr int32_t MaxMapSectionId = 48;
inline constexpr int MaxRecordsScanned = 48;

struct SectionScanResult {
  int32_t Result = 0;     // 0, or the wanted id itself when above MaxMapSectionId (nothing read)
  bool Found = false;     // a record carried the wanted id
  bool Overflow = false;  // the decoded bytes did not fit into the destination
};

// Current-game files (4-byte flag, the whole 32-bit value tested). Scans at most
// 48 records from byte 20; the first record carrying the id is decoded to dest,
// every byte advancing fill; then sectionOffset[id] is the fill value at the
// start of the decode and sectionSize[id] the bytes produced. A missing id
// leaves both tables as they were. Nothing is ever written outside dest.
SectionScanResult ReadSaveSection(std::span<const uint8_t> file, int32_t id, std::span<uint8_t> dest,
                                  int32_t& fill, std::span<int32_t> sectionOffset,
                                  std::span<int32_t> sectionSize);

// KX2/KX3 files (1-byte flag): the same scan; fill starts at 0 and counts the
// bytes produced into dest. Records nothing in the section tables.
SectionScanResult ReadOldSaveSection(std::span<const uint8_t> file, int32_t id, std::span<uint8_t> dest,
                                     int32_t& fill);

}  // namespace qrl
