#pragma once
// Reading only the start of a file the editor looks into (comment files, the
// command-line test), so that a large or endless file costs nothing.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qrl::scen {

// At most limit bytes from the start of the file; nullopt when it does not
// open or is a folder.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path, size_t limit);

}  // namespace qrl::scen
