#pragma once
// The hex editor without its controls: which bytes of the image the grid
// shows, their texts in the three display modes, scrolling, and the store of
// one typed byte. Positions are byte offsets in the image, in 64 bits: the
// slot's offset plus HexOffset plus the line and column. The view shows bytes
// up to the end of the loaded image, also past the end of the slot itself,
// and blank cells beyond it and beyond the line's width.
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

#include "gamefile/gamefileslots.h"
#include "scenarioeditor/core/celltable.h"
#include "scenarioeditor/core/scenariodocument.h"

namespace qrl::scen {

enum class HexMode : int { Combo = 0, Hex = 1, Dec = 2 };

inline constexpr int HexRows = 11;               // the heading row and ten lines
inline constexpr int HexLines = HexRows - 1;     // lines moved by a page
inline constexpr int NarrowHexColumnCount = 17;  // the title column and 16 bytes
inline constexpr int InitialBytesPerLine = 16;
inline constexpr int MinBytesPerLine = 1;
inline constexpr int MaxBytesPerLine = 256;
inline constexpr int MaxHexSection = 60;
inline constexpr int HexFontSize = 10;
inline constexpr int DecHexFontSize = 9;

namespace HexTexts {
inline constexpr std::string_view NoLoadedByte = "This cell holds no loaded byte; nothing was stored.";
inline constexpr std::string_view NoLoadedByteCaption = "Error";
}  // namespace HexTexts

// The hex editor's state for the whole run; loads leave it alone.
struct HexViewState {
  int HexSection = 0;      // the slot shown, 0..MaxHexSection
  int64_t HexOffset = 0;   // offset in the slot of the first line's first byte; never negative
  int BytesPerLine = InitialBytesPerLine;  // MinBytesPerLine..MaxBytesPerLine
  HexMode Mode = HexMode::Combo;
};

// B + 1 columns for a line wider than 16 bytes, else 17.
int HexColumnCount(int bytesPerLine);
int HexFontSizeOf(HexMode mode);

// The grid's texts: row 0 the column titles, column 0 the line titles, the
// cells the bytes of the lines. Cells without a loaded byte are blank.
CellTable FillHexGrid(const GameFileSlots& fileSlots, const HexViewState& view);

// The image position of grid cell (col, row), or nullopt for a cell that
// holds no loaded byte (a title, a column beyond the line's width, a
// position beyond the loaded image).
std::optional<int64_t> HexCellPosition(const GameFileSlots& fileSlots, const HexViewState& view, int col, int row);

// The text of bytesPerLine: taken only when it is a whole number within
// MinBytesPerLine..MaxBytesPerLine; other texts change nothing (false).
bool SetBytesPerLine(HexViewState& view, const QString& text);
void SetHexSection(HexViewState& view, int slot);  // clamped into 0..MaxHexSection

// Scrolling by a line or a page (HexLines lines). Up stops at offset 0.
// Down moves only while the new first byte still lies inside the loaded
// image; false when it did not move.
void LineUp(HexViewState& view);
void PageUp(HexViewState& view);
bool LineDown(const GameFileSlots& fileSlots, HexViewState& view);
bool PageDown(const GameFileSlots& fileSlots, HexViewState& view);

// The byte a typed cell text stands for, by mode: "Combo" takes one
// character with a Windows-1252 byte as that byte and any other text as hex
// digits, "Hex" hex digits (a value below 2^32, no sign), "Dec." a decimal
// integer. The low 8 bits are kept. Throws ConversionError quoting the text
// as converted ("0x" + text for the hex forms).
uint8_t ParseHexCellText(HexMode mode, const QString& text);

enum class RetainOutcome { Stored, NoLoadedByte };
// "Retain": stores the byte typed into cell (col, row). A cell without a
// loaded byte stores nothing (NoLoadedByte); a text that is no number throws
// ConversionError before anything is stored.
RetainOutcome RetainHexCell(GameFileSlots& fileSlots, const HexViewState& view, int col, int row,
                            const QString& text);

}  // namespace qrl::scen
