#include "gamefile/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace qrl {

namespace {

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

// The file a path finally names, following links (also dangling ones, whose
// target is to be created); the path itself for a loop or a non-link.
std::filesystem::path ResolveLinks(std::filesystem::path path) {
  constexpr int MaxLinkDepth = 40;
  std::error_code ec;
  for (int depth = 0; depth < MaxLinkDepth && std::filesystem::is_symlink(path, ec); ++depth) {
    std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (ec) break;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return path;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

int OpenRegularFileForReading(const std::string& path) {
  if (path.empty()) return -1;
  // O_NONBLOCK keeps the open itself from waiting for a pipe's writer; the
  // type is checked on the descriptor, so nothing can be swapped in between.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  return fd;
}

namespace {

// Reads up to `limit` bytes in chunks to the end rather than trusting a size
// taken beforehand: the file may grow or shrink while it is read. nullopt on
// a read error, or when `overLimitFails` and the file holds more than limit.
std::optional<std::vector<uint8_t>> ReadFromFile(const std::string& path, size_t limit, bool overLimitFails) {
  int fd = OpenRegularFileForReading(path);
  if (fd < 0) return std::nullopt;
  std::vector<uint8_t> bytes;
  constexpr size_t Chunk = 1 << 16;
  bool failed = false;
  for (;;) {
    size_t at = bytes.size();
    if (at >= limit) {
      if (overLimitFails) {
        uint8_t probe = 0;
        ssize_t n;
        do n = ::read(fd, &probe, 1);
        while (n < 0 && errno == EINTR);
        failed = n != 0;
      }
      break;
    }
    size_t want = std::min(Chunk, limit - at);
    bytes.resize(at + want);
    ssize_t n = ::read(fd, bytes.data() + at, want);
    if (n < 0 && errno == EINTR) {
      bytes.resize(at);
      continue;
    }
    if (n < 0) failed = true;
    bytes.resize(at + size_t(std::max<ssize_t>(n, 0)));
    if (n <= 0) break;
  }
  ::close(fd);
  if (failed) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path, size_t maxBytes) {
  return ReadFromFile(path, maxBytes, true);
}

std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path, size_t limit) {
  return ReadFromFile(path, limit, false);
}

bool SafeSaveFile(const std::string& requestedPath, std::span<const uint8_t> bytes) {
  if (requestedPath.empty()) return false;
  // Save through a link to the file it names, and never replace anything but
  // a writable regular file: a device, a folder or a read-only file would not
  // have opened for writing either.
  const std::string path = ResolveLinks(requestedPath).string();
  std::error_code ec;
  auto status = std::filesystem::status(path, ec);
  const bool exists = std::filesystem::exists(status);
  if (exists && (!std::filesystem::is_regular_file(status) || ::access(path.c_str(), W_OK) != 0)) return false;

  const std::string folder = FolderOf(path);
  std::string pattern = (folder.empty() ? std::string("./") : folder) + ".qrlsave-XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  const std::string tempPath(temp.data());

  mode_t mode = 0644;
  struct stat st {};
  if (exists && ::stat(path.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(tempPath.c_str(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(tempPath.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

namespace {

std::string FolderPrefix(const std::string& folder) {
  return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

std::string LowerAscii(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

}  // namespace

std::string FindFileCaseBlind(const std::string& folder, const std::string& name) {
  std::error_code ec;
  const std::string exact = FolderPrefix(folder) + name;
  if (std::filesystem::exists(exact, ec)) return exact;
  return FolderIndex(folder).Find(name);
}

FolderIndex::FolderIndex(const std::string& folder) : Prefix(FolderPrefix(folder)) {
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string entry = it->path().filename().string();
    // Of several names that differ only in case, the first in byte order
    // wins, so the choice does not depend on the order of the entries.
    auto [slot, added] = ByLowerName.emplace(LowerAscii(entry), entry);
    if (!added && entry < slot->second) slot->second = entry;
    Names.insert(std::move(entry));
  }
}

std::string FolderIndex::Find(const std::string& name) const {
  if (Names.count(name)) return Prefix + name;
  auto hit = ByLowerName.find(LowerAscii(name));
  return Prefix + (hit == ByLowerName.end() ? name : hit->second);
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace qrl
