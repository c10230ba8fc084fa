// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's game state under the names the table uses.

#include "client/game_model.h"

namespace hexaline::table {

using client::ClientBoard;
using client::GameModel;
using client::kBoardLines;
using client::kFixed;
using client::kHandSlots;

}  // namespace hexaline::table
