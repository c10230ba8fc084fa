// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the client shows of the seats: the four player slots (name labels, score labels,
// watching markers) and the list of spectators. The client's game model implements it and
// signals each change to the table; tests implement it in memory.

#include <string>

namespace hexaline::session {

inline constexpr char kWaiting[] = "<Waiting>";
// Follows the name of a player who dropped out of a running game; the computer plays the seat
// until the player comes back.
inline constexpr char kAway[] = " (away)";

class SeatView {
  public:
    virtual ~SeatView() = default;

    // Caption of the name label of player seat 1..4: "<Waiting>", a player's name, or the
    // computer's name once the computer plays the free seat.
    virtual std::string playerName(int seat) const = 0;
    virtual void setPlayerName(int seat, const std::string& caption) = 0;
    // A player took the seat: the label shows the name, the score label is shown beside it.
    virtual void seatTaken(int seat, const std::string& name) = 0;
    // The name of the computer player that stands in for the free seat (the label's hint).
    virtual std::string computerName(int seat) const = 0;
    virtual void setWatching(int seat, bool watching) = 0;

    // Spectator entries are written as seat, ": " and name.
    virtual void addSpectator(const std::string& entry) = 0;
    // Removes the entry; false when the list does not hold it.
    virtual bool removeSpectator(const std::string& entry) = 0;
};

}  // namespace hexaline::session
