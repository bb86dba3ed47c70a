#pragma once
// The Terrain Index: the terrain graphics files by name, each name ending in
// its file's two-digit number.
#include <array>
#include <string_view>

namespace qrl::map {

inline constexpr int TerrainIndexSize = 53;

extern const std::array<std::string_view, TerrainIndexSize> TerrainIndexNames;

// The file number an index name stands for: its last two characters as a
// decimal number (a character that is no digit counts as 0).
int TerrainIndexFileNumber(std::string_view name);

}  // namespace qrl::map
