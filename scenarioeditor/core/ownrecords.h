#pragma once
// Record access for the windows that address sections by slot number (the
// position editor, the game data window, the battle summary). A slot counts
// only while it holds the section of its own number (SlotId[k] = k): in a
// map-only file slot 1 holds section 2, and writing "units" there would
// change the map. Every accessor returns an empty span ("absent") unless the
// slot holds its own section and the record lies wholly inside it.
#include <cstdint>
#include <span>
#include <string_view>

#include "gamefile/gamefileslots.h"
#include "gamefile/mapsections.h"
#include "scenarioeditor/core/recordlayout.h"

namespace qrl::scen {

// What a window shows for a value whose record the file does not hold.
inline constexpr std::string_view AbsentRecordText = "??";

inline constexpr int MapHexSlot = 8;
inline constexpr int MapLayoutSlot = 2;  // its decoded size tells the rows per map column

bool SlotHoldsOwnSection(const GameFileSlots& fileSlots, int slot);

std::span<uint8_t> OwnUnitRecord(GameFileSlots& fileSlots, int side, int unit);
std::span<const uint8_t> OwnUnitRecord(const GameFileSlots& fileSlots, int side, int unit);
std::span<uint8_t> OwnPositionRecord(GameFileSlots& fileSlots, int side, int unit);
std::span<const uint8_t> OwnPositionRecord(const GameFileSlots& fileSlots, int side, int unit);
std::span<uint8_t> OwnGameDataRecord(GameFileSlots& fileSlots);
std::span<const uint8_t> OwnGameDataRecord(const GameFileSlots& fileSlots);
std::span<uint8_t> OwnPrestige(GameFileSlots& fileSlots);
std::span<const uint8_t> OwnPrestige(const GameFileSlots& fileSlots);

// The map size values; 0 when their slot is absent.
int32_t OwnMapWidth(const GameFileSlots& fileSlots);
int32_t OwnMapHeight(const GameFileSlots& fileSlots);
// 240 rows per map column when slot 2 holds section 2 and is larger than the
// large-map threshold, else 80.
int32_t OwnRowsPerColumn(const GameFileSlots& fileSlots);
// The 20-byte record of hex (x, y) in slot 8; absent for a hex whose row is
// not below the rows per column or whose record does not lie wholly inside.
std::span<const uint8_t> OwnMapHexRecord(const GameFileSlots& fileSlots, int32_t x, int32_t y, int32_t rowsPerColumn);

}  // namespace qrl::scen
