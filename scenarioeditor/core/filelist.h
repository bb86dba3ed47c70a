#pragma once
// The open-file window's logic: the matching files of a folder, each listed
// with an annotation (a marker for scenario and saved-game names, the comment
// of its comment file), and the path the window hands back. Each item keeps
// its real file name beside the text shown, so the choice never depends on
// parsing the annotated text.
#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qrl::scen {

inline constexpr std::string_view AllFilesMask = "*.*";
inline constexpr std::string_view AllFilesCaption = "All (*.*)";
inline constexpr std::string_view ScenarioMarker = " -> ";
inline constexpr size_t MaxListedCommentBytes = 255;

// Case-blind match of a plain file name with a mask of "*" and "?"; the mask
// "*.*" matches every name, also one without ".".
bool MaskMatches(std::string_view mask, std::string_view name);

// Names of the folder's files (not folders) that match the mask, sorted
// without regard to case. folder ends in "/".
std::vector<std::string> ListMatchingFiles(const std::string& folder, std::string_view mask);

// A name that begins with SAVE or SCEN and has the extension .DAT, any case.
bool IsScenarioName(std::string_view name);

// The text a comment file adds to its item: its first 255 bytes at most, up
// to the first zero byte, each control byte shown as a blank.
QString ListedComment(std::span<const uint8_t> commentFile);

// The item text of a name: the name, the marker for scenario names, then the
// comment when its comment file could be read (nullopt: none).
QString AnnotatedItemText(std::string_view name, const std::optional<std::vector<uint8_t>>& commentFile);

struct FileListItem {
  std::string FileName;  // the real name in the folder
  QString Text;          // what the list shows
};

// One listing of the folder: the matching names, annotated once from the
// plain names unless the mask is "*.*", where the items are the plain names.
// The comment file of each name is found by CommentFileName, case-blind.
std::vector<FileListItem> ListFolder(const std::string& folder, std::string_view mask);

// The path the window returns for its selected item (an index into items):
// folder + the item's real name; nullopt when nothing is selected.
std::optional<std::string> ChosenPath(const std::string& folder, const std::vector<FileListItem>& items,
                                      int selected);

// "OK" for a name typed into the name field: the text up to its first ".",
// the "." and the three characters after it (fewer when the text ends
// sooner), so that an item text with its annotation still names its file;
// empty when the text holds no ".".
QString CutTypedName(const QString& text);

// The path "OK" returns for a typed name (as cut, in the file system's
// bytes): folder + the name, found case-blind in the folder. An empty name
// gives the folder alone, which no reader opens.
std::string TypedPath(const std::string& folder, const std::string& name);

// The mask button: after each activation it reads "All (*.*)"; a click
// switches the list between the mask the caller set and "*.*", and the
// caption always names the mask the next click switches to.
struct MaskButtonState {
  std::string Mask{AllFilesMask};  // the list's mask now
  std::string SavedMask;           // the mask the caller set before the activation
  std::string Caption;

  void Activate() {
    Caption = AllFilesCaption;
    SavedMask = Mask;
  }
  void Click() {
    if (Mask == SavedMask) {
      Mask = AllFilesMask;
      Caption = SavedMask;
    } else {
      Mask = SavedMask;
      Caption = AllFilesMask;
    }
  }
};

}  // namespace qrl::scen
