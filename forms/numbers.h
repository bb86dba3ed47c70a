#pragma once
// The text <-> integer conversions of the windows' controls.
#include <QString>
#include <cstdint>

namespace qrl::forms {

// Decimal, optional sign, leading blanks, 32-bit range (qrl::StrToInt). Text
// that is no integer throws qrl::ConversionError with the message
// "'<text>' is not a valid integer value", quoting the text as typed.
int32_t StrToInt(const QString& text);

// Decimal, no leading zeros or blanks; "-" for negative values.
QString IntToStr(int64_t value);

}  // namespace qrl::forms
