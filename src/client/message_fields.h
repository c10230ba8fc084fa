// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the fields of a game message with the ranges the client can hold. A value outside its
// range stops the message like a field that is not a number (FieldError), so nothing indexes
// past a seat, a hand slot or the board.

#include <string>

#include "protocol/reader.h"

namespace hexaline::client {

int playerSeatField(protocol::Reader& fields);  // 1..4
int slotField(protocol::Reader& fields);        // 1..6
int lineField(protocol::Reader& fields);        // a row or column, 1..12
int tileField(protocol::Reader& fields);        // 0..108, 0 = no tile (a hand slot)
int boardTileField(protocol::Reader& fields);   // 1..108 (a tile on the board)
// A decimal number whose text is shown as the host wrote it.
std::string numberText(protocol::Reader& fields);

}  // namespace hexaline::client
