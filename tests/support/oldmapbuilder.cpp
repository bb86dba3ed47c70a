#include "tests/support/oldmapbuilder.h"

#include "gamefile/bytes.h"
#include "gamefile/sectionrle.h"

namespace qrl::test {

namespace {

constexpr int Kx2HexRecordBytes = 12;
constexpr int Kx3HexRecordBytes = 19;
constexpr int OldStackBytes = 13;

Bytes SizeValue(int value) {
  Bytes b(2);
  WriteLe16(b.data(), uint16_t(value));
  return b;
}

}  // namespace

OldMapBuilder::OldMapBuilder(OldGeneration generation, int columns, int width, int height) : Generation(generation) {
  const size_t hexes = size_t(columns) * Stride;
  for (int id = 2; id <= 7; ++id) Sections[id] = Bytes(hexes * 2, 0xFF);
  Sections[8] = Bytes(hexes * size_t(HexRecordSize()), 0);
  Sections[16] = Bytes{16, 1, 2, 3};
  Sections[20] = Bytes{20, 4, 5};
  Sections[28] = Bytes(hexes * OldStackBytes, 0);
  Sections[29] = Bytes(hexes, 0);
  Sections[38] = SizeValue(width);
  Sections[39] = SizeValue(height);
}

int OldMapBuilder::HexRecordSize() const {
  return Generation == OldGeneration::Kx2 ? Kx2HexRecordBytes : Kx3HexRecordBytes;
}

OldMapBuilder& OldMapBuilder::Tile(int layer, int col, int row, uint16_t word) {
  WriteLe16(Sections.at(layer).data() + 2 * size_t(col * Stride + row), word);
  return *this;
}

std::span<uint8_t> OldMapBuilder::HexRecord(int col, int row) {
  const size_t size = size_t(HexRecordSize());
  return std::span<uint8_t>(Sections.at(8)).subspan(size * size_t(col * Stride + row), size);
}

OldMapBuilder& OldMapBuilder::Stack(int col, int row, uint8_t count, std::initializer_list<uint16_t> words) {
  uint8_t* stack = Sections.at(28).data() + OldStackBytes * size_t(col * Stride + row);
  stack[0] = count;
  int k = 0;
  for (uint16_t w : words) WriteLe16(stack + 1 + 2 * k++, w);
  return *this;
}

OldMapBuilder& OldMapBuilder::Set(int id, Bytes bytes) {
  Sections[id] = std::move(bytes);
  return *this;
}

OldMapBuilder& OldMapBuilder::Drop(int id) {
  Sections.erase(id);
  return *this;
}

Bytes OldMapBuilder::Build(std::optional<std::string_view> magic) const {
  GameFileBuilder file(magic ? *magic : Generation == OldGeneration::Kx2 ? "BRUND2_SAVE_V100" : "BRUND3_SAVE_V100");
  for (const auto& [id, bytes] : Sections) {
    if (SectionRlePackedSize(bytes) < bytes.size()) {
      Bytes packed;
      SectionRleEncode(bytes, packed);
      file.OldRecord(id, packed, 1);
    } else {
      file.OldRecord(id, bytes, 0);
    }
  }
  return file.Build();
}

}  // namespace qrl::test
