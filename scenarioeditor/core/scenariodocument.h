#pragma once
// QrlEd's document: one game file decoded into slots, the folders and file
// name the editor keeps, and the load and the two saves without their windows.
// Owned by main beside the grid state (editorsession.h) and handed to every
// window by reference. Windows change the records in place through the
// accessors of recordlayout.h; nothing reaches the disk until a save.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gamefile/gamefileslots.h"
#include "gamefile/mapsections.h"
#include "scenarioeditor/core/recordchanges.h"

namespace qrl::scen {

inline constexpr uint8_t NoGameKind = 0;
inline constexpr uint8_t CurrentGameKind = 5;
inline constexpr std::string_view InitialCurrentFile = "scen000.dat";
inline constexpr std::string_view InitialFileLabel = "File";
inline constexpr std::string_view FileLabelPrefix = "Edit(QRL): ";

// What the windows set on their dialogs for the load and the two saves.
namespace FileDialogs {
inline constexpr std::string_view OpenMask = "*.dat";
inline constexpr std::string_view OpenCaption = "Open Version 1.1 file";
inline constexpr std::string_view SaveFilter = "Scenarios (*.dat)|*.dat|All files (*.*)| *.*";
inline constexpr std::string_view SaveScenarioTitle = "Save KXQRL Version 1.0 Scenario";
inline constexpr std::string_view SaveMapTitle = "Save KXQRL Version 1.0 Map";
inline constexpr std::string_view SaveDefaultExtension = "dat";
inline constexpr std::string_view MapFileName = "pzmap00.dat";
}  // namespace FileDialogs

// A message box with a text and a caption, OK only, no icon.
struct BoxMessage {
  std::string Text;
  std::string Caption;
  bool operator==(const BoxMessage&) const = default;
};

namespace Boxes {
inline const BoxMessage CouldNotOpen{"Couldn't open save file", "Error"};
inline const BoxMessage NotCurrentGame{"This is not a KX:QRL version 1.0 or 2.0 saved game!", "Fatal Error"};
inline const BoxMessage TooMuchData{"Too much data", "Error"};
inline const BoxMessage PartlyRead{
    "Only part of this file could be read. It cannot be saved whole, or the records that were not read would be lost.",
    "Warning"};
inline const BoxMessage TooManyRecords{
    "This file holds more than 99 records and only the first 99 were read. It cannot be saved whole, or the records "
    "after them would be lost.",
    "Warning"};
inline const BoxMessage Protected{"This scenario is protected and cannot be edited.", "Security Violation"};
inline const BoxMessage NothingLoaded{"You are not editing a KXQRL Version 1.0 file. Aborting", "Error"};
inline const BoxMessage IncompleteWholeSave{
    "Only part of the loaded file was read, so saving it whole would lose the rest. Aborting", "Aborting Save"};
inline const BoxMessage IncompleteMapSave{
    "The loaded file was not read as far as its map sections, so its map is incomplete. Aborting", "Aborting Save"};
inline const BoxMessage CouldNotWrite{"Could not open New save file!", "Aborting Save"};
}  // namespace Boxes

// Slot 33 carries the protection flag in its bytes 4..7.
inline constexpr int ProtectionFirstByte = 4;
inline constexpr int ProtectionLastByte = 7;
// The highest slot whose record a map-only save may need (the map section ids
// lie in 2..48, and a complete file holds section n in slot n).
inline constexpr int LastMapSlot = std::ranges::max(MapSectionIds);

struct ScenarioDocument {
  GameFileSlots Slots;
  uint8_t GameKind = NoGameKind;  // CurrentGameKind once the load command was used
  // Path of the file last loaded or saved whole; default name of the save
  // dialog and base of the comment file name.
  std::string CurrentFile{InitialCurrentFile};
  // Folders end in "/". SaveDir: folder of the last loaded file, start folder
  // of the open-file window and of both save dialogs.
  std::string ProgramDir;
  std::string SaveDir;
  std::string OobDir;
  // The loaded file's comment: Windows-1252 bytes, at most 199, no zero byte.
  std::string CommentText;
  // Counts the loads that read a game file and then its comment: the comment
  // window shows CommentText anew when this moved since it last did.
  uint32_t CommentReads = 0;
  // The main window's file label text (UTF-8).
  std::string FileLabel{InitialFileLabel};
  bool OpenedFromCommandLine = false;  // set only while a command-line file loads
  bool NewFileLoaded = false;          // set by every load; the position window takes and clears it
  // Noted by every load, side switch and grid fill from the records, and by
  // each window's store into the records: the record-editing windows reload
  // on activation when it moved since their last reload.
  RecordChanges Changes;
  bool EverLoaded = false;             // a file has opened, passed the magic test and been read
  // The first slot whose record was not read whole: the slot at which the
  // 5,000,000-byte limit stopped the reading, or 100 when the file holds more
  // than 99 records; 0 when the whole file was read. A whole-file save of
  // such a document would drop the unread records.
  int FirstUnreadSlot = 0;

  bool Incomplete() const { return FirstUnreadSlot != 0; }
};

struct LoadOutcome {
  bool Loaded = false;     // the file opened, passed the magic test and replaced the document
  bool Protected = false;  // the main window must close once the load has finished
  bool Incomplete = false;
  std::vector<BoxMessage> Boxes;  // to be shown in this order
};

// Start-up: ProgramDir is the folder of the program's own path; OobDir and
// SaveDir start there too.
void SetUpFolders(ScenarioDocument& doc, const std::string& programPath);

// The command-line test: the file opens and its first line is a current-game magic.
bool IsCurrentGameFile(const std::string& path);

// The reading part of a load, for a path the open-file window or the command
// line gave: opens the file, tests the magic, decodes the records into fresh
// slots and puts them in place, tests the protection flag and reads the
// comment file. CurrentFile, SaveDir and FileLabel change only once the file
// has opened and passed the magic test; a file that fails either leaves the
// document as it was.
LoadOutcome ReadSaveFile(ScenarioDocument& doc, const std::string& path);
// The same for bytes already read from path (no comment file is read).
LoadOutcome DecodeSaveFile(ScenarioDocument& doc, const std::string& path, std::span<const uint8_t> file);
// As above, decoding into scratch (whatever it holds is overwritten) and
// swapping it in; afterwards scratch holds the previous slots. Callers that
// load many files keep one scratch object and save a fresh 5 MB buffer each.
LoadOutcome DecodeSaveFile(ScenarioDocument& doc, const std::string& path, std::span<const uint8_t> file,
                           GameFileSlots& scratch);
// The comment of CurrentFile into CommentText; a comment file that does not
// open empties it.
void ReadCommentOfCurrentFile(ScenarioDocument& doc);

// The whole-file save: a refusal before the dialog is shown (nothing loaded
// yet, or a document that was not read completely), else nullopt.
std::optional<BoxMessage> WholeFileSaveRefusal(const ScenarioDocument& doc);
// Writes the header and every present slot to path through the safe save.
// nullopt on success, when CurrentFile becomes path and FileLabel its lower
// case; else the refusal or the write failure's box, and nothing changed.
std::optional<BoxMessage> SaveWholeFile(ScenarioDocument& doc, const std::string& path);

// The map-only save: refused before anything was loaded, and when the
// reading stopped before all the map slots were reached.
std::optional<BoxMessage> MapOnlySaveRefusal(const ScenarioDocument& doc);
// Writes the header and the non-empty map records; CurrentFile and FileLabel
// do not change.
std::optional<BoxMessage> SaveMapOnlyFile(const ScenarioDocument& doc, const std::string& path);

}  // namespace qrl::scen
