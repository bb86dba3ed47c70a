#include "scenarioeditor/core/recordlayout.h"

#include <algorithm>
#include <type_traits>

#include "gamefile/bytes.h"

namespace qrl::scen {

using namespace RecordLayout;

namespace {

// One implementation for the const and the mutable accessors.
template <typename Slots>
auto SlotSpan(Slots& fileSlots, int slot) {
  using Byte = std::conditional_t<std::is_const_v<Slots>, const uint8_t, uint8_t>;
  std::span<Byte> buf(fileSlots.GameFileBuf);
  if (slot < 0 || slot >= SlotCount) return std::span<Byte>();
  const int64_t offset = fileSlots.SlotOffset[size_t(slot)];
  const int64_t size = fileSlots.SlotSize[size_t(slot)];
  if (offset < 0 || size <= 0 || offset >= int64_t(buf.size())) return std::span<Byte>();
  return buf.subspan(size_t(offset), size_t(std::min<int64_t>(size, int64_t(buf.size()) - offset)));
}

template <typename Slots>
auto RecordSpan(Slots& fileSlots, int slot, int64_t offset, int64_t size) {
  auto bytes = SlotSpan(fileSlots, slot);
  using Span = decltype(bytes);
  if (offset < 0 || size <= 0 || offset > int64_t(bytes.size()) || size > int64_t(bytes.size()) - offset) return Span();
  return bytes.subspan(size_t(offset), size_t(size));
}

int64_t UnitIndex(int side, int unit) { return int64_t(side) * UnitsPerSide + unit; }

// Out-of-range pairs map to an offset no slot can hold.
int64_t RecordOffset(int side, int unit, int64_t recordSize) {
  return IsUnitSlot(side, unit) ? UnitIndex(side, unit) * recordSize : -1;
}

}  // namespace

std::span<uint8_t> SlotBytes(GameFileSlots& fileSlots, int slot) { return SlotSpan(fileSlots, slot); }
std::span<const uint8_t> SlotBytes(const GameFileSlots& fileSlots, int slot) { return SlotSpan(fileSlots, slot); }

std::span<uint8_t> RecordInSlot(GameFileSlots& fileSlots, int slot, int64_t offset, int64_t size) {
  return RecordSpan(fileSlots, slot, offset, size);
}
std::span<const uint8_t> RecordInSlot(const GameFileSlots& fileSlots, int slot, int64_t offset, int64_t size) {
  return RecordSpan(fileSlots, slot, offset, size);
}

bool IsUnitSlot(int side, int unit) { return side >= 0 && side < SideCount && unit >= 0 && unit < UnitsPerSide; }

std::span<uint8_t> UnitRecordAt(GameFileSlots& fileSlots, int side, int unit) {
  return RecordSpan(fileSlots, UnitSlot, RecordOffset(side, unit, UnitRecordSize), UnitRecordSize);
}
std::span<const uint8_t> UnitRecordAt(const GameFileSlots& fileSlots, int side, int unit) {
  return RecordSpan(fileSlots, UnitSlot, RecordOffset(side, unit, UnitRecordSize), UnitRecordSize);
}
std::span<uint8_t> LeaderRecordAt(GameFileSlots& fileSlots, int side, int unit) {
  return RecordSpan(fileSlots, LeaderSlot, RecordOffset(side, unit, LeaderRecordSize), LeaderRecordSize);
}
std::span<const uint8_t> LeaderRecordAt(const GameFileSlots& fileSlots, int side, int unit) {
  return RecordSpan(fileSlots, LeaderSlot, RecordOffset(side, unit, LeaderRecordSize), LeaderRecordSize);
}
std::span<uint8_t> PositionRecordAt(GameFileSlots& fileSlots, int side, int unit) {
  return RecordSpan(fileSlots, PositionSlot, RecordOffset(side, unit, PositionRecordSize), PositionRecordSize);
}
std::span<const uint8_t> PositionRecordAt(const GameFileSlots& fileSlots, int side, int unit) {
  return RecordSpan(fileSlots, PositionSlot, RecordOffset(side, unit, PositionRecordSize), PositionRecordSize);
}
std::span<uint8_t> GameDataRecordAt(GameFileSlots& fileSlots) {
  return RecordSpan(fileSlots, GameDataSlot, 0, GameDataRecordSize);
}
std::span<const uint8_t> GameDataRecordAt(const GameFileSlots& fileSlots) {
  return RecordSpan(fileSlots, GameDataSlot, 0, GameDataRecordSize);
}
std::span<uint8_t> PrestigeAt(GameFileSlots& fileSlots) { return RecordSpan(fileSlots, PrestigeSlot, 0, PrestigeSize); }
std::span<const uint8_t> PrestigeAt(const GameFileSlots& fileSlots) {
  return RecordSpan(fileSlots, PrestigeSlot, 0, PrestigeSize);
}
std::span<const uint8_t> MapWidthAt(const GameFileSlots& fileSlots) {
  return RecordSpan(fileSlots, MapWidthSlot, 0, MapSizeValueSize);
}
std::span<const uint8_t> MapHeightAt(const GameFileSlots& fileSlots) {
  return RecordSpan(fileSlots, MapHeightSlot, 0, MapSizeValueSize);
}

std::optional<uint8_t> FieldByte(std::span<const uint8_t> record, int32_t offset) {
  if (offset < 0 || size_t(offset) >= record.size()) return std::nullopt;
  return record[size_t(offset)];
}

bool SetFieldByte(std::span<uint8_t> record, int32_t offset, uint8_t value) {
  if (offset < 0 || size_t(offset) >= record.size()) return false;
  record[size_t(offset)] = value;
  return true;
}

std::optional<uint16_t> FieldLe16(std::span<const uint8_t> record, int32_t offset) {
  if (offset < 0 || size_t(offset) + 2 > record.size()) return std::nullopt;
  return ReadLe16(record.data() + offset);
}

bool SetFieldLe16(std::span<uint8_t> record, int32_t offset, uint16_t value) {
  if (offset < 0 || size_t(offset) + 2 > record.size()) return false;
  WriteLe16(record.data() + offset, value);
  return true;
}

std::string FieldText(std::span<const uint8_t> record, int32_t offset, int32_t maxBytes) {
  std::string text;
  if (offset < 0 || maxBytes <= 0) return text;
  for (size_t i = size_t(offset); i < record.size() && i < size_t(offset) + size_t(maxBytes); ++i) {
    if (record[i] == 0) break;
    text.push_back(char(record[i]));
  }
  return text;
}

bool SetFieldText(std::span<uint8_t> record, int32_t offset, int32_t fieldSize, std::string_view text) {
  if (offset < 0 || fieldSize < 0 || size_t(offset) + size_t(fieldSize) > record.size()) return false;
  for (size_t i = 0; i < size_t(fieldSize); ++i)
    record[size_t(offset) + i] = i < text.size() ? uint8_t(text[i]) : uint8_t(0);
  return true;
}

std::string UnitName(std::span<const uint8_t> unit) { return FieldText(unit, Unit::Name, Unit::NameFieldSize); }

}  // namespace qrl::scen
