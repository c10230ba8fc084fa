// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/wire_text.h"

#include "text/text_codec.h"

namespace hexaline::table {

QString fromWire(std::string_view text) {
    return text::decodeText(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string toWire(const QString& text) {
    return text::encodeText(text).toStdString();
}

}  // namespace hexaline::table
