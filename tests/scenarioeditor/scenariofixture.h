#pragma once
// A complete scenario built from the record layouts, section by section:
// section n of the file is record n, as in the game's own files. Offsets in
// the tests are the format's byte numbers written out, not the constants of
// the code under test.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/gamefilebuilder.h"

namespace qrl::test {

inline constexpr size_t FixtureUnitSize = 258;
inline constexpr size_t FixtureSideBytes = 400 * 258;
inline constexpr size_t FixtureLeaderSize = 32;

struct ScenarioFixture {
  std::vector<Bytes> Sections;  // by id; [0] unused

  explicit ScenarioFixture(int count = 48) : Sections(size_t(count) + 1) {
    for (int id = 1; id <= count; ++id) Sections[size_t(id)] = DefaultSection(id);
  }

  static Bytes DefaultSection(int id) {
    switch (id) {
      case 1: return Bytes(2 * FixtureSideBytes, 0);
      case 17: return Bytes(800 * 20, 0);
      case 26: return Bytes{0x2C, 0x01};
      case 33: return Bytes(8, 0);
      case 34: return Bytes(800 * FixtureLeaderSize, 0);
      case 37: return Bytes(365, 0);
      case 38: return Bytes{100, 0};
      case 39: return Bytes{80, 0};
      default: {
        Bytes b(size_t(id) * 5 + 3);
        for (size_t i = 0; i < b.size(); ++i) b[i] = uint8_t(id * 11 + (i % 7 == 0 ? i : 0));
        return b;
      }
    }
  }

  uint8_t* Unit(int side, int k) { return &Sections[1][size_t(side) * FixtureSideBytes + size_t(k) * FixtureUnitSize]; }
  uint8_t* Leader(int side, int k) { return &Sections[34][(size_t(side) * 400 + size_t(k)) * FixtureLeaderSize]; }

  // A unit slot in use with its side byte, formation and values.
  void PutUnit(int side, int k, std::string_view name, uint8_t formation = 1, uint8_t number = 1) {
    uint8_t* u = Unit(side, k);
    std::memcpy(u, name.data(), std::min<size_t>(name.size(), 16));
    u[20] = formation;
    u[21] = number;
    u[182] = 1;
    u[188] = uint8_t(side);
  }

  void PutLeader(int side, int k, std::string_view name, uint8_t rally, uint8_t inf, uint8_t art, uint8_t arm) {
    uint8_t* l = Leader(side, k);
    std::memcpy(l, name.data(), std::min<size_t>(name.size(), 19));
    l[20] = rally;
    l[21] = inf;
    l[22] = art;
    l[23] = arm;
  }

  Bytes Build(std::string_view magic = "KXQRL_SAVE_V100") const {
    GameFileBuilder b(magic);
    for (size_t id = 1; id < Sections.size(); ++id) b.Section(int32_t(id), Sections[id]);
    return b.Build();
  }
};

}  // namespace qrl::test
