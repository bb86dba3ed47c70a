#pragma once
// Whole-file reading, safe saving and the case-blind name lookup of files the
// programs name themselves.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace qrl {

// No file the programs read needs more; a larger one is taken as unreadable
// rather than exhausting memory.
inline constexpr size_t MaxReadFileBytes = size_t(256) << 20;

// Opens a regular file for reading (following links) and returns its
// descriptor, or -1. Anything else (a folder, a named pipe, a device, a
// socket) counts as a file that does not open: opening a pipe for reading
// would block until a writer comes, freezing the program. The caller closes
// the descriptor. Every reader of an outside file opens it through here.
int OpenRegularFileForReading(const std::string& path);

// The file's bytes, or nullopt when it is no regular file, cannot be opened
// or read, or is larger than maxBytes.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes = MaxReadFileBytes);

// At most `limit` bytes from the start of a regular file, or nullopt as for
// ReadWholeFile.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path, size_t limit);

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target only when every write, the flush and the close succeeded.
// On any failure the temporary file is removed and the target is untouched.
// An existing target keeps its permission bits; a link is followed to the file
// it names; only a writable regular file (or none) is replaced. Uses POSIX
// calls, since standard C++ cannot flush a file to the disk.
bool SafeSaveFile(const std::string& path, std::span<const uint8_t> bytes);
inline bool SafeSaveFile(const std::string& path, const std::string& text) {
  return SafeSaveFile(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// folder + name when that entry (file or sub-folder) exists; else the entry of
// the folder whose name equals name ignoring ASCII case, the first in byte
// order if several do; else folder + name. Folder may end in "/" or not, or
// be empty for the current folder.
std::string FindFileCaseBlind(const std::string& folder, const std::string& name);

// The same lookup for many names in one folder, reading the folder once:
// Find(name) gives what FindFileCaseBlind(folder, name) gives for the folder
// as it was when the index was made.
class FolderIndex {
 public:
  explicit FolderIndex(const std::string& folder);
  std::string Find(const std::string& name) const;

 private:
  std::string Prefix;  // the folder with its trailing "/"
  std::map<std::string, std::string> ByLowerName;  // lower-case name -> real name, first in byte order
  std::set<std::string> Names;
};

// The folder part of a path, up to and including its last "/" (empty when
// there is none).
std::string FolderOf(const std::string& path);

// The part after the last "/".
std::string FileNameOf(const std::string& path);

}  // namespace qrl
