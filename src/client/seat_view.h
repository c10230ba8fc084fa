// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the client session reads and writes of the client's state: the four player seats, the
// spectators, the own seat and role, the connection, the "Just Watch" mark and the chat. The
// client's game model implements it and signals each change; the fuzz target implements it in
// memory.

#include <cstdint>
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

    // The seat the host gave this client (0 before the login) and whether it leads the game:
    // starts it and removes players.
    virtual int myseat() const = 0;
    virtual void setMyseat(int seat) = 0;
    virtual bool ishost() const = 0;
    virtual void setHost(bool host) = 0;
    // The host gave this client its seat and the connection still stands.
    virtual bool isconnected() const = 0;
    virtual void setConnected(bool connected) = 0;
    // Whose turn it is, 0 between turns.
    virtual int turnseat() const = 0;
    // The user stopped playing during the own turn: no more input this turn, and the tiles laid
    // this turn go back to the hand.
    virtual void withdrawTurn() = 0;
    // The own seat's "Just Watch" mark, as the host last said it.
    virtual bool justWatching() const = 0;
    virtual void setJustWatching(bool watching) = 0;

    // A line for the chat log: the speaking seat, "+" and the text.
    virtual void addlinetochat(const std::string& line, std::uint32_t colour) = 0;
};

}  // namespace hexaline::session
