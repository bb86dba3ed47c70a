#include "gamefile/cp1252.h"

#include <array>

namespace qrl {

namespace {

// Bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool EncodeOne(char16_t c, char& out) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
    out = char(c);
    return true;
  }
  for (size_t i = 0; i < HighControls.size(); ++i) {
    if (HighControls[i] == c) {
      out = char(0x80 + i);
      return true;
    }
  }
  return false;
}

}  // namespace

char16_t Cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return HighControls[byte - 0x80];
  return char16_t(byte);
}

std::u16string DecodeCp1252(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (char b : bytes) text.push_back(Cp1252ToUnicode(static_cast<unsigned char>(b)));
  return text;
}

std::string EncodeCp1252(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    // A surrogate pair is one character: one "?".
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
    char b;
    bytes.push_back(EncodeOne(c, b) ? b : '?');
  }
  return bytes;
}

}  // namespace qrl
