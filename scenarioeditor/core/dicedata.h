#pragma once
// Country dice data: ready-made sets of the 35 roll values, read from a text
// file ("Load Country Data") into one table that lives for the whole run.
//
// The file, read in text mode, holds data lines; comment lines (first
// character ';') may stand before any of them. The data lines: a count line
// (a decimal count N at its start), then per set a name line (first word =
// the country, '_' standing for a blank; the line = the description) and five
// number lines (Exp, Mor, Ral, Sk1, Sk2: base, plus dice, plus sides, minus
// dice, minus sides, Min, Max).
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gamefile/textlines.h"
#include "scenarioeditor/core/dicerolls.h"

namespace qrl::scen {

inline constexpr int32_t MaxDiceSets = 400;
// A data line is read into a buffer of this many bytes: at most
// DataLineMaxChars characters per read, the line end included, then a zero.
inline constexpr size_t DataLineBufferBytes = 256;
inline constexpr size_t DataLineMaxChars = 254;
inline constexpr char CommentLineMark = ';';

// One loaded set. roll[j][k]: roll j (RollKind order) by value k (RollValue order).
struct Dice_Data {
  QString Country;
  QString Description;
  std::array<std::array<int16_t, RollValueCount>, RollCount> roll{};
};

// `DiceData` and `DiceCount`: only sets 0 .. DiceCount - 1 are valid; a load
// replaces the whole table, so entries beyond DiceCount are empty and zero.
struct DiceTable {
  std::array<Dice_Data, MaxDiceSets> DiceData;
  int32_t DiceCount = 0;

  // nullptr unless 0 <= index < DiceCount.
  const Dice_Data* LoadedSet(int32_t index) const {
    return index >= 0 && index < DiceCount ? &DiceData[size_t(index)] : nullptr;
  }
};

// A message box to show: OK only, no icon.
struct DiceMessage {
  QString Text;
  QString Caption;
};

inline constexpr std::string_view CouldNotOpenText = "Could not open file";
inline constexpr std::string_view CouldNotOpenCaption = "Error";
inline constexpr std::string_view NotDiceStatFileText = "This isn't a Dice Stat file.";
inline constexpr std::string_view NotDiceStatFileCaption = "Error";
// Filled with the count read and MaxDiceSets, in this order.
inline constexpr std::string_view TruncatingTextFormat = "File contains %d entries. Only %d are allowed.";
inline constexpr std::string_view TruncatingCaption = "Warning. Truncating data";

enum class DiceLoadStatus {
  Loaded,           // the table holds the file's sets
  Truncated,        // more than MaxDiceSets sets: the first MaxDiceSets loaded, Box warns
  NotDiceStatFile,  // no count, or a count below 1: the table is unchanged
  CouldNotOpen,     // the file cannot be read: the table is unchanged
};

struct DiceLoadOutcome {
  DiceLoadStatus Status = DiceLoadStatus::Loaded;
  std::optional<DiceMessage> Box;  // the box the handler shows, if any
};

// The next data line, as a 256-byte C line buffer holds it: at most
// DataLineMaxChars characters (a longer line reads as two or more data lines),
// the line feed kept when it fits, cut at its first zero byte. Lines whose
// first character is CommentLineMark are skipped first. At the end of the data
// the result is empty.
std::string ReadDataLine(TextModeReader& file);

// Decodes a dice-data file's bytes into a fresh table and, when the count line
// is valid, replaces table with it (DiceCount = min(N, MaxDiceSets)); otherwise
// table is left exactly as it was. Every set starts empty and zero, so values a
// short number line does not supply are 0. Takes any bytes.
DiceLoadOutcome LoadDiceData(std::span<const unsigned char> fileBytes, DiceTable& table);

// LoadDiceData of the file at path; CouldNotOpen when it cannot be read.
DiceLoadOutcome LoadDiceStatFile(const std::string& path, DiceTable& table);

}  // namespace qrl::scen
