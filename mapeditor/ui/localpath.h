#pragma once
// File names as the dialogs give them (QString) and as the file functions
// take them (the local file system's bytes).
#include <QFile>
#include <QString>
#include <string>

namespace qrl::mapui {

inline std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline QString FromLocalPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace qrl::mapui
