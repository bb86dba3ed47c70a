#pragma once
// SectionRecord: id (int32), stored length (int32, a negative value read as its
// absolute value), packed flag (4 bytes in current-game files, 1 in older
// ones), then the stored bytes. Records follow each other to the end of the file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "gamefile/bytereader.h"

namespace qrl {

inline constexpr size_t CurrentFlagWidth = 4;
inline constexpr size_t OldFlagWidth = 1;
inline constexpr size_t CurrentRecordHeaderSize = 12;

struct SectionRecordHeader {
  int32_t Id = 0;
  uint64_t StoredLength = 0;  // absolute value of the stored int32
  uint32_t Flag = 0;          // the whole flag field (one byte wide in older files)
};

// Reads a record header at the reader's position; nullopt when it cannot be
// read whole (the end of the file).
std::optional<SectionRecordHeader> ReadSectionRecordHeader(ByteReader& in, size_t flagWidth);

// WriteSaveSection's encoding, shared by both programs: appends the record of
// the section's decoded bytes, packed when that is smaller (an empty section
// gives a 12-byte record with length 0 and flag 0).
void AppendSectionRecord(std::vector<uint8_t>& out, int32_t id, std::span<const uint8_t> section);

// Room enough for AppendSectionRecord of a section of that size, for writers
// that reserve a whole file's bytes at once.
size_t SectionRecordBound(size_t sectionSize);

}  // namespace qrl
