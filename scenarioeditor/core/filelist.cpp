#include "scenarioeditor/core/filelist.h"

#include <algorithm>
#include <filesystem>

#include "gamefile/fileio.h"
#include "scenarioeditor/core/celltext.h"
#include "scenarioeditor/core/commentfile.h"

namespace qrl::scen {

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

bool CaseBlindLess(const std::string& a, const std::string& b) {
  const std::string ua = UpperCase(a), ub = UpperCase(b);
  return ua != ub ? ua < ub : a < b;
}

// Wildcard match without recursion: the last "*" seen is the only point to
// return to, which keeps the work linear per mask position.
bool WildcardMatch(std::string_view mask, std::string_view name) {
  size_t m = 0, n = 0, starMask = std::string_view::npos, starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || AsciiUpper(mask[m]) == AsciiUpper(name[n]))) {
      ++m;
      ++n;
    } else if (m < mask.size() && mask[m] == '*') {
      starMask = m++;
      starName = n;
    } else if (starMask != std::string_view::npos) {
      m = starMask + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

bool MaskMatches(std::string_view mask, std::string_view name) {
  return mask == AllFilesMask || WildcardMatch(mask, name);
}

std::vector<std::string> ListMatchingFiles(const std::string& folder, std::string_view mask) {
  std::vector<std::string> names;
  std::error_code ec;
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (MaskMatches(mask, name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), CaseBlindLess);
  return names;
}

bool IsScenarioName(std::string_view name) {
  const std::string upper = UpperCase(name);
  const bool scenarioStart = upper.starts_with("SAVE") || upper.starts_with("SCEN");
  const size_t dot = upper.rfind('.');
  return scenarioStart && dot != std::string::npos && upper.substr(dot) == ".DAT";
}

QString ListedComment(std::span<const uint8_t> commentFile) {
  const auto limit = commentFile.first(std::min(commentFile.size(), MaxListedCommentBytes));
  const auto end = std::find(limit.begin(), limit.end(), uint8_t(0));
  QString text = TextFromBytes(std::string_view(reinterpret_cast<const char*>(limit.data()), size_t(end - limit.begin())));
  for (QChar& c : text)
    if (IsControl(c.unicode())) c = QLatin1Char(' ');
  return text;
}

QString AnnotatedItemText(std::string_view name, const std::optional<std::vector<uint8_t>>& commentFile) {
  QString text = QString::fromUtf8(name.data(), qsizetype(name.size()));
  if (IsScenarioName(name)) text += QLatin1String(ScenarioMarker.data(), qsizetype(ScenarioMarker.size()));
  if (commentFile) text += ListedComment(*commentFile);
  return text;
}

std::vector<FileListItem> ListFolder(const std::string& folder, std::string_view mask) {
  std::vector<FileListItem> items;
  // One reading of the folder serves every comment lookup of the listing.
  const FolderIndex index(folder);
  for (std::string& name : ListMatchingFiles(folder, mask)) {
    QString text;
    if (mask == AllFilesMask) {
      text = QString::fromStdString(name);
    } else {
      auto comment = ReadFileStart(index.Find(CommentFileName(name)), MaxListedCommentBytes);
      text = AnnotatedItemText(name, comment);
    }
    items.push_back({std::move(name), std::move(text)});
  }
  return items;
}

std::optional<std::string> ChosenPath(const std::string& folder, const std::vector<FileListItem>& items,
                                      int selected) {
  if (selected < 0 || size_t(selected) >= items.size()) return std::nullopt;
  std::string path = folder;
  if (!path.empty() && path.back() != '/') path += '/';
  return path + items[size_t(selected)].FileName;
}

QString CutTypedName(const QString& text) {
  constexpr qsizetype ExtensionLength = 3;
  const qsizetype dot = text.indexOf(u'.');
  if (dot < 0) return QString();
  return text.left(dot + 1 + ExtensionLength);
}

std::string TypedPath(const std::string& folder, const std::string& name) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  if (name.empty()) return prefix;
  return FindFileCaseBlind(prefix, name);
}

}  // namespace qrl::scen
