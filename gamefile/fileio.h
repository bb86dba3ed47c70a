#pragma once
// Whole-file reading, safe saving and the case-blind name lookup of files the
// programs name themselves.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qrl {

// The file's bytes, or nullopt when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target only when every write, the flush and the close succeeded.
// On any failure the temporary file is removed and the target is untouched.
// An existing target keeps its permission bits.
bool SafeSaveFile(const std::string& path, std::span<const uint8_t> bytes);
inline bool SafeSaveFile(const std::string& path, const std::string& text) {
  return SafeSaveFile(path, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

// folder + name when that exists; else the first entry of the folder whose
// name equals name ignoring ASCII case; else folder + name. Folder is a path
// ending in "/" (or empty for the current folder).
std::string FindFileCaseBlind(const std::string& folder, const std::string& name);

// The folder part of a path, up to and including its last "/" (empty when
// there is none).
std::string FolderOf(const std::string& path);

// The part after the last "/".
std::string FileNameOf(const std::string& path);

}  // namespace qrl
