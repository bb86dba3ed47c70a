#pragma once
// Game files of the two older generations, built from their formats: KX2
// ("BRUND2_SAVE_V100", 12-byte hex records) and KX3 ("BRUND3_SAVE_V100",
// 19-byte hex records), both with 13-byte tile stacks, 80 rows per column
// and a 1-byte packed flag in each record.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>

#include "tests/support/gamefilebuilder.h"

namespace qrl::test {

enum class OldGeneration { Kx2, Kx3 };

class OldMapBuilder {
 public:
  static constexpr int Stride = 80;

  // A map of `columns` columns of 80 rows: tile layers 2..7 empty (0xFFFF),
  // hex records and stacks zero, section 29 zero, sections 16 and 20 a few
  // recognisable bytes, 38 and 39 holding `width` and `height`.
  explicit OldMapBuilder(OldGeneration generation, int columns = 100, int width = 100, int height = 80);

  OldMapBuilder& Tile(int layer, int col, int row, uint16_t word);
  // The older hex record (12 or 19 bytes) of the hex.
  std::span<uint8_t> HexRecord(int col, int row);
  // Stack of the hex: the count and up to six words.
  OldMapBuilder& Stack(int col, int row, uint8_t count, std::initializer_list<uint16_t> words);
  OldMapBuilder& Set(int id, Bytes bytes);
  OldMapBuilder& Drop(int id);
  Bytes& SectionBytes(int id) { return Sections.at(id); }

  // The header with the generation's magic (or `magic`), then one record per
  // section in ascending id order, packed when smaller.
  Bytes Build(std::optional<std::string_view> magic = std::nullopt) const;

  int HexRecordSize() const;

 private:
  OldGeneration Generation;
  std::map<int, Bytes> Sections;
};

}  // namespace qrl::test
