#include "gamefile/magic.h"

namespace qrl {

std::string FirstLineAsCString(std::span<const uint8_t> file, size_t bufferSize) {
  std::string line;
  if (bufferSize == 0) return line;
  for (size_t i = 0; i < file.size() && line.size() + 1 < bufferSize; ++i) {
    char c = char(file[i]);
    line.push_back(c);
    if (c == '\n') break;
  }
  size_t nul = line.find('\0');
  if (nul != std::string::npos) line.resize(nul);
  return line;
}

bool FirstLineIs(std::span<const uint8_t> file, std::string_view magic, size_t bufferSize) {
  return FirstLineAsCString(file, bufferSize) == magic;
}

bool HasCurrentGameMagic(std::span<const uint8_t> file) {
  std::string line = FirstLineAsCString(file);
  return line == MagicKxqrlV100 || line == MagicKxqrlV101;
}

}  // namespace qrl
