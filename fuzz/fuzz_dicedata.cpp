// Any bytes as a dice-data file: the loader must take them without reading
// outside its buffers, and a load either replaces the table whole or leaves it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "scenarioeditor/core/dicedata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qrl::scen;
  static DiceTable table;
  int32_t countBefore = table.DiceCount;
  DiceLoadOutcome outcome = LoadDiceData({data, size}, table);
  bool loaded = outcome.Status == DiceLoadStatus::Loaded || outcome.Status == DiceLoadStatus::Truncated;
  if (table.DiceCount < 0 || table.DiceCount > MaxDiceSets) std::abort();
  if (!loaded && table.DiceCount != countBefore) std::abort();
  if (loaded && table.DiceCount < 1) std::abort();
  if ((outcome.Status == DiceLoadStatus::Loaded) == bool(outcome.Box)) std::abort();
  return 0;
}
