#pragma once
// Text files: the programs write lines ending in CR LF, as on Windows, and read
// CR LF and LF alike.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qrl {

inline constexpr std::string_view CrLf = "\r\n";
inline constexpr char TextModeEndOfData = 0x1A;

// Splits text into lines without their line ends (CR LF or LF). A last line
// without a line end counts; an empty text has no lines.
std::vector<std::string> SplitTextLines(std::string_view text);

// Joins the lines, each followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// Reading a file opened in text mode ("rt"): CR LF reads as LF and a byte 0x1A
// ends the data. ReadLine behaves like fgets with a buffer of bufferSize
// characters: at most bufferSize - 1 characters, ending after a line feed,
// which is kept; an empty result means the end of the data. A NUL byte is
// returned as it stands: callers that treat the line as a C string cut it there.
class TextModeReader {
 public:
  explicit TextModeReader(std::span<const unsigned char> bytes);
  std::string ReadLine(size_t bufferSize);
  bool AtEnd() const { return Pos >= Text.size(); }

 private:
  std::string Text;  // the bytes as text mode delivers them
  size_t Pos = 0;
};

}  // namespace qrl
