// qrl_make_scenario FOLDER: writes the sample scenario SCEN001.DAT and its
// comment file SCEN001.cmt into FOLDER. The scenario is a complete file:
// records 1..48 in id order, both sides' units and leaders, positions, game
// data, prestige, an unset protection flag and the map sections of a
// 100 x 80 map with fields, a wood, a lake, a hill and a paved road.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "gamefile/bytes.h"
#include "gamefile/fileio.h"
#include "gamefile/magic.h"
#include "gamefile/mapsections.h"
#include "gamefile/sectionrecord.h"
#include "scenarioeditor/core/commentfile.h"
#include "scenarioeditor/core/oobnames.h"
#include "scenarioeditor/core/recordlayout.h"
#include "scenarioeditor/core/unitgrid.h"

namespace {

using namespace qrl;
using namespace qrl::scen;
using namespace qrl::scen::RecordLayout;
using Bytes = std::vector<uint8_t>;

constexpr int LastSectionId = 48;
constexpr int MapWidth = 100;
constexpr int MapHeight = 80;
constexpr int Stride = SmallMapStride;  // a base layer of 16,000 bytes
constexpr int HexCount = MapWidth * Stride;
constexpr size_t UninterpretedSectionSize = size_t(HexCount);
constexpr size_t FillerSectionSize = 16;
constexpr uint16_t NoTile = 0xFFFF;
constexpr uint8_t GermanyCode = 70;
constexpr uint8_t SovietUnionCode = 81;
constexpr uint16_t SamplePrestige = 1500;
constexpr uint8_t ProtectionSectionSize = 8;
constexpr std::string_view ScenarioFileName = "SCEN001.DAT";
constexpr std::string_view CommentText = "Sample scenario: a German tank company and its infantry meet a Soviet "
                                         "rifle company with T-34s east of the river.";

// Tile images of Ter00z4.shp used by the terrain.
enum TerrainTile : uint16_t { FieldTile = 0, TreesTile = 1, WaterTile = 2, RoadTile = 3 };

// Terrain bits and road masks of the hex record.
constexpr uint8_t FieldBit = 0x01, TreesBit = 0x04, PavedRoadBit = 0x80;  // byte 0
constexpr uint8_t WaterBit = 0x08;                                       // byte 1
constexpr uint8_t DirE = 1, DirW = 8;
constexpr int TerrainBitsByte1 = 1, ElevationOffset = 4, PavedRoadMask = 13;
constexpr int RoadRow = 40;

struct UnitType {
  const char* Name;
  uint8_t Class;
  uint8_t Men;
  uint8_t Speed;
  std::array<uint8_t, 4> Weapons;
  uint8_t Armour;  // front armour; 0 for soft units
  uint8_t Cost;
};

struct FormationPlan {
  uint8_t Formation;
  int Count;
  UnitType Unit;
};

struct SidePlan {
  uint8_t Nation;
  std::vector<FormationPlan> Formations;
  std::vector<const char*> Leaders;
  int FirstColumn;
};

const std::array<SidePlan, SideCount> Sides = {{
    {GermanyCode,
     {{1, 4, {"Pz IV H", 3, 5, 14, {12, 40, 40, 0}, 80, 120}},
      {2, 4, {"Grenadiere", 1, 9, 4, {3, 5, 7, 0}, 0, 30}},
      {3, 2, {"PaK 40", 5, 5, 2, {14, 0, 0, 0}, 5, 60}}},
     {"Hptm/Weber", "Lt/Brandt", "Fw/Keller", "Uffz/Lange", "Oblt/Sauer", "Fw/Mahler", "Ogfr/Roth",
      "Uffz/Stein", "Lt/Vogt", "Fw/Ziegler"},
     12},
    {SovietUnionCode,
     {{1, 5, {"T-34/85", 3, 5, 16, {21, 42, 42, 0}, 75, 110}},
      {2, 5, {"Strelki", 1, 10, 4, {2, 4, 6, 0}, 0, 25}},
      {4, 2, {"82mm Mortar", 4, 6, 3, {30, 0, 0, 0}, 0, 40}}},
     {"Kpt/Orlov", "Lt/Petrov", "Srz/Ivanov", "Srz/Sokolov", "Lt/Popov", "Srz/Lebedev", "Kpl/Kozlov",
      "Srz/Novikov", "Lt/Morozov", "Srz/Volkov", "Kpl/Pavlov", "Srz/Fedorov"},
     82},
}};

// A small deterministic spread so that the units differ from each other.
uint8_t Spread(int seed, int low, int span) { return uint8_t(low + (seed * 37 + 11) % span); }

void PutTile(Bytes& layer, int hex, uint16_t word) { WriteLe16(&layer[size_t(hex) * TileWordSize], word); }

void WriteUnits(std::vector<Bytes>& sections) {
  Bytes& units = sections[UnitSlot];
  Bytes& leaders = sections[LeaderSlot];
  Bytes& positions = sections[PositionSlot];
  units.assign(size_t(SideCount) * SideUnitBytes, 0);
  leaders.assign(size_t(UnitSlotCount) * LeaderRecordSize, 0);
  positions.assign(size_t(UnitSlotCount) * PositionRecordSize, 0);
  for (int side = 0; side < SideCount; ++side) {
    const SidePlan& plan = Sides[size_t(side)];
    int k = 0;
    for (const FormationPlan& formation : plan.Formations) {
      for (int i = 0; i < formation.Count; ++i, ++k) {
        const int index = side * UnitsPerSide + k;
        std::span<uint8_t> u(&units[size_t(index) * UnitRecordSize], size_t(UnitRecordSize));
        const UnitType& t = formation.Unit;
        SetFieldText(u, Unit::Name, Unit::NameFieldSize, std::string(t.Name) + " " + std::to_string(i + 1));
        SetFieldByte(u, Unit::Class, t.Class);
        SetFieldLe16(u, Unit::ImageNumber, uint16_t(t.Class * 10 + side));
        SetFieldByte(u, Unit::Formation, formation.Formation);
        SetFieldByte(u, Unit::FormationNumber, uint8_t(i + 1));
        SetFieldByte(u, Unit::Size, t.Men > 8 ? 2 : 1);
        for (int w = 0; w < Unit::WeaponSlots; ++w) {
          SetFieldByte(u, Unit::Weapons + w, t.Weapons[size_t(w)]);
          if (t.Weapons[size_t(w)] != 0) SetFieldByte(u, Unit::Ammunition + 4 * w, 30);
        }
        if (t.Armour != 0) {
          SetFieldByte(u, Unit::Armour, t.Armour);
          SetFieldByte(u, Unit::Armour + 4, uint8_t(t.Armour / 2));
          SetFieldByte(u, Unit::ArmourSlopes, 30);
        }
        SetFieldByte(u, Unit::MenNow, t.Men);
        SetFieldByte(u, Unit::MenAtStart, t.Men);
        SetFieldByte(u, Unit::Speed, t.Speed);
        SetFieldByte(u, Unit::Experience, Spread(index, 50, 40));
        SetFieldByte(u, Unit::Morale, Spread(index + 3, 55, 35));
        SetFieldByte(u, Unit::Vision, 20);
        SetFieldByte(u, Unit::Radio, t.Armour != 0 ? 1 : 0);
        SetFieldByte(u, Unit::Cost, t.Cost);
        SetFieldByte(u, Unit::CostCount, 1);
        SetFieldByte(u, Unit::Country, plan.Nation);
        SetFieldByte(u, Unit::OobUnitNumber, uint8_t(formation.Formation * 10 + t.Class));
        SetFieldByte(u, Unit::InUse, 1);
        SetFieldByte(u, Unit::SideByte, uint8_t(side));
        SetFieldByte(u, Unit::RateOfFire, 4);

        std::span<uint8_t> l(&leaders[size_t(index) * LeaderRecordSize], size_t(LeaderRecordSize));
        const char* leaderName = k < int(plan.Leaders.size()) ? plan.Leaders[size_t(k)] : "Sgt/Unknown";
        SetFieldText(l, Leader::Name, LeaderNameBytes, leaderName);
        SetFieldByte(l, Leader::Rank, uint8_t(k == 0 ? 6 : 3 + k % 3));
        SetFieldByte(l, Leader::Rally, Spread(index, 30, 50));
        SetFieldByte(l, Leader::Infantry, Spread(index + 1, 30, 50));
        SetFieldByte(l, Leader::Artillery, Spread(index + 2, 30, 50));
        SetFieldByte(l, Leader::Armour, Spread(index + 5, 30, 50));

        std::span<uint8_t> p(&positions[size_t(index) * PositionRecordSize], size_t(PositionRecordSize));
        SetFieldLe16(p, Position::X, uint16_t(plan.FirstColumn + (k % 4) * 2));
        SetFieldLe16(p, Position::Y, uint16_t(30 + k * 2));
      }
    }
  }
}

void WriteGameData(std::vector<Bytes>& sections) {
  Bytes& data = sections[GameDataSlot];
  data.assign(size_t(GameDataRecordSize), 0);
  std::span<uint8_t> g(data);
  using namespace GameData;
  SetFieldByte(g, Month, 7);
  SetFieldByte(g, Year, 44);
  SetFieldByte(g, Countries, GermanyCode);
  SetFieldByte(g, Countries + 1, SovietUnionCode);
  SetFieldByte(g, MaxTurns, 20);
  SetFieldByte(g, Turn, 1);
  const std::array<std::array<uint8_t, 4>, 3> victoryHexes = {{{50, 40, 50, 0}, {45, 20, 25, 1}, {60, 60, 25, 1}}};
  for (size_t i = 0; i < victoryHexes.size(); ++i) {
    SetFieldByte(g, VictoryX + int32_t(i), victoryHexes[i][0]);
    SetFieldByte(g, VictoryY + int32_t(i), victoryHexes[i][1]);
    SetFieldByte(g, VictoryValue + int32_t(i), victoryHexes[i][2]);
    SetFieldByte(g, VictorySide + int32_t(i), victoryHexes[i][3]);
  }
  SetFieldByte(g, Visibility, 25);
  SetFieldByte(g, MaxBattles, 1);
  SetFieldText(g, Description, DescriptionSize, "Meeting engagement at the river");
  SetFieldByte(g, StartMonth, 7);
  SetFieldByte(g, StartYear, 44);
  SetFieldByte(g, EndMonth, 7);
  SetFieldByte(g, EndYear, 44);
  SetFieldByte(g, Terrain, 1);
}

struct Terrain {
  uint16_t Tile;
  uint8_t Byte0;
  uint8_t Byte1;
  int16_t Elevation;
};

Terrain TerrainAt(int col, int row) {
  const int lakeDx = col - 70, lakeDy = row - 15;
  if (lakeDx * lakeDx + 4 * lakeDy * lakeDy < 64) return {WaterTile, 0, WaterBit, -2};
  const int hillDx = col - 40, hillDy = row - 60;
  const int16_t elevation = int16_t(std::max(0, 24 - (std::abs(hillDx) + std::abs(hillDy)) / 2));
  if (row == RoadRow) return {RoadTile, uint8_t(FieldBit | PavedRoadBit), 0, elevation};
  if (col >= 25 && col < 35 && row >= 10 && row < 30) return {TreesTile, TreesBit, 0, elevation};
  return {FieldTile, FieldBit, 0, elevation};
}

void WriteMap(std::vector<Bytes>& sections) {
  sections[2].assign(size_t(HexCount) * TileWordSize, 0);
  for (int id = 3; id <= 7; ++id) {
    sections[size_t(id)].assign(size_t(HexCount) * TileWordSize, 0);
    for (int hex = 0; hex < HexCount; ++hex) PutTile(sections[size_t(id)], hex, NoTile);
  }
  Bytes& hexes = sections[8];
  hexes.assign(size_t(HexCount) * MapHexRecordSize, 0);
  Bytes& stacks = sections[28];
  stacks.assign(size_t(HexCount) * TileStackSize, 0);
  for (int col = 0; col < MapWidth; ++col) {
    for (int row = 0; row < Stride; ++row) {
      const int hex = col * Stride + row;
      const Terrain t = TerrainAt(col, row);
      PutTile(sections[2], hex, t.Tile);
      uint8_t* record = &hexes[size_t(hex) * MapHexRecordSize];
      record[0] = t.Byte0;
      record[TerrainBitsByte1] = t.Byte1;
      WriteLe16(record + ElevationOffset, uint16_t(t.Elevation));
      if (row == RoadRow) record[PavedRoadMask] = uint8_t((col > 0 ? DirW : 0) | (col + 1 < MapWidth ? DirE : 0));
      uint8_t* stack = &stacks[size_t(hex) * TileStackSize];
      for (int i = 0; i < 6; ++i) WriteLe16(stack + 2 + 2 * i, NoTile);
    }
  }
  for (int id : {16, 20, 29, 47, 48}) sections[size_t(id)].assign(UninterpretedSectionSize, 0);
  sections[MapWidthSlot].assign(size_t(MapSizeValueSize), 0);
  WriteLe16(sections[MapWidthSlot].data(), MapWidth);
  sections[MapHeightSlot].assign(size_t(MapSizeValueSize), 0);
  WriteLe16(sections[MapHeightSlot].data(), MapHeight);
}

Bytes BuildScenario() {
  std::vector<Bytes> sections(size_t(LastSectionId) + 1, Bytes(FillerSectionSize, 0));
  WriteUnits(sections);
  WriteGameData(sections);
  WriteMap(sections);
  sections[PrestigeSlot].assign(size_t(PrestigeSize), 0);
  WriteLe16(sections[PrestigeSlot].data(), SamplePrestige);
  sections[ProtectionSlot].assign(ProtectionSectionSize, 0);

  Bytes file(GameFileHeaderSize, 0);
  std::copy(MagicKxqrlV100.begin(), MagicKxqrlV100.end(), file.begin());
  for (int id = 1; id <= LastSectionId; ++id) AppendSectionRecord(file, id, sections[size_t(id)]);
  return file;
}

// The weapon names of one side's OOB file: 250 records of 15 bytes, zero
// padded. Our own names for the weapons the sample's units carry; the other
// numbers get a plain numbered name.
Bytes BuildOobFile(const std::vector<std::pair<int, const char*>>& named) {
  Bytes file(OobNamesBytes, 0);
  for (int i = 1; i < WeaponCount; ++i) {
    std::string name = "Weapon " + std::to_string(i);
    for (const auto& [number, text] : named)
      if (number == i) name = text;
    std::copy_n(name.begin(), std::min<size_t>(name.size(), WeaponNameRecordSize),
                file.begin() + ptrdiff_t(i) * WeaponNameRecordSize);
  }
  return file;
}

const std::vector<std::pair<int, const char*>> GermanWeapons = {
    {3, "Kar 98k"}, {5, "MP 40"}, {7, "Stielhandgran."}, {12, "7.5cm KwK 40"}, {14, "7.5cm PaK 40"}, {40, "MG 34"}};
const std::vector<std::pair<int, const char*>> SovietWeapons = {
    {2, "Mosin M1891/30"}, {4, "PPSh-41"}, {6, "RGD-33"}, {21, "85mm ZiS-S-53"}, {30, "82mm BM-37"}, {42, "DT MG"}};

Bytes BuildComment() {
  Bytes comment(CommentFileSize, 0);
  std::copy_n(CommentText.begin(), std::min(CommentText.size(), MaxCommentBytes), comment.begin());
  return comment;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::string folder = argv[1];
  if (!folder.empty() && folder.back() != '/') folder += '/';
  const std::string scenario = folder + std::string(ScenarioFileName);
  // The weapon names lie where QrlEd looks first: the program's folder, the
  // parent of the samples folder.
  const std::string programFolder = folder + "../";
  const bool written = SafeSaveFile(scenario, BuildScenario()) &&
                       SafeSaveFile(CommentFileName(scenario), BuildComment()) &&
                       SafeSaveFile(programFolder + OobFileName(GermanyCode), BuildOobFile(GermanWeapons)) &&
                       SafeSaveFile(programFolder + OobFileName(SovietUnionCode), BuildOobFile(SovietWeapons));
  if (!written) {
    std::fprintf(stderr, "%s: cannot write into %s\n", argv[0], folder.c_str());
    return 1;
  }
  return 0;
}
