#pragma once
// Windows-1252 bytes <-> QString, over the one code-page table of
// gamefile/cp1252.h. Header-only and QtCore-only, so the document libraries
// (which never link QtWidgets) use the same conversion as the windows: link
// the `forms_text` target for it.
#include <QString>
#include <string>
#include <string_view>

#include "gamefile/cp1252.h"

namespace qrl::forms {

// Every byte becomes one character; the five unassigned bytes become the C1
// controls of the same value, so ToCp1252 gives the bytes back unchanged.
inline QString FromCp1252(std::string_view bytes) {
  std::u16string text = DecodeCp1252(bytes);
  return QString(reinterpret_cast<const QChar*>(text.data()), qsizetype(text.size()));
}

// One byte per character; a character without a byte (a surrogate pair counts
// as one character) becomes "?".
inline std::string ToCp1252(const QString& text) {
  return EncodeCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())));
}

}  // namespace qrl::forms
