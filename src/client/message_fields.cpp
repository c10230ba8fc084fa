// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/message_fields.h"

#include "client/client_board.h"
#include "protocol/seats.h"

namespace hexaline::client {

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

int playerSeatField(protocol::Reader& fields) {
    return ranged(fields, 1, protocol::kPlayerSeats, "seat");
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

std::string numberText(protocol::Reader& fields) {
    std::string text = fields.text();
    if (!protocol::parseNumber(text))
        throw protocol::FieldError("\"" + text.substr(0, 32) + "\" is not a number");
    return text;
}

}  // namespace hexaline::client
