#include "scenarioeditor/core/ownrecords.h"

#include "gamefile/bytes.h"

namespace qrl::scen {

using namespace RecordLayout;

namespace {

template <class Span>
Span IfOwn(const GameFileSlots& fileSlots, int slot, Span record) {
  return SlotHoldsOwnSection(fileSlots, slot) ? record : Span();
}

int32_t SizeValue(std::span<const uint8_t> value) { return FieldLe16(value, 0).value_or(0); }

}  // namespace

bool SlotHoldsOwnSection(const GameFileSlots& fileSlots, int slot) {
  return slot > 0 && slot < SlotCount && fileSlots.SlotId[size_t(slot)] == slot;
}

std::span<uint8_t> OwnUnitRecord(GameFileSlots& fileSlots, int side, int unit) {
  return IfOwn(fileSlots, UnitSlot, UnitRecordAt(fileSlots, side, unit));
}
std::span<const uint8_t> OwnUnitRecord(const GameFileSlots& fileSlots, int side, int unit) {
  return IfOwn(fileSlots, UnitSlot, UnitRecordAt(fileSlots, side, unit));
}
std::span<uint8_t> OwnPositionRecord(GameFileSlots& fileSlots, int side, int unit) {
  return IfOwn(fileSlots, PositionSlot, PositionRecordAt(fileSlots, side, unit));
}
std::span<const uint8_t> OwnPositionRecord(const GameFileSlots& fileSlots, int side, int unit) {
  return IfOwn(fileSlots, PositionSlot, PositionRecordAt(fileSlots, side, unit));
}
std::span<uint8_t> OwnGameDataRecord(GameFileSlots& fileSlots) {
  return IfOwn(fileSlots, GameDataSlot, GameDataRecordAt(fileSlots));
}
std::span<const uint8_t> OwnGameDataRecord(const GameFileSlots& fileSlots) {
  return IfOwn(fileSlots, GameDataSlot, GameDataRecordAt(fileSlots));
}
std::span<uint8_t> OwnPrestige(GameFileSlots& fileSlots) { return IfOwn(fileSlots, PrestigeSlot, PrestigeAt(fileSlots)); }
std::span<const uint8_t> OwnPrestige(const GameFileSlots& fileSlots) {
  return IfOwn(fileSlots, PrestigeSlot, PrestigeAt(fileSlots));
}

int32_t OwnMapWidth(const GameFileSlots& fileSlots) {
  return SizeValue(IfOwn(fileSlots, MapWidthSlot, MapWidthAt(fileSlots)));
}
int32_t OwnMapHeight(const GameFileSlots& fileSlots) {
  return SizeValue(IfOwn(fileSlots, MapHeightSlot, MapHeightAt(fileSlots)));
}

int32_t OwnRowsPerColumn(const GameFileSlots& fileSlots) {
  const int32_t size = int32_t(IfOwn(fileSlots, MapLayoutSlot, SlotBytes(fileSlots, MapLayoutSlot)).size());
  return StrideForBaseLayerSize(size);
}

std::span<const uint8_t> OwnMapHexRecord(const GameFileSlots& fileSlots, int32_t x, int32_t y, int32_t rowsPerColumn) {
  if (x < 0 || y < 0 || y >= rowsPerColumn) return {};
  const int64_t offset = (int64_t(x) * rowsPerColumn + y) * MapHexRecordSize;
  return IfOwn(fileSlots, MapHexSlot, RecordInSlot(fileSlots, MapHexSlot, offset, MapHexRecordSize));
}

}  // namespace qrl::scen
