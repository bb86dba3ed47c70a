#include "gamefile/gamefileslots.h"

#include <algorithm>

#include "gamefile/bytereader.h"
#include "gamefile/magic.h"
#include "gamefile/mapsections.h"
#include "gamefile/sectionrecord.h"
#include "gamefile/sectionrle.h"

namespace qrl {

RecordLoopResult ReadSaveFileRecords(std::span<const uint8_t> file, GameFileSlots& slots) {
  RecordLoopResult result;
  slots.GameFileBuf.assign(GameFileBufSize, 0);
  slots.SlotOffset.fill(0);
  slots.SlotSize.fill(0);
  slots.SlotId.fill(0);
  slots.RecordCount = 0;

  ByteReader in(file);
  in.ReadInto(slots.GameFileBuf.data(), GameFileHeaderSize);
  slots.SlotSize[0] = int32_t(GameFileHeaderSize);
  size_t total = GameFileHeaderSize;

  for (int slot = 1; slot <= MaxRecordSlots; ++slot) {
    slots.SlotOffset[size_t(slot)] = int32_t(total);
    // QrlEd tests only the low byte of the flag (QrlMap tests all four).
    auto header = ReadSectionRecordHeader(in, CurrentFlagWidth);
    if (!header) {
      for (int rest = slot + 1; rest <= MaxRecordSlots; ++rest) slots.SlotOffset[size_t(rest)] = int32_t(total);
      return result;
    }
    slots.SlotId[size_t(slot)] = header->Id;
    slots.RecordCount = slot;
    DecodeSink sink{std::span<uint8_t>(slots.GameFileBuf).subspan(total)};
    DecodeSectionData(in, header->StoredLength, (header->Flag & 0xFF) != 0, sink);
    if (sink.Overflow) {
      // The slot being decoded stays empty and is not counted as read, so
      // no writer can store it as an empty record in place of its data.
      result.TooMuchData = true;
      result.StoppedAtSlot = slot;
      slots.RecordCount = slot - 1;
      slots.SlotOffset[size_t(slot)] = int32_t(total);
      for (int rest = slot + 1; rest <= MaxRecordSlots; ++rest) slots.SlotOffset[size_t(rest)] = 0;
      return result;
    }
    slots.SlotSize[size_t(slot)] = int32_t(sink.Written);
    total += sink.Written;
  }
  result.RecordsBeyondSlots = ReadSectionRecordHeader(in, CurrentFlagWidth).has_value();
  return result;
}

void WriteSaveSection(std::vector<uint8_t>& out, int32_t id, std::span<const uint8_t> bytes, bool mapOnly) {
  if (mapOnly && !IsMapSectionId(id)) return;
  AppendSectionRecord(out, id, bytes);
}

std::vector<uint8_t> WriteSaveFile(const GameFileSlots& slots, bool mapOnly) {
  std::vector<uint8_t> out(slots.GameFileBuf.begin(), slots.GameFileBuf.begin() + GameFileHeaderSize);
  const std::span<const uint8_t> buf(slots.GameFileBuf);
  for (int slot = 1; slot <= MaxRecordSlots; ++slot) {
    const int32_t size = slots.SlotSize[size_t(slot)];
    const bool present = slot <= slots.RecordCount;
    if (size <= 0 && (mapOnly || !present)) continue;
    const size_t offset = size_t(std::max(0, slots.SlotOffset[size_t(slot)]));
    const size_t count = std::min(size_t(std::max(0, size)), buf.size() - std::min(offset, buf.size()));
    WriteSaveSection(out, slots.SlotId[size_t(slot)], buf.subspan(std::min(offset, buf.size()), count), mapOnly);
  }
  return out;
}

}  // namespace qrl
