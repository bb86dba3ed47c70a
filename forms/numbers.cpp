#include "forms/numbers.h"

#include "gamefile/strtoint.h"

namespace qrl::forms {

int32_t StrToInt(const QString& text) { return qrl::StrToInt(text.toStdString()); }

QString IntToStr(int64_t value) { return QString::number(value); }

}  // namespace qrl::forms
