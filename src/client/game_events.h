// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's answers to the host's game messages: the start, the rounds, the hand, the turns,
// the plays, the end of the game and the return to a running game. Each writes the game model;
// the turn clock counts down on it.

#include <QObject>
#include <QTimer>

#include "client/client_services.h"
#include "client/game_model.h"
#include "protocol/dispatcher.h"

namespace hexaline::client {

class GameEvents : public QObject {
    Q_OBJECT
  public:
    GameEvents(GameModel& model, ClientServices& services, QObject* parent = nullptr);

    // Registers the handlers of the game messages from the host.
    void install(protocol::Dispatcher& dispatcher);

    // Game messages from the host; each takes the message's fields.
    void startthegame(protocol::Reader& fields);
    void roundstart(protocol::Reader& fields);
    void mytiles(protocol::Reader& fields);
    void getnextplayer(protocol::Reader& fields);
    void hisplay(protocol::Reader& fields);
    void error(protocol::Reader& fields);
    void hepassed(protocol::Reader& fields);
    void ranout(protocol::Reader& fields);
    void timesup(protocol::Reader& fields);
    void endround(protocol::Reader& fields);
    void winner(protocol::Reader& fields);
    void gamestats(protocol::Reader& fields);
    void loadboard(protocol::Reader& fields);

    // The turn clock runs from a turn's start until it ends.
    bool clockRunning() const { return turntime_.isActive(); }
    // One second of the turn has passed.
    void turnTick();

  private:
    void clearall();
    void stopClock() { turntime_.stop(); }
    void startClock() { turntime_.start(); }
    void hideTurnButtons() { model_.setButtons({}); }
    void showPass();
    // The board's fixed tiles as the host lists them.
    void fixTile(int row, int column, int tile);

    GameModel& model_;
    ClientServices& services_;
    QTimer turntime_;
};

}  // namespace hexaline::client
