#include "scenarioeditor/core/commentfile.h"

#include <algorithm>

namespace qrl::scen {

std::string CommentFileName(std::string_view path) {
  const size_t nameStart = [&] {
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? size_t(0) : slash + 1;
  }();
  std::string result(path);
  const size_t dot = path.rfind('.');
  if (dot != std::string_view::npos && dot >= nameStart) result.erase(dot, ReplacedExtensionLength);
  result += CommentExtension;
  return result;
}

std::string ReadCommentText(std::span<const uint8_t> file) {
  const auto limit = file.first(std::min(file.size(), MaxCommentBytes));
  const auto end = std::find(limit.begin(), limit.end(), uint8_t(0));
  return std::string(limit.begin(), end);
}

}  // namespace qrl::scen
