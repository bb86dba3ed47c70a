#pragma once
// The game's records inside the slots of a loaded file: units, leaders,
// positions, game data, prestige and the map size. Every window reaches a
// record through one of the checked accessors below; each returns the span of
// the whole record, or an empty span when the record does not lie wholly
// inside its slot (a short slot, a map-only file, a load that stopped early)
// or the side or unit number is out of range. Reads of an empty span give
// "absent"; writes through it are dropped, so no store can spill into the
// header or a neighbouring slot.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "gamefile/gamefileslots.h"

namespace qrl::scen {

inline constexpr int SideCount = 2;
inline constexpr int UnitsPerSide = 400;
inline constexpr int UnitSlotCount = SideCount * UnitsPerSide;  // leaders and positions, one per unit slot

// The one layout of the current game. It is constant, so no window can ever
// see it unset.
namespace RecordLayout {

inline constexpr int32_t UnitRecordSize = 258;
inline constexpr int32_t LeaderRecordSize = 32;
inline constexpr int32_t PositionRecordSize = 20;
// Game data: one record of byte fields, the last at offset 364.
inline constexpr int32_t GameDataRecordSize = 365;
inline constexpr int32_t PrestigeSize = 2;
inline constexpr int32_t MapSizeValueSize = 2;
inline constexpr int32_t SideUnitBytes = UnitsPerSide * UnitRecordSize;  // 103200: side 1 starts here

// Slots the records live in (a complete file holds section n in slot n).
inline constexpr int UnitSlot = 1;
inline constexpr int PositionSlot = 17;
inline constexpr int PrestigeSlot = 26;
inline constexpr int ProtectionSlot = 33;
inline constexpr int LeaderSlot = 34;
inline constexpr int GameDataSlot = 37;
inline constexpr int MapWidthSlot = 38;
inline constexpr int MapHeightSlot = 39;

// UnitRecord fields, byte offsets in the record.
namespace Unit {
inline constexpr int32_t Name = 0;            // 16 bytes, NUL-terminated when shorter
inline constexpr int32_t NameFieldSize = 16;
inline constexpr int32_t Class = 16;
inline constexpr int32_t ImageNumber = 18;    // 16-bit
inline constexpr int32_t Formation = 20;
inline constexpr int32_t FormationNumber = 21;
inline constexpr int32_t Size = 24;
inline constexpr int32_t Ammunition = 46;     // weapon slot s, kind k at 46 + 4s + k
inline constexpr int32_t Armour = 62;         // nine groups of four bytes
inline constexpr int32_t ArmourSlopes = 107;  // six bytes
inline constexpr int32_t MenNow = 116;
inline constexpr int32_t Speed = 117;
inline constexpr int32_t Suppression = 118;
inline constexpr int32_t Experience = 119;
inline constexpr int32_t Morale = 120;
inline constexpr int32_t Damage = 122;
inline constexpr int32_t Vision = 129;
inline constexpr int32_t Radio = 133;
inline constexpr int32_t FireControl = 134;
inline constexpr int32_t Cost = 136;
inline constexpr int32_t Smoke = 147;
inline constexpr int32_t Changed = 166;
inline constexpr int32_t Country = 167;       // of unit 0: the side's nation code and OOB number
inline constexpr int32_t OobUnitNumber = 168;
inline constexpr int32_t InUse = 182;         // nonzero: the slot holds a unit
inline constexpr int32_t SideByte = 188;
inline constexpr int32_t RateOfFire = 189;
inline constexpr int32_t Stabiliser = 190;
inline constexpr int32_t RangeFinder = 191;
inline constexpr int32_t Lift = 193;
inline constexpr int32_t LiftCost = 195;
inline constexpr int32_t Swim = 198;
inline constexpr int32_t Survivability = 206;
inline constexpr int32_t WeaponOob = 216;     // OOB numbers of weapon slots 1..3
inline constexpr int32_t Weapons = 219;       // weapon numbers of slots 0..3
inline constexpr int32_t WeaponSlots = 4;
inline constexpr int32_t SmokeDischargers = 223;
inline constexpr int32_t CostCount = 228;
inline constexpr int32_t MenAtStart = 231;
inline constexpr int32_t HullTopArmour = 250;
inline constexpr int32_t FirstCsvByte = 16;   // bytes 16..257 travel as CSV columns
}  // namespace Unit

// LeaderRecord fields.
namespace Leader {
inline constexpr int32_t Name = 0;  // "xxx/yyyyy", NUL-terminated
inline constexpr int32_t Rank = 19;
inline constexpr int32_t Rally = 20;
inline constexpr int32_t Infantry = 21;
inline constexpr int32_t Artillery = 22;
inline constexpr int32_t Armour = 23;
inline constexpr int32_t Kills = 28;  // 16-bit
}  // namespace Leader

// PositionRecord fields.
namespace Position {
inline constexpr int32_t X = 0;  // signed 16-bit map column
inline constexpr int32_t Y = 2;  // signed 16-bit map row
inline constexpr int32_t Hidden = 14;
}  // namespace Position

// GameDataRecord fields, one byte each.
namespace GameData {
inline constexpr int32_t Month = 3;
inline constexpr int32_t Year = 4;
inline constexpr int32_t Countries = 8;  // four bytes
inline constexpr int32_t CountryCount = 4;
inline constexpr int32_t MaxTurns = 14;
inline constexpr int32_t Turn = 15;
inline constexpr int32_t VictoryX = 16;
inline constexpr int32_t VictoryY = 37;
inline constexpr int32_t VictoryValue = 58;
inline constexpr int32_t VictorySide = 79;
inline constexpr int32_t VictoryHexCount = 21;
inline constexpr int32_t Visibility = 102;
inline constexpr int32_t Battles = 113;
inline constexpr int32_t MinorVictories = 114;
inline constexpr int32_t MajorVictories = 115;
inline constexpr int32_t Description = 116;
inline constexpr int32_t DescriptionSize = 31;
inline constexpr int32_t MaxBattles = 232;
inline constexpr int32_t StartMonth = 234;
inline constexpr int32_t StartYear = 236;
inline constexpr int32_t EndMonth = 238;
inline constexpr int32_t EndYear = 240;
inline constexpr int32_t Terrain = 364;
}  // namespace GameData

}  // namespace RecordLayout

// The decoded bytes of a slot, clipped to the buffer; empty for slot numbers
// outside 0..99.
std::span<uint8_t> SlotBytes(GameFileSlots& fileSlots, int slot);
std::span<const uint8_t> SlotBytes(const GameFileSlots& fileSlots, int slot);

// size bytes at offset inside the slot, or empty unless they lie wholly inside it.
std::span<uint8_t> RecordInSlot(GameFileSlots& fileSlots, int slot, int64_t offset, int64_t size);
std::span<const uint8_t> RecordInSlot(const GameFileSlots& fileSlots, int slot, int64_t offset, int64_t size);

bool IsUnitSlot(int side, int unit);  // side 0..1, unit 0..399

// side 0/1, unit 0..399 (leaders and positions by the same pair).
std::span<uint8_t> UnitRecordAt(GameFileSlots& fileSlots, int side, int unit);
std::span<const uint8_t> UnitRecordAt(const GameFileSlots& fileSlots, int side, int unit);
std::span<uint8_t> LeaderRecordAt(GameFileSlots& fileSlots, int side, int unit);
std::span<const uint8_t> LeaderRecordAt(const GameFileSlots& fileSlots, int side, int unit);
std::span<uint8_t> PositionRecordAt(GameFileSlots& fileSlots, int side, int unit);
std::span<const uint8_t> PositionRecordAt(const GameFileSlots& fileSlots, int side, int unit);
std::span<uint8_t> GameDataRecordAt(GameFileSlots& fileSlots);
std::span<const uint8_t> GameDataRecordAt(const GameFileSlots& fileSlots);
std::span<uint8_t> PrestigeAt(GameFileSlots& fileSlots);   // 16-bit little-endian
std::span<const uint8_t> PrestigeAt(const GameFileSlots& fileSlots);
std::span<const uint8_t> MapWidthAt(const GameFileSlots& fileSlots);   // 16-bit little-endian
std::span<const uint8_t> MapHeightAt(const GameFileSlots& fileSlots);

// Field access inside a record span: nullopt / false when the field does not
// lie inside the span (an absent record); writes are then dropped.
std::optional<uint8_t> FieldByte(std::span<const uint8_t> record, int32_t offset);
bool SetFieldByte(std::span<uint8_t> record, int32_t offset, uint8_t value);
std::optional<uint16_t> FieldLe16(std::span<const uint8_t> record, int32_t offset);
bool SetFieldLe16(std::span<uint8_t> record, int32_t offset, uint16_t value);
// The byte, or 0 for an absent field: how the windows show a record that is not there.
inline uint8_t FieldByteOrZero(std::span<const uint8_t> record, int32_t offset) {
  return FieldByte(record, offset).value_or(0);
}

// Text of a fixed field: its bytes from offset up to the first zero byte, at
// most maxBytes and never past the record's end (Windows-1252 bytes).
std::string FieldText(std::span<const uint8_t> record, int32_t offset, int32_t maxBytes);
// Writes the first fieldSize bytes of text into the field and fills the rest
// of it with zero bytes (no terminator when the text is as long as the field).
// False, and nothing written, when the field does not lie inside the record.
bool SetFieldText(std::span<uint8_t> record, int32_t offset, int32_t fieldSize, std::string_view text);

// A unit's name: at most the 16 bytes of its field, up to the first zero.
std::string UnitName(std::span<const uint8_t> unit);

}  // namespace qrl::scen
