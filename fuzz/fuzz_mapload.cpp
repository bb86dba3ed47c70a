// Any bytes through "Load QRL Map": a refused load leaves the document as it
// was; an accepted one saves, and the saved file loads back to the same bytes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "mapeditor/core/mapfile.h"

namespace {

using qrl::map::MapDocument;

MapDocument& Started(MapDocument& d) {
  d.MarkWantedSections();
  return d;
}

// What the document is: its tables and the bytes its sections lie in (every
// section lies below the fill). Taken once per accepted load, so that a
// refused one is checked without encoding the whole map again.
struct DocumentState {
  std::array<int32_t, qrl::map::SectionTableSize> Offset{};
  std::array<int32_t, qrl::map::SectionTableSize> Size{};
  int32_t Fill = 0;
  std::array<uint8_t, qrl::map::SectionWantedSize> Wanted{};
  int32_t Kind = 0, Stride = 0, Width = 0, Height = 0;
  std::vector<uint8_t> Bytes;

  static DocumentState Of(const MapDocument& d) {
    const size_t used = size_t(std::clamp<int32_t>(d.MapFileBufFill, 0, qrl::map::MapFileBufSize));
    return {d.SectionOffset, d.SectionSize, d.MapFileBufFill, d.SectionWanted, d.MapKind, d.MapStride, d.MapWidth,
            d.MapHeight, std::vector<uint8_t>(d.MapFileBuf.begin(), d.MapFileBuf.begin() + long(used))};
  }
  bool Is(const MapDocument& d) const {
    return Offset == d.SectionOffset && Size == d.SectionSize && Fill == d.MapFileBufFill &&
           Wanted == d.SectionWanted && Kind == d.MapKind && Stride == d.MapStride && Width == d.MapWidth &&
           Height == d.MapHeight && std::equal(Bytes.begin(), Bytes.end(), d.MapFileBuf.begin());
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static MapDocument& doc = Started(*new MapDocument);
  static MapDocument& again = Started(*new MapDocument);
  static DocumentState& before = *new DocumentState(DocumentState::Of(doc));
  // Reused: fresh memory for each load costs more page faults than the load.
  static std::vector<uint8_t>& scratch = *new std::vector<uint8_t>(size_t(qrl::map::MapFileBufSize));
  auto outcome = qrl::map::LoadMapFromGameFile({data, size}, doc, scratch);
  if (outcome.Status != qrl::map::MapLoadStatus::Loaded) {
    if (!before.Is(doc)) __builtin_trap();
    return 0;
  }
  before = DocumentState::Of(doc);
  const auto saved = qrl::map::BuildMapFile(doc);
  if (qrl::map::LoadMapFromGameFile(saved, again, scratch).Status != qrl::map::MapLoadStatus::Loaded) __builtin_trap();
  if (qrl::map::BuildMapFile(again) != saved) __builtin_trap();
  return 0;
}
