#pragma once
// A complete game file (section n in slot n) for the position editor's
// benchmarks: a 100 x 240 map of mixed elevations and roads, and 400 units of
// side 0 spread over it.
#include <cstdint>
#include <vector>

#include "gamefile/bytes.h"
#include "gamefile/magic.h"
#include "gamefile/sectionrecord.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::bench {

using Bytes = std::vector<uint8_t>;
using namespace qrl::scen;

inline constexpr int MapColumns = 100, MapRows = 240;
inline constexpr int Units = UnitsPerSide;

inline Bytes PositionBenchSection(int id) {
  switch (id) {
    case 1: {
      Bytes units(size_t(SideCount) * RecordLayout::SideUnitBytes, 0);
      for (int u = 0; u < Units; ++u) {
        uint8_t* unit = &units[size_t(u) * RecordLayout::UnitRecordSize];
        unit[0] = uint8_t('A' + u % 26);
        unit[RecordLayout::Unit::Formation] = uint8_t(u / 4);
        unit[RecordLayout::Unit::FormationNumber] = uint8_t(u % 4 + 1);
        unit[RecordLayout::Unit::InUse] = 1;
      }
      return units;
    }
    case 2: return Bytes(size_t(MapColumns) * MapRows * 2, 0);
    case 8: {
      Bytes hexes(size_t(MapColumns) * MapRows * 20, 0);
      for (size_t hex = 0; hex < size_t(MapColumns) * MapRows; ++hex) {
        hexes[hex * 20 + 4] = uint8_t(hex * 7);
        hexes[hex * 20 + 12] = uint8_t(hex % 13 == 0);
      }
      return hexes;
    }
    case 17: {
      Bytes positions(size_t(UnitSlotCount) * RecordLayout::PositionRecordSize, 0);
      for (int u = 0; u < Units; ++u) {
        WriteLe16(&positions[size_t(u) * 20], uint16_t(1 + u % 99));
        WriteLe16(&positions[size_t(u) * 20 + 2], uint16_t(1 + u % 239));
      }
      return positions;
    }
    case 38: return Bytes{MapColumns, 0};
    case 39: return Bytes{MapRows, 0};
    default: return Bytes(8, 0);
  }
}

inline Bytes PositionBenchFile() {
  Bytes file(GameFileHeaderSize, 0);
  for (int id = 1; id <= 39; ++id) AppendSectionRecord(file, id, PositionBenchSection(id));
  return file;
}

}  // namespace qrl::bench
