// Any bytes through "Load QRL Map": a refused load leaves the document as it
// was; an accepted one saves, and the saved file loads back to the same bytes.
#include <cstdint>

#include "mapeditor/core/mapfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static qrl::map::MapDocument doc = [] {
    qrl::map::MapDocument d;
    d.MarkWantedSections();
    return d;
  }();
  const auto before = qrl::map::BuildMapFile(doc);
  auto outcome = qrl::map::LoadMapFromGameFile({data, size}, doc);
  if (outcome.Status != qrl::map::MapLoadStatus::Loaded) {
    if (qrl::map::BuildMapFile(doc) != before) __builtin_trap();
    return 0;
  }
  auto saved = qrl::map::BuildMapFile(doc);
  static qrl::map::MapDocument again = [] {
    qrl::map::MapDocument d;
    d.MarkWantedSections();
    return d;
  }();
  if (qrl::map::LoadMapFromGameFile(saved, again).Status != qrl::map::MapLoadStatus::Loaded) __builtin_trap();
  if (qrl::map::BuildMapFile(again) != saved) __builtin_trap();
  return 0;
}
