#include "gamefile/sectionrecord.h"

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
  size_t packed = SectionRlePackedSize(section);
  bool usePacked = packed < section.size();
  AppendLe32(out, uint32_t(id));
  AppendLe32(out, uint32_t(usePacked ? packed : section.size()));
  AppendLe32(out, usePacked ? 1u : 0u);
  if (usePacked) {
    SectionRleEncode(section, out);
  } else {
    out.insert(out.end(), section.begin(), section.end());
  }
}

}  // namespace qrl
