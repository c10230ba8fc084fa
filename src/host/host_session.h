// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's side of every connection: seats, logins, relays, watching, kicks and departures,
// and the game engine behind them.

#include <array>
#include <map>
#include <set>
#include <string>

#include "engine/host.h"
#include "engine/outlet.h"
#include "engine/random.h"
#include "host/dropped_seats.h"
#include "host/host_port.h"
#include "host/relay_budget.h"
#include "protocol/dispatcher.h"

namespace hexaline::session {

inline constexpr int kMaxSeats = 9;

class HostSession : private engine::EngineOutlet {
  public:
    HostSession(HostPort& port, engine::Random& random);

    // Installs the handlers of the host's catalogue. Every handler gets the connection the
    // message came from as its origin.
    void install(protocol::Dispatcher& dispatcher);

    // A new connection waits: seat it, or refuse it when all nine seats are taken.
    void Sock1Accept(ConnectionId connection);
    // A connection closed, by either side; harmless when reported twice.
    void connectionClosed(ConnectionId connection);

    // Closes every seat's connection (the host is shutting down).
    void disconnectall();

    // Timer ticks.
    void timer_breaksTimer() { game_.timer_breaksTimer(); }
    void computertimerTimer() { game_.computertimerTimer(); }

    // Message handlers; `from` is the connection the message came from.
    void receivedlogininfo(protocol::Reader& fields, ConnectionId from);
    void kickhim(protocol::Reader& fields, ConnectionId from);
    void justwatch(protocol::Reader& fields, ConnectionId from);
    void chat(protocol::Reader& fields, ConnectionId from);
    void action(protocol::Reader& fields, ConnectionId from);
    void playasound(protocol::Reader& fields, ConnectionId from);
    void startgame(protocol::Reader& fields, ConnectionId from);
    void myturn(protocol::Reader& fields, ConnectionId from);
    void ipass(protocol::Reader& fields, ConnectionId from);

    // The seat a connection holds, 0 for none.
    int seatOf(ConnectionId connection) const;
    // The game, to read; it changes only through the session.
    const engine::Host& game() const { return game_; }
    // How well the computer plays, from its next move on.
    void setbotlevel(engine::BotLevel level) { game_.setbotlevel(level); }

  private:
    // EngineOutlet: the engine's messages and timers.
    void send(int seat, const std::string& message) override;
    void armBreakTimer() override { port_.armBreakTimer(); }
    void stopBreakTimer() override { port_.stopBreakTimer(); }
    void startComputerTimer(int intervalMs) override { port_.startComputerTimer(intervalMs); }
    void stopComputerTimer() override { port_.stopComputerTimer(); }
    int botSpeed() override { return port_.botSpeed(); }
    void alert(const std::string& text) override { port_.alert(text); }

    void sendtoall(const std::string& message);
    void disconnectsock(int seat);
    // The seat named inside a message must be the sender's own seat.
    bool speaksForItself(int seat, ConnectionId from) const;
    bool fromHostUser(ConnectionId from) const { return seatOf(from) == 1; }
    void logAnnouncement(const std::string& message);
    // Spends the connection's relay budget on a message for everybody; false: drop it.
    bool withinBudget(ConnectionId from, const std::string& message);
    void relay(ConnectionId from, const std::string& message);
    // A login during a game that belongs on another seat: a person's own kept seat, or a
    // spectator seat for a person removed from the game. True when the connection moved (or
    // was refused) and the login is not to be announced.
    bool seatElsewhere(ConnectionId from, int seat, const std::string& name);
    // Parts a seat from its connection, which is gone or moves to another seat.
    void vacate(ConnectionId connection, int seat);
    // Takes an unannounced seat from its connection.
    void unseat(ConnectionId from, int seat);
    // Moves a connection from its unannounced seat to a held seat and asks it to log in there.
    void reseat(ConnectionId from, int seat, int target);

    HostPort& port_;
    engine::Host game_;
    std::array<ConnectionId, kMaxSeats + 1> conn_{};  // the connection of each seat, 0 = none
    std::map<ConnectionId, int> seatOfConnection_;
    std::string lastAnnouncement_;
    std::map<ConnectionId, RelayBudget> budgets_;
    std::set<ConnectionId> loggedIn_;  // logins handled since the seat was assigned
    DroppedSeats dropped_;
};

}  // namespace hexaline::session
