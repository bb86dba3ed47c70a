#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/fileio.h"
#include "gamefile/gamefileslots.h"
#include "gamefile/magic.h"
#include "gamefile/sectionrecord.h"
#include "scenarioeditor/core/editorsession.h"

namespace {

using namespace qrl;
using namespace qrl::scen;
using Bytes = std::vector<uint8_t>;

constexpr int Records = 99;
// 99 sections of this size decode to 4,989,600 bytes, just below the buffer.
constexpr size_t SectionBytes = 50'400;

// Half runs that pack well, half bytes that do not, as game files mix them.
Bytes LargeGameFile() {
  Bytes file(GameFileHeaderSize, 0);
  std::copy(MagicKxqrlV101.begin(), MagicKxqrlV101.end(), file.begin());
  uint32_t noise = 12345;
  for (int id = 1; id <= Records; ++id) {
    Bytes section(SectionBytes);
    for (size_t i = 0; i < section.size(); ++i) {
      noise = noise * 1103515245u + 12345u;
      section[i] = (i / 512) % 2 == 0 ? uint8_t(id + i / 64) : uint8_t(noise >> 16);
    }
    AppendSectionRecord(file, id, section);
  }
  return file;
}

struct TempFolder {
  std::filesystem::path Path = std::filesystem::temp_directory_path() / "qrl-bench-scenario";
  TempFolder() { std::filesystem::create_directories(Path); }
  ~TempFolder() { std::filesystem::remove_all(Path); }
  std::string File(const char* name) const { return (Path / name).string(); }
};

std::string WriteLargeFile(const TempFolder& folder) {
  const std::string path = folder.File("SCEN099.DAT");
  SafeSaveFile(path, LargeGameFile());
  return path;
}

void BM_LoadLargeGameFile(benchmark::State& state) {
  TempFolder folder;
  const std::string path = WriteLargeFile(folder);
  ScenarioDocument doc;
  for (auto _ : state) {
    LoadOutcome outcome = ReadSaveFile(doc, path);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["decoded_bytes"] = double(doc.Slots.SlotOffset[Records] + doc.Slots.SlotSize[Records]);
}
BENCHMARK(BM_LoadLargeGameFile)->Unit(benchmark::kMillisecond);

void BM_SaveWholeLargeGameFile(benchmark::State& state) {
  TempFolder folder;
  ScenarioDocument doc;
  doc.GameKind = CurrentGameKind;
  ReadSaveFile(doc, WriteLargeFile(folder));
  const std::string target = folder.File("copy.dat");
  for (auto _ : state) {
    auto failure = SaveWholeFile(doc, target);
    benchmark::DoNotOptimize(failure);
  }
}
BENCHMARK(BM_SaveWholeLargeGameFile)->Unit(benchmark::kMillisecond);

// The encoding alone, without the file system (the safe save syncs the file).
void BM_EncodeWholeLargeGameFile(benchmark::State& state) {
  TempFolder folder;
  ScenarioDocument doc;
  ReadSaveFile(doc, WriteLargeFile(folder));
  for (auto _ : state) benchmark::DoNotOptimize(WriteSaveFile(doc.Slots, false));
}
BENCHMARK(BM_EncodeWholeLargeGameFile)->Unit(benchmark::kMillisecond);

GameFileSlots FullSide() {
  Bytes file(GameFileHeaderSize, 0);
  std::copy(MagicKxqrlV100.begin(), MagicKxqrlV100.end(), file.begin());
  for (int id = 1; id <= 34; ++id) {
    const size_t size = id == 1    ? size_t(SideCount) * RecordLayout::SideUnitBytes
                        : id == 34 ? size_t(UnitSlotCount) * RecordLayout::LeaderRecordSize
                                   : 16;
    Bytes section(size, 0);
    if (id == 1) {
      for (int k = 0; k < UnitsPerSide; ++k) {
        uint8_t* u = &section[size_t(k) * RecordLayout::UnitRecordSize];
        std::snprintf(reinterpret_cast<char*>(u), 16, "Unit %d", k);
        u[RecordLayout::Unit::Formation] = uint8_t(k / 4);
        u[RecordLayout::Unit::FormationNumber] = uint8_t(k % 4 + 1);
        u[RecordLayout::Unit::InUse] = 1;
      }
    }
    if (id == 34) {
      for (int k = 0; k < UnitsPerSide; ++k)
        std::snprintf(reinterpret_cast<char*>(&section[size_t(k) * RecordLayout::LeaderRecordSize]), 14, "Lt/Leader%d", k);
    }
    AppendSectionRecord(file, id, section);
  }
  GameFileSlots result;
  ReadSaveFileRecords(file, result);
  return result;
}

void BM_FillUnitGrid400Rows(benchmark::State& state) {
  const GameFileSlots fileSlots = FullSide();
  UnitGridState grid;
  for (auto _ : state) {
    FillUnitGrid(fileSlots, grid, 0);
    benchmark::DoNotOptimize(grid.Cells);
  }
  state.counters["rows"] = grid.UnitCount[0];
}
BENCHMARK(BM_FillUnitGrid400Rows)->Unit(benchmark::kMicrosecond);

void BM_StoreUnitGrid400Rows(benchmark::State& state) {
  GameFileSlots fileSlots = FullSide();
  UnitGridState grid;
  FillUnitGrid(fileSlots, grid, 0);
  for (auto _ : state) StoreUnitGrid(fileSlots, grid);
}
BENCHMARK(BM_StoreUnitGrid400Rows)->Unit(benchmark::kMicrosecond);

}  // namespace
