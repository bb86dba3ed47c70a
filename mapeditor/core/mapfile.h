#pragma once
// Loading a map from a game file and saving it as a map-only game file. The
// window handlers turn the outcomes into their boxes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "mapeditor/core/mapdocument.h"

namespace qrl::map {

enum class MapLoadStatus {
  Loaded,
  NotKxqrl,        // first line is no current-game magic
  MissingSection,  // a section the map cannot do without is absent or too short
  TooLarge,        // the decoded map sections do not fit into MapFileBuf
};

struct MapLoadOutcome {
  MapLoadStatus Status = MapLoadStatus::Loaded;
  int32_t SectionId = 0;  // the missing section, for MissingSection
};

// Sections whose absence refuses a load (the base layer and the map size);
// the other map sections may be missing and are then taken as empty, and a
// save writes them as empty records.
bool IsRequiredMapSection(int32_t id);
// Sections 38 and 39 must hold at least their 16-bit value.
inline constexpr int32_t MapSizeSectionMinBytes = 2;

// Decodes the map sections of the file into a fresh document and, only when
// that succeeds, replaces doc with it (SectionWanted carried over). On any
// other outcome doc is left exactly as it was.
MapLoadOutcome LoadMapFromGameFile(std::span<const uint8_t> file, MapDocument& doc);
// The same, decoding into `scratch` (MapFileBufSize bytes, whatever they
// hold) instead of fresh memory: callers that load many files keep one.
MapLoadOutcome LoadMapFromGameFile(std::span<const uint8_t> file, MapDocument& doc, std::span<uint8_t> scratch);

// The bytes of "Save QRL Map": the header ("KXQRL_SAVE_V101" when section 2 is
// larger than 16000 bytes, else "KXQRL_SAVE_V100", then zeros to byte 19) and
// one record per wanted section id 2..48 ascending, empty ones included.
std::vector<uint8_t> BuildMapFile(const MapDocument& doc);

}  // namespace qrl::map
