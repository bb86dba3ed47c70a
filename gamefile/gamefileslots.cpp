#include "gamefile/gamefileslots.h"

#include <algorithm>

#include "gamefile/bytereader.h"
#include "gamefile/magic.h"
#include "gamefile/mapsections.h"
#include "gamefile/sectionrecord.h"
#include "gamefile/sectionrle.h"

namespace qrl {

namespace {

// The end of the part of the buffer that may hold nonzero bytes: what the last
// record loop wrote, and every slot's bytes and the loaded image (the editors
// write only there, also into tables set by hand).
size_t DirtyEnd(const GameFileSlots& slots) {
  size_t end = slots.LoopWrittenEnd;
  size_t image = 0;
  for (int slot = 0; slot < SlotCount; ++slot) {
    const size_t size = size_t(std::max(0, slots.SlotSize[size_t(slot)]));
    end = std::max(end, size_t(std::max(0, slots.SlotOffset[size_t(slot)])) + size);
    image += size;
  }
  return std::min(std::max(end, image), slots.GameFileBuf.size());
}

// The buffer as a fresh one: GameFileBufSize zero bytes.
void ClearBuffer(GameFileSlots& slots) {
  if (slots.GameFileBuf.size() == GameFileBufSize) {
    std::fill_n(slots.GameFileBuf.begin(), DirtyEnd(slots), uint8_t(0));
  } else {
    slots.GameFileBuf.assign(GameFileBufSize, 0);
  }
  slots.LoopWrittenEnd = 0;
}

}  // namespace

RecordLoopResult ReadSaveFileRecords(std::span<const uint8_t> file, GameFileSlots& slots) {
  RecordLoopResult result;
  ClearBuffer(slots);
  slots.SlotOffset.fill(0);
  slots.SlotSize.fill(0);
  slots.SlotId.fill(0);
  slots.RecordCount = 0;

  ByteReader in(file);
  in.ReadInto(slots.GameFileBuf.data(), GameFileHeaderSize);
  slots.SlotSize[0] = int32_t(GameFileHeaderSize);
  size_t total = GameFileHeaderSize;
  slots.LoopWrittenEnd = total;

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
    slots.LoopWrittenEnd = total + sink.Written;
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
