// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The host's side of every connection: seats, logins, relays, watching, kicks and departures,
// and the game engine behind them.

#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>

#include "engine/host.h"
#include "engine/outlet.h"
#include "engine/random.h"
#include "host/dropped_seats.h"
#include "host/host_port.h"
#include "host/relay_budgets.h"
#include "protocol/dispatcher.h"
#include "protocol/seats.h"

namespace hexaline::session {

class HostSession : private engine::EngineOutlet {
  public:
    HostSession(HostPort& port, engine::Random& random);

    // Installs the handlers of the host's catalogue. Every handler gets the connection the
    // message came from as its origin.
    void install(protocol::Dispatcher& dispatcher);

    // A new connection waits: seat it, or refuse it when all nine seats are taken.
    void onAccepted(ConnectionId connection);
    // A connection closed, by either side; harmless when reported twice.
    void connectionClosed(ConnectionId connection);

    // A message as it arrives from a connection, before it is queued: false drops it. A message
    // to be passed on to everybody is counted against the sender's relay budget here, when it
    // arrives, so that a host busy for a while does not drop an honest player's lines later.
    bool admit(ConnectionId from, std::string_view message);
    // Closes every connection that has not logged in within the login time.
    void expireLogins();

    // Closes every seat's connection (the host is shutting down).
    void disconnectall();

    // Timer ticks.
    void breakTick() { game_.breakTick(); }
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
    // Passes a message on to every seat, as far as each receiver's relay budget allows; the
    // sender's own copy always goes back to it.
    void relay(ConnectionId from, const std::string& message);
    // Sends the seat's connection the login request and starts its login time.
    void askLogin(ConnectionId connection, int seat);
    std::string addressOf(ConnectionId connection) const;
    // The lowest free seat for a connection from `address`, but never one kept for a person
    // at another address; 0 when none is free.
    int takeFreeSeat(const std::string& address);
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
    // The connection of each seat, 0 = none.
    std::array<ConnectionId, protocol::kSeatCount + 1> conn_{};
    std::map<ConnectionId, int> seatOfConnection_;
    std::string lastAnnouncement_;
    RelayBudgets budgets_;
    std::map<ConnectionId, std::string> addressOf_;  // every open connection's address
    std::map<ConnectionId, std::int64_t> loginDue_;  // connections asked to log in, by deadline
    std::set<ConnectionId> loggedIn_;  // logins handled since the seat was assigned
    DroppedSeats dropped_;
};

}  // namespace hexaline::session
