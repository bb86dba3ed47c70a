#include "gamefile/sectionrecord.h"

#include <cstring>

#include "gamefile/bytes.h"
#include "gamefile/sectionrle.h"

namespace qrl {

std::optional<SectionRecordHeader> ReadSectionRecordHeader(ByteReader& in, size_t flagWidth) {
  auto id = in.ReadLe32();
  auto length = in.ReadLe32();
  if (!id || !length) return std::nullopt;
  SectionRecordHeader h;
  h.Id = int32_t(*id);
  int64_t len = int32_t(*length);
  h.StoredLength = uint64_t(len < 0 ? -len : len);
  if (flagWidth == CurrentFlagWidth) {
    auto flag = in.ReadLe32();
    if (!flag) return std::nullopt;
    h.Flag = *flag;
  } else {
    int b = in.ReadByte();
    if (b < 0) return std::nullopt;
    h.Flag = uint32_t(b);
  }
  return h;
}

void AppendSectionRecord(std::vector<uint8_t>& out, int32_t id, std::span<const uint8_t> section) {
  // One encoding walk serves as the size pass too: the packed bytes are kept
  // only when they are smaller than the raw ones.
  const size_t headerAt = out.size();
  const size_t dataAt = headerAt + CurrentRecordHeaderSize;
  out.resize(dataAt);
  SectionRleEncode(section, out);
  const size_t packed = out.size() - dataAt;
  const bool usePacked = packed < section.size();
  if (!usePacked) {
    out.resize(dataAt + section.size());
    if (!section.empty()) std::memcpy(out.data() + dataAt, section.data(), section.size());
  }
  WriteLe32(&out[headerAt], uint32_t(id));
  WriteLe32(&out[headerAt + 4], uint32_t(usePacked ? packed : section.size()));
  WriteLe32(&out[headerAt + 8], usePacked ? 1u : 0u);
}

size_t SectionRecordBound(size_t sectionSize) { return CurrentRecordHeaderSize + SectionRlePackedBound(sectionSize); }

}  // namespace qrl
