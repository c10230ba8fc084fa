// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bytes on the wire and in files to text and back. Text is UTF-8; bytes that do not form valid
// UTF-8 (written by an older 8-bit program) are read as Windows-1252.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace hexaline::text {

QString decodeText(QByteArrayView bytes);
QByteArray encodeText(QStringView text);

}  // namespace hexaline::text
