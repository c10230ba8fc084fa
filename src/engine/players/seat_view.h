// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the player at one seat knows: the board, its own hand, whether this is the round's
// first play, how many tiles are left in the bag and which seats play the round. Other
// hands and the order of the bag are not reachable through it.

#include <array>

#include "engine/tables.h"

namespace hexaline::engine {

class SeatView {
  public:
    // The view of `seat` (1..4) on the tables; it lives no longer than they do.
    SeatView(const HostTables& tables, int seat, int tilesleft)
        : board_(tables.board),
          hand_(tables.seats[seat].hand),
          seat_(seat),
          firstplay_(tables.firstplay == 1),
          tilesleft_(tilesleft) {
        for (int s = 1; s <= kMaxPlayers; ++s)
            inround_[s] = tables.seats[s].inround;
    }

    int seat() const { return seat_; }
    const Board& board() const { return board_; }
    const std::array<int, kHandSlots + 1>& hand() const { return hand_; }  // slots 1..6
    bool firstplay() const { return firstplay_; }
    int tilesleft() const { return tilesleft_; }
    // Whether the seat (1..4) plays the round.
    bool inround(int seat) const { return inround_[seat]; }

  private:
    const Board& board_;
    const std::array<int, kHandSlots + 1>& hand_;
    int seat_;
    bool firstplay_;
    int tilesleft_;
    std::array<bool, kMaxPlayers + 1> inround_{};
};

}  // namespace hexaline::engine
