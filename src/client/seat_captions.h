// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The captions a seat's name label shows besides a player's name.

namespace hexaline::session {

// A free seat.
inline constexpr char kWaiting[] = "<Waiting>";
// Follows the name of a player who dropped out of a running game; the computer plays the seat
// until the player comes back.
inline constexpr char kAway[] = " (away)";

}  // namespace hexaline::session
