#include "scenarioeditor/core/filestart.h"

#include <filesystem>
#include <fstream>

namespace qrl::scen {

std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path, size_t limit) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<uint8_t> bytes(limit);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(limit));
  bytes.resize(size_t(in.gcount()));
  return bytes;
}

}  // namespace qrl::scen
