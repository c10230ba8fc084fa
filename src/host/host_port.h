// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the host session needs of the world around it: connections, the game's clock (its two
// timers, the bot speed and the host's screen) and the host's log. The in-process host and the
// headless host implement it over sockets and timers; tests implement it in memory.

#include <chrono>
#include <cstdint>
#include <string>

#include "engine/outlet.h"

namespace hexaline::session {

// Identifies one accepted connection for its whole life; never reused.
using ConnectionId = int;

class HostPort : public engine::GameClock {
  public:
    virtual void send(ConnectionId connection, const std::string& message) = 0;
    // Closes the connection; its close is then reported back through
    // HostSession::connectionClosed.
    virtual void close(ConnectionId connection) = 0;

    // The address the connection comes from, exactly as the transport gives it ("" when not
    // known). Removals and kept seats compare it; relay budgets are remembered by it.
    virtual std::string peerAddress(ConnectionId) { return {}; }

    // How long a new connection may take to log in before it is closed.
    virtual int loginTimeoutMs() { return 10'000; }
    // Asks for HostSession::expireLogins to be called in `delayMs` (or sooner).
    virtual void armLoginTimer(int /*delayMs*/) {}

    // One line of the host's log: connections, logins, game starts, rounds, winners.
    virtual void log(const std::string& line) = 0;

    // Milliseconds of a steady clock: the relay budgets refill with it.
    virtual std::int64_t nowMs() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace hexaline::session
