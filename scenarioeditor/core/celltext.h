#pragma once
// Text of the game's files (Windows-1252 bytes) as the windows show it, and back.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

namespace qrl::scen {

// Every byte becomes one character, so any bytes survive the trip back.
QString TextFromBytes(std::string_view bytes);
// One byte per character; a character the code page has no byte for becomes "?".
std::string BytesFromText(const QString& text);

// The integer in a cell or an edit (qrl::StrToInt): throws ConversionError
// quoting the text when it holds none.
int32_t IntFromText(const QString& text);

}  // namespace qrl::scen
