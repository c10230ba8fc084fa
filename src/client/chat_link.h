// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chat's messages: relayed chat, actions and chatter sounds from the host go to the model as
// data; the user's lines, phrases and chatter sounds go to the host.

#include <string>

#include "client/client_services.h"
#include "client/game_model.h"
#include "protocol/dispatcher.h"

namespace hexaline::client {

class ChatLink {
  public:
    ChatLink(GameModel& model, ClientServices& services) : model_(model), services_(services) {}

    void install(protocol::Dispatcher& dispatcher);

    // A typed line: "/me" and a space make it an action, other lines starting with "/" are
    // not sent. `colour` is the colour text every line carries.
    // False while this client has no seat: nothing is sent.
    bool sendChat(const std::string& text, const std::string& colour);
    // A phrase button's text, sent as an action.
    void sendAction(const std::string& text, const std::string& colour);
    // A chatter sound by its number.
    void sendChatter(int tag);

  private:
    GameModel& model_;
    ClientServices& services_;
};

}  // namespace hexaline::client
