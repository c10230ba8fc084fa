// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client's side of the connection to the host: the login, the seats and spectators, the
// "Just Watch" requests and the host's means to remove a participant.

#include <string>

#include "client/client_services.h"
#include "client/game_model.h"
#include "protocol/dispatcher.h"
#include "protocol/seats.h"
#include "protocol/system_colour.h"

namespace hexaline::session {

using protocol::kSystemColour;

// Entries of a name label's context menu.
struct KickMenu {
    bool removeFromGame = false;
    bool setToJustWatch = false;
    bool unsetJustWatch = false;
    int target = 0;
};

class ClientSession {
  public:
    ClientSession(client::GameModel& model, client::ClientServices& services);

    // Installs the handlers of the session's own messages.
    void install(protocol::Dispatcher& dispatcher);

    // Message handlers.
    void sendloginfo(protocol::Reader& fields);
    void newplayerinfo(protocol::Reader& fields);
    void playerdisconnected(protocol::Reader& fields);
    void justwatching(protocol::Reader& fields);
    void havewrongversion(protocol::Reader& fields);
    void wrongversion();
    void full();

    // The user's requests. The own "Just Watch" turns the mark over; it changes only when the
    // host says so.
    void toggleJustWatch();
    KickMenu kickMenuFor(int seat) const;
    void setToJustWatch(int target);
    void unsetJustWatch(int target);
    void kicking(int seat);

    // The connection ended ("Socket Closed").
    void sockClosed();

  private:
    client::GameModel& model_;
    client::ClientServices& services_;
};

}  // namespace hexaline::session
