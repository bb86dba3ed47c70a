#pragma once
// Builds game files byte by byte from the container's layout, for fixtures.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qrl::test {

using Bytes = std::vector<uint8_t>;

Bytes Repeat(uint8_t value, size_t count);
Bytes Concat(std::initializer_list<Bytes> parts);

class GameFileBuilder {
 public:
  // The header: the magic, a NUL, zero filler to byte 19.
  explicit GameFileBuilder(std::string_view magic = "KXQRL_SAVE_V100");

  // A record with the section packed when smaller, as the writers do.
  GameFileBuilder& Section(int32_t id, const Bytes& data);
  // A record holding the given stored bytes and flag as they stand.
  GameFileBuilder& RawRecord(int32_t id, const Bytes& stored, uint32_t flag = 0, int32_t length = -1);
  // A record of an older generation (1-byte flag).
  GameFileBuilder& OldRecord(int32_t id, const Bytes& stored, uint8_t flag = 0);
  GameFileBuilder& Append(const Bytes& bytes);

  const Bytes& Build() const { return File; }

 private:
  Bytes File;
};

// A complete map of the given size: the 16 map sections with recognisable
// contents (section id and hex index mixed into each byte).
Bytes MakeMapGameFile(int width, int height, int stride, std::string_view magic = "KXQRL_SAVE_V100");

// Bytes of a per-hex section of width columns of stride rows.
Bytes MakeMapSection(int id, int width, int stride);

// Writes bytes to a file; throws on failure.
void WriteFile(const std::string& path, const Bytes& bytes);
// A fresh empty folder under the test's temporary directory, ending in "/".
std::string MakeTempFolder(std::string_view tag);

}  // namespace qrl::test
