#include "gamefile/mapsectionreader.h"

#include "gamefile/bytereader.h"
#include "gamefile/magic.h"
#include "gamefile/sectionrecord.h"
#include "gamefile/sectionrle.h"

namespace qrl {

namespace {

// The scan shared by both readers; decodes the first match and stops there,
// since a later duplicate of the id is never taken.
SectionScanResult ScanFor(std::span<const uint8_t> file, int32_t id, size_t flagWidth,
                          std::span<uint8_t> dest, int32_t& fill) {
  SectionScanResult result;
  if (id > MaxMapSectionId) {
    result.Result = id;
    return result;
  }
  ByteReader in(file);
  in.Seek(GameFileHeaderSize);
  for (int record = 0; record < MaxRecordsScanned; ++record) {
    auto header = ReadSectionRecordHeader(in, flagWidth);
    if (!header) break;
    if (header->Id != id) {
      in.Skip(header->StoredLength);
      continue;
    }
    DecodeSink sink{dest};
    DecodeSectionData(in, header->StoredLength, header->Flag != 0, sink);
    fill += int32_t(sink.Written);
    result.Found = true;
    result.Overflow = sink.Overflow;
    break;
  }
  return result;
}

bool InTable(std::span<int32_t> table, int32_t id) { return id >= 0 && size_t(id) < table.size(); }

}  // namespace

SectionScanResult ReadSaveSection(std::span<const uint8_t> file, int32_t id, std::span<uint8_t> dest,
                                  int32_t& fill, std::span<int32_t> sectionOffset,
                                  std::span<int32_t> sectionSize) {
  const int32_t start = fill;
  SectionScanResult result = ScanFor(file, id, CurrentFlagWidth, dest, fill);
  if (result.Found && InTable(sectionOffset, id) && InTable(sectionSize, id)) {
    sectionOffset[size_t(id)] = start;
    sectionSize[size_t(id)] = fill - start;
  }
  return result;
}

SectionScanResult ReadOldSaveSection(std::span<const uint8_t> file, int32_t id, std::span<uint8_t> dest,
                                     int32_t& fill) {
  if (id <= MaxMapSectionId) fill = 0;
  return ScanFor(file, id, OldFlagWidth, dest, fill);
}

}  // namespace qrl
