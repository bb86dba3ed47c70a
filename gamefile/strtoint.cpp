#include "gamefile/strtoint.h"

namespace qrl {

namespace {

std::string ConversionMessage(std::string_view text) {
  // Appended piece by piece: g++ 12 at -O3 warns (-Wrestrict) inside
  // libstdc++ about a string literal + std::string.
  constexpr std::string_view Rest = "' is not a valid integer value";
  std::string message;
  message.reserve(1 + text.size() + Rest.size());
  message.push_back('\'');
  message.append(text);
  message.append(Rest);
  return message;
}

}  // namespace

ConversionError::ConversionError(std::string_view text) : std::runtime_error(ConversionMessage(text)) {}

std::optional<int32_t> TryStrToInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > int64_t(INT32_MAX) + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return int32_t(value);
}

int32_t StrToInt(std::string_view text) {
  auto value = TryStrToInt(text);
  if (!value) throw ConversionError(text);
  return *value;
}

std::optional<uint8_t> DecimalLowByte(std::string_view text) {
  size_t i = 0;
  auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
  while (i < text.size() && isSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t firstDigit = i;
  unsigned value = 0;  // the number modulo 256, digit by digit
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = (value * 10 + unsigned(text[i] - '0')) & 0xFF;
  if (i == firstDigit) return std::nullopt;
  return uint8_t(negative ? (256 - value) & 0xFF : value);
}

}  // namespace qrl
