#pragma once
// What both programs know of the map sections of a game file.
#include <algorithm>
#include <array>
#include <cstdint>

namespace qrl {

inline constexpr std::array<int32_t, 16> MapSectionIds = {2, 3, 4, 5, 6, 7, 8, 16, 17, 20, 28, 29, 38, 39, 47, 48};

inline bool IsMapSectionId(int32_t id) {
  return std::find(MapSectionIds.begin(), MapSectionIds.end(), id) != MapSectionIds.end();
}

// A decoded section 2 larger than this means 240 rows per map column, else 80.
inline constexpr int32_t LargeMapThreshold = 16000;
inline constexpr int32_t SmallMapStride = 80;
inline constexpr int32_t LargeMapStride = 240;

inline int32_t StrideForBaseLayerSize(int32_t section2Size) {
  return section2Size > LargeMapThreshold ? LargeMapStride : SmallMapStride;
}

// Per-hex record sizes of the per-hex sections.
inline constexpr int32_t TileWordSize = 2;        // sections 2..7
inline constexpr int32_t MapHexRecordSize = 20;   // section 8
inline constexpr int32_t TileStackSize = 14;      // section 28
inline constexpr int32_t HexByteSize = 1;         // section 29

}  // namespace qrl
