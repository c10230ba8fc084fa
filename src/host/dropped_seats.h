// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player seats of a game whose people dropped out, kept for them by name, and the names the
// hosting user removed from the game, who get no seat back.

#include <array>
#include <set>
#include <string>

namespace hexaline::session {

class DroppedSeats {
  public:
    static constexpr int kPlayerSeats = 4;

    // The person on a player seat lost the connection during a game.
    void dropped(int seat, const std::string& name);
    // The hosting user removed the person of this name from the game.
    void removed(const std::string& name);
    // Someone else took the seat, or its person is back: it is kept no longer.
    void forget(int seat);
    // A new game: nothing is kept from the last one.
    void clear();

    // The lowest seat kept for this name, 0 for none.
    int seatFor(const std::string& name) const;
    bool isRemoved(const std::string& name) const { return removed_.count(name) != 0; }

  private:
    std::array<std::string, kPlayerSeats + 1> names_{};  // by seat; empty = not kept
    std::set<std::string> removed_;
};

}  // namespace hexaline::session
