#pragma once
// Text inside game files, comments, OOB files, CSV and tables is bytes in the
// Windows-1252 code page. One table maps every byte to a character and back,
// so every byte survives a round trip; the five unassigned bytes map to the
// C1 controls of the same value. A character without a byte becomes "?".
#include <string>
#include <string_view>

namespace qrl {

char16_t Cp1252ToUnicode(unsigned char byte);
std::u16string DecodeCp1252(std::string_view bytes);
std::string EncodeCp1252(std::u16string_view text);

}  // namespace qrl
