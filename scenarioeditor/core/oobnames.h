#pragma once
// The weapon names of both sides, read from the game's OOB files after every
// load, and the texts the unit data window and the weapon list make of them.
// A unit's weapon number (bytes 219..222) indexes the 250 names of its side.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "scenarioeditor/core/recordlayout.h"
#include "scenarioeditor/core/scenariodocument.h"

namespace qrl::scen {

inline constexpr int WeaponCount = 250;
inline constexpr int WeaponNameRecordSize = 15;  // a name of 15 bytes has no terminator
inline constexpr size_t OobNamesBytes = size_t(WeaponCount) * WeaponNameRecordSize;  // 3750
// Bytes past the end of a short OOB file read as this value.
inline constexpr uint8_t MissingOobByte = 0xFF;
// Entry 0 of every side, whatever its record holds.
inline constexpr const char* NoWeaponName = "None";
// "Could not open %s. Weapons names not available", %s the built file name.
inline constexpr const char* OobOpenFailureBefore = "Could not open ";
inline constexpr const char* OobOpenFailureAfter = ". Weapons names not available";
inline constexpr const char* OobOpenFailureCaption = "Warning";
inline constexpr const char* UnnamedWeaponPrefix = "Weapon #";

struct WeaponNameTable {
  // Per side the 250 names: Windows-1252 bytes, at most 15, no zero byte.
  // Empty at start; a load that cannot open a side's file leaves its names.
  std::array<std::array<std::string, WeaponCount>, SideCount> Names;
  // The side's OOB file was read at the last load.
  std::array<bool, SideCount> Loaded{};

  bool IsLoaded(int side) const { return side >= 0 && side < SideCount && Loaded[size_t(side)]; }
};

// "OOB" and the number with at least two digits: 5 gives "OOB05", 123 "OOB123".
std::string OobFileName(uint32_t oobNumber);

// The 250 names of an OOB file's bytes (any length): record i is the 15 bytes
// at 15 * i, cut at its first zero byte; bytes past the end count as 0xFF;
// entry 0 is "None".
std::array<std::string, WeaponCount> ReadOobNames(std::span<const uint8_t> file);

// The names of side 0, then side 1, from the files oobDir + OobFileName(n)
// (the exact name first, then a case-blind match in the folder). A side whose
// file does not open keeps its names, is marked not loaded and gets a box
// naming the built name; the boxes are returned in that order.
std::vector<BoxMessage> LoadOobWeaponNames(const std::string& oobDir, const std::array<uint32_t, SideCount>& oobNumbers,
                                           WeaponNameTable& table);

// The text of the unit data window's name cell of weapon slot 0..3 holding
// weapon number `weapon` on `side`: the name when the side's names are
// loaded, "Weapon #" and the slot number (1..4) when they are not, and
// "Weapon #" and the number itself for a number that has no name (outside
// 0..249).
QString WeaponCellText(const WeaponNameTable& table, int side, int slot, int weapon);

// The weapon list of a side: "i) name" for i = 0..249.
QStringList WeaponListItems(const WeaponNameTable& table, int side);

}  // namespace qrl::scen
