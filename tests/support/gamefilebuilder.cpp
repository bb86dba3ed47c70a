#include "tests/support/gamefilebuilder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "gamefile/bytes.h"
#include "gamefile/mapsections.h"
#include "gamefile/sectionrecord.h"

namespace qrl::test {

Bytes Repeat(uint8_t value, size_t count) { return Bytes(count, value); }

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

GameFileBuilder::GameFileBuilder(std::string_view magic) : File(20, 0) {
  for (size_t i = 0; i < magic.size() && i < 20; ++i) File[i] = uint8_t(magic[i]);
}

GameFileBuilder& GameFileBuilder::Section(int32_t id, const Bytes& data) {
  AppendSectionRecord(File, id, data);
  return *this;
}

GameFileBuilder& GameFileBuilder::RawRecord(int32_t id, const Bytes& stored, uint32_t flag, int32_t length) {
  AppendLe32(File, uint32_t(id));
  AppendLe32(File, uint32_t(length == -1 ? int32_t(stored.size()) : length));
  AppendLe32(File, flag);
  File.insert(File.end(), stored.begin(), stored.end());
  return *this;
}

GameFileBuilder& GameFileBuilder::OldRecord(int32_t id, const Bytes& stored, uint8_t flag) {
  AppendLe32(File, uint32_t(id));
  AppendLe32(File, uint32_t(stored.size()));
  File.push_back(flag);
  File.insert(File.end(), stored.begin(), stored.end());
  return *this;
}

GameFileBuilder& GameFileBuilder::Append(const Bytes& bytes) {
  File.insert(File.end(), bytes.begin(), bytes.end());
  return *this;
}

Bytes MakeMapSection(int id, int width, int stride) {
  int recordSize = 0;
  if (id >= 2 && id <= 7) recordSize = TileWordSize;
  if (id == 8) recordSize = MapHexRecordSize;
  if (id == 28) recordSize = TileStackSize;
  if (id == 29) recordSize = HexByteSize;
  if (recordSize == 0) {
    Bytes b(size_t(50 + id), 0);
    for (size_t i = 0; i < b.size(); ++i) b[i] = uint8_t(id * 7 + i);
    return b;
  }
  Bytes b(size_t(width) * size_t(stride) * size_t(recordSize));
  for (size_t i = 0; i < b.size(); ++i) b[i] = uint8_t((i / 64) * 3 + id);
  return b;
}

Bytes MakeMapGameFile(int width, int height, int stride, std::string_view magic) {
  GameFileBuilder file(magic);
  for (int32_t id : MapSectionIds) {
    Bytes data;
    if (id == 38 || id == 39) {
      data = Bytes(4, 0);
      WriteLe16(data.data(), uint16_t(id == 38 ? width : height));
    } else {
      data = MakeMapSection(id, width, stride);
    }
    file.Section(id, data);
  }
  return file.Build();
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string MakeTempFolder(std::string_view tag) {
  std::string pattern = (std::filesystem::temp_directory_path() / ("qrl-" + std::string(tag) + "-XXXXXX")).string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (!::mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed");
  return std::string(buf.data()) + "/";
}

}  // namespace qrl::test
