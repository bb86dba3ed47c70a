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

namespace {

// The bytes of a slot, clipped to the buffer.
std::span<const uint8_t> ClippedSlot(const GameFileSlots& slots, int slot) {
  const std::span<const uint8_t> buf(slots.GameFileBuf);
  const size_t offset = std::min(size_t(std::max(0, slots.SlotOffset[size_t(slot)])), buf.size());
  const size_t count = std::min(size_t(std::max(0, slots.SlotSize[size_t(slot)])), buf.size() - offset);
  return buf.subspan(offset, count);
}

}  // namespace

std::vector<uint8_t> WriteSaveFile(const GameFileSlots& slots, bool mapOnly) {
  std::vector<uint8_t> out;
  WriteSaveFile(slots, mapOnly, out);
  return out;
}

void WriteSaveFile(const GameFileSlots& slots, bool mapOnly, std::vector<uint8_t>& out) {
  auto written = [&](int slot) {
    const bool present = slot <= slots.RecordCount;
    if (slots.SlotSize[size_t(slot)] <= 0 && (mapOnly || !present)) return false;
    return !mapOnly || IsMapSectionId(slots.SlotId[size_t(slot)]);
  };
  // Room for the whole file at once: a file of megabytes grows no vector.
  size_t bound = GameFileHeaderSize;
  for (int slot = 1; slot <= MaxRecordSlots; ++slot)
    if (written(slot)) bound += SectionRecordBound(ClippedSlot(slots, slot).size());
  out.clear();
  out.reserve(bound);
  out.assign(slots.GameFileBuf.begin(), slots.GameFileBuf.begin() + GameFileHeaderSize);
  for (int slot = 1; slot <= MaxRecordSlots; ++slot)
    if (written(slot)) WriteSaveSection(out, slots.SlotId[size_t(slot)], ClippedSlot(slots, slot), mapOnly);
}

}  // namespace qrl
