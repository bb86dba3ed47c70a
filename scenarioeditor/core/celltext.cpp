#include "scenarioeditor/core/celltext.h"

#include "gamefile/cp1252.h"

namespace qrl::scen {

QString TextFromBytes(std::string_view bytes) { return QString::fromStdU16String(DecodeCp1252(bytes)); }

std::string BytesFromText(const QString& text) { return EncodeCp1252(text.toStdU16String()); }

}  // namespace qrl::scen
