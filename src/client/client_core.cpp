// SPDX-License-Identifier: GPL-3.0-or-later
#include "client/client_core.h"

#include <QtGlobal>

#include "protocol/builder.h"
#include "protocol/names.h"

namespace hexaline::client {

ClientCore::ClientCore(ClientServices& services)
    : services_(services),
      session_(model_, services),
      events_(model_, services),
      turn_(model_, services),
      chat_(model_, services) {
    session_.install(dispatcher_);
    events_.install(dispatcher_);
    chat_.install(dispatcher_);
}

void ClientCore::startgame(int playToScore, int timePerTurn) {
    std::string message;
    try {
        message = protocol::build(protocol::Msg::StartGame,
                                  {protocol::sanitizeName(services_.loginname()),
                                   std::to_string(playToScore), std::to_string(timePerTurn)});
    } catch (const protocol::BuildError& error) {
        // Nothing the dialog holds can garble the message; should it, send nothing.
        qWarning("game start not sent: %s", error.what());
        return;
    }
    services_.send(message);
}

}  // namespace hexaline::client
