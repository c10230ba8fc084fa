// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/message_fields.h"

#include "text/text_codec.h"

#include "table/client_state.h"

namespace hexaline::table {

namespace {

int ranged(protocol::Reader& fields, int low, int high, const char* what) {
    const int value = fields.number();
    if (value < low || value > high) {
        throw protocol::FieldError(std::string(what) + " " + std::to_string(value) +
                                   " is out of range");
    }
    return value;
}

}  // namespace

int playerSeatField(protocol::Reader& fields, int maxplayers) {
    return ranged(fields, 1, maxplayers, "seat");
}

int slotField(protocol::Reader& fields) {
    return ranged(fields, 1, kHandSlots, "hand slot");
}

int lineField(protocol::Reader& fields) {
    return ranged(fields, 1, kBoardLines, "row or column");
}

int tileField(protocol::Reader& fields) {
    return ranged(fields, 0, kMaxTileCode, "tile");
}

int boardTileField(protocol::Reader& fields) {
    return ranged(fields, 1, kMaxTileCode, "tile");
}

QString numberText(protocol::Reader& fields) {
    const std::string text = fields.text();
    if (!protocol::parseNumber(text)) {
        throw protocol::FieldError("\"" + text.substr(0, 32) + "\" is not a number");
    }
    return fromWire(text);
}

QString textField(protocol::Reader& fields) {
    return fromWire(fields.text());
}

QString fromWire(std::string_view text) {
    return text::decodeText(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string toWire(const QString& text) {
    return text::encodeText(text).toStdString();
}

}  // namespace hexaline::table
