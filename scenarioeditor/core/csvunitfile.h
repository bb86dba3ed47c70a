#pragma once
// The units of one side as comma-separated text for spreadsheets: a heading
// line, then one line per unit holding its name and the decimal values of
// record bytes 16..257. Text is Windows-1252 bytes; lines end in CR LF.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "gamefile/gamefileslots.h"

namespace qrl::scen {

namespace CsvDialogs {
inline constexpr std::string_view Filter = "CSV files (*.csv)|*.csv||All Files *.*|*.*";
inline constexpr std::string_view SaveTitle = "Save CSV (Spreadsheet File of Units";
inline constexpr std::string_view LoadTitle = "Load CSV (Spreadsheet File of Units";
inline constexpr std::string_view DefaultExtension = "csv";
}  // namespace CsvDialogs

// Record bytes 16..257 of a unit: the value columns of a line.
inline constexpr int CsvValueCount = 242;

// The whole file for units 0..unitCount-1 of side (0 or 1), as stored in the
// records. A name holding ",", '"', CR or LF is written in double quotes with
// each '"' doubled, so a spreadsheet reads it back as one cell; an absent unit
// record is written as an empty name and zeros.
std::string CsvUnitFileText(const GameFileSlots& fileSlots, int side, int unitCount);

// The value a field stores: the decimal number at its start (white space
// skipped, an optional sign, digits up to the first other character; none
// gives 0), modulo 256 of its exact value, whatever its length.
uint8_t CsvFieldByte(std::string_view field);

// Pastes a CSV file into the records of side, from unit 0: the first line is
// the heading and ignored; unit line n (from 0) writes unit n's name (first
// 16 bytes, zero-filled) and at most 242 values from byte 16 on. Bytes a
// short line does not reach keep their values; a line without a "," outside
// quotes writes nothing but counts; lines after the 400th unit line and units
// whose record is absent are skipped. A field that starts with '"' is quoted:
// it runs to the closing quote ('""' stands for '"'), keeps every byte, line
// ends included, and text after the closing quote up to the next "," is
// appended. Leaders and byte 166 are never touched.
void PasteCsvUnitFile(GameFileSlots& fileSlots, int side, std::span<const uint8_t> file);

}  // namespace qrl::scen
