#pragma once
// The dump window without its controls: the listing of the image's slots,
// the three files it writes (the whole image, one slot, a text listing) and
// the two loads of such dumps back into the image. Slots are positions in the
// file (slot 0 the 20-byte header), not section ids. The loads change only
// image bytes: never the slot tables, CurrentFile or the game kind.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/scenariodocument.h"

namespace qrl::scen {

namespace DumpTexts {
inline constexpr std::string_view LabelSuffix = " Sections";
inline constexpr std::array<std::string_view, 3> Headings = {"Sect", " Size", " Address"};
inline constexpr std::string_view AllFilter = "All Sections (*.all)|*.all|All Files(*.*)|*.*";
inline constexpr std::string_view SectionFilter = "Sections (*.s*)|*.s*|All Files(*.*)|*.*";
inline constexpr std::string_view LoadAllTitle = "Load a Dump File";
inline constexpr std::string_view LoadSectionTitle = "Load a Section Dump File";
}  // namespace DumpTexts

namespace DumpBoxes {
inline const BoxMessage CouldNotWrite{"Could not open output file", "Error"};
inline const BoxMessage CouldNotRead{"Could not open file", "Error"};
inline const BoxMessage TooLarge{"The file is larger than the data it would replace; nothing was read.", "Error"};
}  // namespace DumpBoxes

inline constexpr int DumpColumnCount = 3;

// The non-empty slots in slot order, one grid row each below the headings.
struct DumpListing {
  std::vector<int> RowSlots;  // grid row r >= 1 shows slot RowSlots[r - 1]
  std::string Label;          // "<n> Sections"
  CellTable Cells{DumpColumnCount, 1};
};
DumpListing ListDumpSlots(const GameFileSlots& fileSlots);

// The dump grid's Tag: the row last selected, 0 while none is. A rebuild
// that lists other slots than the one before drops it, since its row would
// now stand for another slot.
class DumpSelection {
 public:
  void Rebuilt(const DumpListing& listing);
  void SelectRow(int row);
  int Tag() const { return SelectedRow; }
  // The slot of "Section" and "Ld Sec": that of row Tag, the header (0)
  // while Tag is 0.
  int SelectedSlot() const;

 private:
  int SelectedRow = 0;
  std::vector<int> ListedSlots;
};

// The sum of SlotSize over all slots, kept within the image: the extent of
// the image as loaded, whose slots lie back to back from byte 0.
int64_t LoadedImageSize(const GameFileSlots& fileSlots);

// The whole-image dump: every non-empty slot's bytes in slot order, nothing else.
std::vector<uint8_t> AllSectionsDump(const GameFileSlots& fileSlots);
// A section dump: the slot's decoded bytes and nothing else (empty for a slot
// outside 0..99).
std::span<const uint8_t> SectionDump(const GameFileSlots& fileSlots, int slot);
// The text listing: total and file, heading, one line per non-empty slot,
// each line ending in CR LF.
std::string DumpStatsText(const GameFileSlots& fileSlots, std::string_view currentFile);

// Writes a dump through the safe save: nullopt, or the box of a failed write
// (the old file is then as it was).
std::optional<BoxMessage> SaveDump(const std::string& path, std::span<const uint8_t> bytes);

// "Load All": the file's bytes over the image from byte 0 on. "Ld Sec": over
// slot `slot` from its first byte on. A file larger than what it would
// replace is refused, one that does not read gives the open box; either way
// the image is unchanged. A shorter file replaces only the first bytes. A
// successful load notes a change of the image.
std::optional<BoxMessage> LoadAllDump(ScenarioDocument& doc, const std::string& path);
std::optional<BoxMessage> LoadSectionDump(ScenarioDocument& doc, int slot, const std::string& path);
// The same for a file's bytes already read.
std::optional<BoxMessage> LoadAllDumpBytes(ScenarioDocument& doc, std::span<const uint8_t> file);
std::optional<BoxMessage> LoadSectionDumpBytes(ScenarioDocument& doc, int slot, std::span<const uint8_t> file);

}  // namespace qrl::scen
