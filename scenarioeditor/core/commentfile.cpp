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

EncodedComment EncodeCommentFile(std::string_view text) {
  std::string crlf;
  crlf.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) crlf += '\r';
    crlf += text[i];
  }
  EncodedComment out;
  out.Bytes.assign(CommentFileSize, 0);
  const size_t kept = std::min(crlf.size(), MaxCommentBytes);
  std::copy_n(crlf.begin(), kept, out.Bytes.begin());
  out.Cut = crlf.size() > MaxCommentBytes;
  return out;
}

}  // namespace qrl::scen
