#pragma once
// The text-to-integer conversion of the windows: decimal, optional sign,
// leading blanks allowed, 32-bit range. Text that is no integer throws
// ConversionError with the message "'<text>' is not a valid integer value";
// the handler wrapper shows it and whatever was stored before stays stored.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qrl {

class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);
};

// nullopt when the text is no integer in the 32-bit range.
std::optional<int32_t> TryStrToInt(std::string_view text);
// Throws ConversionError. The text is UTF-8 (the message quotes it as given).
int32_t StrToInt(std::string_view text);

// The C runtime's "%d" / atoi reading of the text's start (white space
// skipped, an optional sign, the decimal digits up to the first other
// character), reduced to the exact low 8 bits of that number whatever its
// length. nullopt when no digit follows.
std::optional<uint8_t> DecimalLowByte(std::string_view text);

}  // namespace qrl
