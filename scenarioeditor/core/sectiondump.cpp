#include "scenarioeditor/core/sectiondump.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

#include "gamefile/fileio.h"
#include "scenarioeditor/core/dicerolls.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

namespace {

constexpr const char* IdFormat = "%3d";
constexpr const char* SizeFormat = "%7d";
constexpr const char* AddressFormat = " %06X";
constexpr const char* StatsTotalFormat = "%" PRId64 " bytes in %s\r\n";
constexpr const char* StatsHeading = "Sect  Size(d)  Address(h)\r\n";
constexpr const char* StatsLineFormat = "%3d  %7d   %6X\r\n";
// Room for any line but the total's (whose file name has no bound).
constexpr size_t FormatBufferSize = 64;

template <class... Args>
std::string Format(const char* format, Args... args) {
  char text[FormatBufferSize];
  const int n = std::snprintf(text, sizeof text, format, args...);
  return std::string(text, size_t(std::clamp(n, 0, int(sizeof text) - 1)));
}

bool NonEmpty(const GameFileSlots& fileSlots, int slot) { return fileSlots.SlotSize[size_t(slot)] > 0; }

std::span<uint8_t> LoadedImage(GameFileSlots& fileSlots) {
  return std::span<uint8_t>(fileSlots.GameFileBuf).first(size_t(LoadedImageSize(fileSlots)));
}

// The file over the first bytes of target; refused when it would not fit.
std::optional<BoxMessage> PutDumpBytes(ScenarioDocument& doc, std::span<uint8_t> target,
                                       std::span<const uint8_t> file) {
  if (file.size() > target.size()) return DumpBoxes::TooLarge;
  std::copy(file.begin(), file.end(), target.begin());
  doc.Changes.Note();
  return std::nullopt;
}

// What a dump load reads of the file: one byte more than it may take, so
// that a larger file is told apart without reading all of it.
std::optional<std::vector<uint8_t>> ReadDumpFile(const std::string& path, size_t limit) {
  return ReadFileStart(path, limit + 1);
}

}  // namespace

DumpListing ListDumpSlots(const GameFileSlots& fileSlots) {
  DumpListing listing;
  for (int slot = 0; slot < SlotCount; ++slot)
    if (NonEmpty(fileSlots, slot)) listing.RowSlots.push_back(slot);
  listing.Label = std::to_string(listing.RowSlots.size()) + std::string(DumpTexts::LabelSuffix);
  listing.Cells.SetRowCount(int(listing.RowSlots.size()) + 1);
  for (int col = 0; col < DumpColumnCount; ++col)
    listing.Cells.SetCell(col, 0, TableText(DumpTexts::Headings[size_t(col)]));
  for (size_t i = 0; i < listing.RowSlots.size(); ++i) {
    const size_t slot = size_t(listing.RowSlots[i]);
    const int row = int(i) + 1;
    listing.Cells.SetCell(0, row, QString::fromStdString(Format(IdFormat, fileSlots.SlotId[slot])));
    listing.Cells.SetCell(1, row, QString::fromStdString(Format(SizeFormat, fileSlots.SlotSize[slot])));
    listing.Cells.SetCell(2, row, QString::fromStdString(Format(AddressFormat, uint32_t(fileSlots.SlotOffset[slot]))));
  }
  return listing;
}

void DumpSelection::Rebuilt(const DumpListing& listing) {
  if (listing.RowSlots != ListedSlots) SelectedRow = 0;
  ListedSlots = listing.RowSlots;
}

void DumpSelection::SelectRow(int row) {
  if (row >= 1 && row <= int(ListedSlots.size())) SelectedRow = row;
}

int DumpSelection::SelectedSlot() const { return SelectedRow == 0 ? 0 : ListedSlots[size_t(SelectedRow - 1)]; }

int64_t LoadedImageSize(const GameFileSlots& fileSlots) {
  int64_t total = 0;
  for (int32_t size : fileSlots.SlotSize) total += std::max(0, size);
  return std::min(total, int64_t(fileSlots.GameFileBuf.size()));
}

std::vector<uint8_t> AllSectionsDump(const GameFileSlots& fileSlots) {
  std::vector<uint8_t> bytes;
  for (int slot = 0; slot < SlotCount; ++slot) {
    const std::span<const uint8_t> part = SlotBytes(fileSlots, slot);
    bytes.insert(bytes.end(), part.begin(), part.end());
  }
  return bytes;
}

std::span<const uint8_t> SectionDump(const GameFileSlots& fileSlots, int slot) { return SlotBytes(fileSlots, slot); }

std::string DumpStatsText(const GameFileSlots& fileSlots, std::string_view currentFile) {
  int64_t total = 0;
  for (int32_t size : fileSlots.SlotSize) total += size;
  std::string text = Format(StatsTotalFormat, total, "");
  // The file name goes in after formatting: it may be longer than any buffer.
  text.insert(text.size() - 2, currentFile);
  text += StatsHeading;
  for (int slot = 0; slot < SlotCount; ++slot)
    if (NonEmpty(fileSlots, slot))
      text += Format(StatsLineFormat, fileSlots.SlotId[size_t(slot)], fileSlots.SlotSize[size_t(slot)],
                     uint32_t(fileSlots.SlotOffset[size_t(slot)]));
  return text;
}

std::optional<BoxMessage> SaveDump(const std::string& path, std::span<const uint8_t> bytes) {
  if (!SafeSaveFile(path, bytes)) return DumpBoxes::CouldNotWrite;
  return std::nullopt;
}

std::optional<BoxMessage> LoadAllDumpBytes(ScenarioDocument& doc, std::span<const uint8_t> file) {
  return PutDumpBytes(doc, LoadedImage(doc.Slots), file);
}

std::optional<BoxMessage> LoadSectionDumpBytes(ScenarioDocument& doc, int slot, std::span<const uint8_t> file) {
  return PutDumpBytes(doc, SlotBytes(doc.Slots, slot), file);
}

std::optional<BoxMessage> LoadAllDump(ScenarioDocument& doc, const std::string& path) {
  const auto file = ReadDumpFile(path, size_t(LoadedImageSize(doc.Slots)));
  if (!file) return DumpBoxes::CouldNotRead;
  return LoadAllDumpBytes(doc, *file);
}

std::optional<BoxMessage> LoadSectionDump(ScenarioDocument& doc, int slot, const std::string& path) {
  const auto file = ReadDumpFile(path, SlotBytes(doc.Slots, slot).size());
  if (!file) return DumpBoxes::CouldNotRead;
  return LoadSectionDumpBytes(doc, slot, *file);
}

}  // namespace qrl::scen
