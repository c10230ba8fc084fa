#pragma once
// What the host session needs of the world around it: connections, the two game timers, the
// host's screen and its log. The in-process host and the headless host implement it over
// sockets and timers; tests implement it in memory.

#include <string>

namespace hexaline::session {

// Identifies one accepted connection for its whole life; never reused.
using ConnectionId = int;

class HostPort {
  public:
    virtual ~HostPort() = default;

    virtual void send(ConnectionId connection, const std::string& message) = 0;
    // Closes the connection; its close is then reported back through
    // HostSession::connectionClosed.
    virtual void close(ConnectionId connection) = 0;

    virtual void armBreakTimer() = 0;
    virtual void stopBreakTimer() = 0;
    virtual void startComputerTimer(int intervalMs) = 0;
    virtual void stopComputerTimer() = 0;
    virtual int botSpeed() = 0;
    virtual void alert(const std::string& text) = 0;
    // One line of the host's log: connections, logins, game starts, rounds, winners.
    virtual void log(const std::string& line) = 0;
};

}  // namespace hexaline::session
