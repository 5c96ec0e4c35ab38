#include "platform/linux/qt/QtText.h"

#include <QByteArray>

namespace vs {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

std::string ToStdString(const QString& text) { return text.toStdString(); }

QVariant NameData(const std::string& name) {
  return QByteArray(name.data(), static_cast<qsizetype>(name.size()));
}

std::string NameOf(const QVariant& data) { return data.toByteArray().toStdString(); }

}  // namespace vs
