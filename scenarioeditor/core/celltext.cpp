#include "scenarioeditor/core/celltext.h"

#include "gamefile/cp1252.h"
#include "gamefile/strtoint.h"

namespace qrl::scen {

QString TextFromBytes(std::string_view bytes) { return QString::fromStdU16String(DecodeCp1252(bytes)); }

std::string BytesFromText(const QString& text) { return EncodeCp1252(text.toStdU16String()); }

int32_t IntFromText(const QString& text) { return StrToInt(text.toStdString()); }

}  // namespace qrl::scen
