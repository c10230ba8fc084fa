// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the fields of a game message with the ranges the table can hold. A value outside its
// range stops the message like a field that is not a number (FieldError), so nothing indexes
// past a seat, a hand slot or the board.

#include <QString>
#include <string>
#include <string_view>

#include "protocol/reader.h"

namespace hexaline::table {

// A seat number whose controls exist: 1..maxplayers.
int playerSeatField(protocol::Reader& fields, int maxplayers);
int slotField(protocol::Reader& fields);       // 1..6
int lineField(protocol::Reader& fields);       // a row or column, 1..12
int tileField(protocol::Reader& fields);       // 0..108, 0 = no tile (a hand slot)
int boardTileField(protocol::Reader& fields);  // 1..108 (a tile on the board)
// A decimal number kept exactly as the host wrote it, for labels that only show it.
QString numberText(protocol::Reader& fields);
// A text field, decoded.
QString textField(protocol::Reader& fields);

// Message text is passed through as UTF-8, which never holds the terminator byte.
QString fromWire(std::string_view text);
std::string toWire(const QString& text);

}  // namespace hexaline::table
