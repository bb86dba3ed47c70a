// Any bytes as a CSV unit file pasted into either side (the first byte picks
// it) of a game whose unit slot holds both sides' records: the paste must
// stay inside that side's records.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/csvunitfile.h"
#include "scenarioeditor/core/recordlayout.h"

using namespace qrl;
using namespace qrl::scen;

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

constexpr int32_t HeaderBytes = 20;
constexpr int32_t UnitSlotBytes = SideCount * RecordLayout::SideUnitBytes;
// A slot after the units, to see that nothing runs past them.
constexpr int32_t NextSlotBytes = 64;
constexpr int32_t UsedBytes = HeaderBytes + UnitSlotBytes + NextSlotBytes;

GameFileSlots MakeGame() {
  GameFileSlots slots;
  slots.SlotOffset[1] = HeaderBytes;
  slots.SlotSize[1] = UnitSlotBytes;
  slots.SlotId[1] = 1;
  slots.SlotOffset[2] = HeaderBytes + UnitSlotBytes;
  slots.SlotSize[2] = NextSlotBytes;
  slots.SlotId[2] = 2;
  slots.RecordCount = 2;
  for (int32_t i = 0; i < UsedBytes; ++i) slots.GameFileBuf[size_t(i)] = uint8_t(i * 131 + 7);
  return slots;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static GameFileSlots game = MakeGame();
  static const std::vector<uint8_t> pristine(game.GameFileBuf.begin(), game.GameFileBuf.begin() + UsedBytes);
  if (size == 0) return 0;
  const int side = data[0] & 1;
  PasteCsvUnitFile(game, side, std::span<const uint8_t>(data + 1, size - 1));

  const size_t sideStart = size_t(HeaderBytes + side * RecordLayout::SideUnitBytes);
  const size_t sideEnd = sideStart + size_t(RecordLayout::SideUnitBytes);
  const uint8_t* now = game.GameFileBuf.data();
  Check(std::memcmp(now, pristine.data(), sideStart) == 0);
  Check(std::memcmp(now + sideEnd, pristine.data() + sideEnd, size_t(UsedBytes) - sideEnd) == 0);
  std::memcpy(game.GameFileBuf.data() + sideStart, pristine.data() + sideStart, sideEnd - sideStart);
  return 0;
}
