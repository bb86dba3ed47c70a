// Throughput of the section run-length code on realistic map sections of a
// 100 x 240 map, with a plain copy of the same bytes as the ceiling, and the
// time of a map load plus save for such a map.
#include <benchmark/benchmark.h>

#include <cstring>

#include "gamefile/bytereader.h"
#include "gamefile/sectionrecord.h"
#include "gamefile/sectionrle.h"
#include "mapeditor/core/mapfile.h"
#include "tests/support/gamefilebuilder.h"

namespace {

constexpr int Hexes = 100 * 240;

uint32_t NextNoise(uint32_t& seed) {
  seed = seed * 1103515245 + 12345;
  return (seed >> 16) & 0x7FFF;
}

// Base tile layer: patches of a few terrain tiles, each word varying within
// its terrain file, so equal byte triples are rare and literals dominate.
std::vector<uint8_t> BaseLayerSection() {
  std::vector<uint8_t> s(size_t(Hexes) * 2);
  uint32_t seed = 7;
  for (int h = 0; h < Hexes; ++h) {
    int file = 1 + (h / 53) % 4;
    uint16_t word = uint16_t(file * 250 + NextNoise(seed) % 12);
    s[size_t(h) * 2] = uint8_t(word & 0xFF);
    s[size_t(h) * 2 + 1] = uint8_t(word >> 8);
  }
  return s;
}

// An overlay layer: empty (0xFFFF) but for scattered trees and buildings.
std::vector<uint8_t> OverlaySection() {
  std::vector<uint8_t> s(size_t(Hexes) * 2, 0xFF);
  uint32_t seed = 11;
  for (int h = 0; h < Hexes; ++h) {
    if (NextNoise(seed) % 23 != 0) continue;
    s[size_t(h) * 2] = uint8_t(NextNoise(seed));
    s[size_t(h) * 2 + 1] = 0x0B;
  }
  return s;
}

// Terrain records: a few set bytes per 20-byte record between short zero runs,
// the most fragmented case for the code.
std::vector<uint8_t> TerrainSection() {
  std::vector<uint8_t> s(size_t(Hexes) * 20, 0);
  uint32_t seed = 12345;
  for (int h = 0; h < Hexes; ++h) {
    uint8_t* r = &s[size_t(h) * 20];
    int patch = (h / 37) % 5;
    r[0] = uint8_t(patch == 1 ? 0x04 : 0x01);
    r[4] = uint8_t((h / 240) % 12);
    if (NextNoise(seed) % 17 == 0) {
      r[0] |= 0x40;
      r[12] = uint8_t(NextNoise(seed) & 0x3F);
    }
    if (NextNoise(seed) % 29 == 0) r[8] = 30;
  }
  return s;
}

std::vector<uint8_t> SectionFor(int64_t kind) {
  switch (kind) {
    case 0: return BaseLayerSection();
    case 1: return OverlaySection();
    default: return TerrainSection();
  }
}

void Label(benchmark::State& state) {
  static const char* names[] = {"base layer (2)", "overlay (3)", "terrain (8)"};
  state.SetLabel(names[state.range(0)]);
}

// What the writer does: the record of the section, packed only when smaller.
void BM_RleEncode(benchmark::State& state) {
  auto section = SectionFor(state.range(0));
  std::vector<uint8_t> out;
  for (auto _ : state) {
    out.clear();
    qrl::AppendSectionRecord(out, 8, section);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(section.size()));
  state.counters["stored_ratio"] = double(out.size() - qrl::CurrentRecordHeaderSize) / double(section.size());
  Label(state);
}

// What the readers do: decode that record's data, raw or packed as stored.
void BM_RleDecode(benchmark::State& state) {
  auto section = SectionFor(state.range(0));
  std::vector<uint8_t> record;
  qrl::AppendSectionRecord(record, 8, section);
  const bool packed = record[8] != 0;
  const std::span<const uint8_t> stored(record.data() + qrl::CurrentRecordHeaderSize,
                                        record.size() - qrl::CurrentRecordHeaderSize);
  std::vector<uint8_t> dest(section.size());
  for (auto _ : state) {
    qrl::ByteReader in(stored);
    qrl::DecodeSink sink{dest};
    qrl::DecodeSectionData(in, stored.size(), packed, sink);
    benchmark::DoNotOptimize(dest.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(section.size()));
  state.counters["packed"] = packed ? 1 : 0;
  Label(state);
}

void BM_MemcpyCeiling(benchmark::State& state) {
  auto section = SectionFor(state.range(0));
  std::vector<uint8_t> dest(section.size());
  for (auto _ : state) {
    std::memcpy(dest.data(), section.data(), section.size());
    benchmark::DoNotOptimize(dest.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(section.size()));
  Label(state);
}

void BM_MapLoadAndSave100x240(benchmark::State& state) {
  auto file = qrl::test::MakeMapGameFile(100, 240, 240, "KXQRL_SAVE_V101");
  qrl::map::MapDocument doc;
  doc.MarkWantedSections();
  for (auto _ : state) {
    auto outcome = qrl::map::LoadMapFromGameFile(file, doc);
    auto saved = qrl::map::BuildMapFile(doc);
    benchmark::DoNotOptimize(outcome);
    benchmark::DoNotOptimize(saved.data());
  }
  state.counters["file_bytes"] = double(file.size());
}

BENCHMARK(BM_RleEncode)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RleDecode)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyCeiling)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MapLoadAndSave100x240)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
