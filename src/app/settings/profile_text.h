#pragma once
// Bytes of the settings file to text and back. The file is UTF-8; bytes that do not form valid
// UTF-8 (a file written by an older 8-bit program) are read as Windows-1252.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace hexaline::settings {

QString decodeProfileText(QByteArrayView bytes);
QByteArray encodeProfileText(QStringView text);

}  // namespace hexaline::settings
