#pragma once

#include <QString>
#include <QVariant>
#include <string>

namespace vs {

// The program's texts are UTF-8.
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);

// A file or folder name need not be UTF-8: an item keeps its bytes as data
// and shows them decoded, as neither QString nor QFile::encodeName gives
// back bytes that are not UTF-8.
QVariant NameData(const std::string& name);
std::string NameOf(const QVariant& data);

}  // namespace vs
