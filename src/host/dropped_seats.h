// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player seats of a game whose people dropped out, kept for them by name and address, and
// the people the hosting user removed from the game, who get no seat back. Addresses compare
// exactly: a name alone never gives a seat to a stranger from elsewhere, and a removed person
// cannot play again under another spelling of the name from the same address.

#include <array>
#include <set>
#include <string>

#include "protocol/seats.h"

namespace hexaline::session {

class DroppedSeats {
  public:
    // The person on a player seat lost the connection during a game.
    void dropped(int seat, const std::string& name, const std::string& address);
    // The hosting user removed the person of this name and address from the game.
    void removed(const std::string& name, const std::string& address);
    // Someone else took the seat, or its person is back: it is kept no longer.
    void forget(int seat);
    // A new game: nothing is kept from the last one.
    void clear();

    // The lowest seat kept for this name at this address, 0 for none.
    int seatFor(const std::string& name, const std::string& address) const;
    // The seat is kept for a person at another address than this one.
    bool isKeptFromElsewhere(int seat, const std::string& address) const;
    // The name, or anybody at the address, was removed from this game.
    bool isRemoved(const std::string& name, const std::string& address) const;

  private:
    struct Kept {
        std::string name;  // empty = not kept
        std::string address;
    };
    std::array<Kept, protocol::kPlayerSeats + 1> kept_{};  // by seat
    std::set<std::string> removedNames_;
    std::set<std::string> removedAddresses_;
};

}  // namespace hexaline::session
