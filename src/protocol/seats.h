// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The seats of a game: 1..4 play, 5..9 watch. Seat 1 is the hosting user's own client.

namespace hexaline::protocol {

inline constexpr int kPlayerSeats = 4;
inline constexpr int kSeatCount = 9;

inline constexpr bool isPlayerSeat(int seat) {
    return seat >= 1 && seat <= kPlayerSeats;
}
inline constexpr bool isSeat(int seat) {
    return seat >= 1 && seat <= kSeatCount;
}

}  // namespace hexaline::protocol

namespace hexaline::protocol {

// The computer players that stand in for free seats 2, 3 and 4; "" for seat 1.
inline constexpr const char* computerName(int seat) {
    constexpr const char* kNames[] = {"", "Klot", "Klick", "Kling"};
    return isPlayerSeat(seat) ? kNames[seat - 1] : "";
}

}  // namespace hexaline::protocol
