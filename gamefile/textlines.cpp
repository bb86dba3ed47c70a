#include "gamefile/textlines.h"

namespace qrl {

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t lf = text.find('\n', start);
    size_t end = lf == std::string_view::npos ? text.size() : lf;
    size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.emplace_back(text.substr(start, lineEnd - start));
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) {
    text += line;
    text += CrLf;
  }
  return text;
}

TextModeReader::TextModeReader(std::span<const unsigned char> bytes) {
  Text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = char(bytes[i]);
    if (c == TextModeEndOfData) break;
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    Text.push_back(c);
  }
}

std::string TextModeReader::ReadLine(size_t bufferSize) {
  std::string line;
  while (Pos < Text.size() && line.size() + 1 < bufferSize) {
    char c = Text[Pos++];
    line.push_back(c);
    if (c == '\n') break;
  }
  return line;
}

}  // namespace qrl
