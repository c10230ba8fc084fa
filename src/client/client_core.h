// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client put together: one game model, the handlers of every message the host sends, and
// the requests the views make. The views show the model and call the requests; they neither
// build nor read a message. The surroundings come in as the services.

#include <string>
#include <string_view>

#include "client/chat_link.h"
#include "client/client_services.h"
#include "client/client_session.h"
#include "client/game_events.h"
#include "client/game_model.h"
#include "client/turn_input.h"
#include "protocol/dispatcher.h"

namespace hexaline::client {

class ClientCore {
  public:
    explicit ClientCore(ClientServices& services);

    GameModel& model() { return model_; }
    const GameModel& model() const { return model_; }
    session::ClientSession& session() { return session_; }
    GameEvents& events() { return events_; }
    TurnInput& turn() { return turn_; }
    ChatLink& chat() { return chat_; }
    // What the connection hands over.
    protocol::Dispatcher& dispatcher() { return dispatcher_; }
    // One message without its terminator, as the connection hands it over.
    protocol::Dispatcher::Result dispatch(std::string_view message) {
        return dispatcher_.dispatch(message);
    }

    // The start dialog's choice: the game to start.
    void startgame(int playToScore, int timePerTurn);

  private:
    ClientServices& services_;
    GameModel model_;
    session::ClientSession session_;
    GameEvents events_;
    TurnInput turn_;
    ChatLink chat_;
    protocol::Dispatcher dispatcher_{protocol::Direction::ToClient};
};

}  // namespace hexaline::client
