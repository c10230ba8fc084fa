// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the engine asks of the world around it. The host session implements it with
// sockets and window timers; tests and the simulator implement it with a virtual clock.

#include <string>

namespace hexaline::engine {

// The game's two timers, the bot speed and the host's screen.
class GameClock {
  public:
    virtual ~GameClock() = default;

    // (Re)starts the one-second break timer from now; each tick calls Host::breakTick.
    virtual void armBreakTimer() = 0;
    virtual void stopBreakTimer() = 0;
    // Starts the computer timer; each tick calls Host::computertimerTimer.
    virtual void startComputerTimer(int intervalMs) = 0;
    virtual void stopComputerTimer() = 0;
    // The host's bot speed in milliseconds (2000, 1000 or 500), read whenever a move is armed.
    virtual int botSpeed() = 0;
    // A notice on the host's screen that the game does not wait for.
    virtual void alert(const std::string& text) = 0;
};

class EngineOutlet : public GameClock {
  public:
    // A whole protocol message for one seat. Only called for seats whose client is connected.
    virtual void send(int seat, const std::string& message) = 0;
};

}  // namespace hexaline::engine
