// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the client core needs from its surroundings: a way to the host, the sounds, the tally,
// message boxes, the settings file, the start dialog and the window's end. The window
// implements it; tests record it.

#include <string>

namespace hexaline::client {

class ClientServices {
  public:
    virtual ~ClientServices() = default;

    // The name this client logs in with, and whether this window hosts the game it joins.
    virtual std::string loginname() const = 0;
    virtual bool hostsGame() const = 0;
    // Hands one whole message (terminator included) to the connection to the host.
    virtual void send(const std::string& message) = 0;
    // A game-event sound by name ("turn", "place", "gameover", ...).
    virtual void playsounds(const std::string& name) = 0;
    // Counts a finished game in the tally: "addtomine" for the user's own win, else the winner.
    virtual void addgame(const std::string& winner) = 0;
    // A message box the game goes on behind.
    virtual void showMessage(const std::string& text) = 0;
    // A message box the user must answer before anything else happens.
    virtual void showMessageAndWait(const std::string& text) = 0;
    // This client was announced to itself: read the settings file.
    virtual void loadinifile() = 0;
    // The hosting user asked to start a game.
    virtual void showGameStart() = 0;
    // The connection to the host ended; `seated` when the host had given this client a seat.
    virtual void connectionEnded(bool seated) = 0;
    // Nothing more is to happen in this window ("Game is full").
    virtual void closeWindow() = 0;
};

}  // namespace hexaline::client
