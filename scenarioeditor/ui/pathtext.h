#pragma once
// Paths are kept as the file system's bytes (std::string); the controls show
// them as the system names them. One pair of conversions for every window.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

namespace qrl::scenui {

inline QString PathText(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }
inline std::string PathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace qrl::scenui
