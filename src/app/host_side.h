// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hidden host side of every instance. It is never shown and listens only in host and
// solo mode: the host session and the game engine behind a listening socket.

#include <QObject>
#include <cstdint>

#include "engine/random.h"
#include "host/host_service.h"

namespace hexaline::app {

class HostSide : public QObject {
    Q_OBJECT
  public:
    // The game's random generator is seeded with the process seed taken at start-up.
    explicit HostSide(QObject* parent = nullptr);

    transport::HostLink& link() { return service_.link(); }
    session::HostService& service() { return service_; }

    // Opens the listening socket, on every local address unless given one. False when it
    // cannot: link().errorText() says why.
    bool startListening(std::uint16_t port,
                        const QHostAddress& address = QHostAddress(QHostAddress::Any)) {
        return service_.listen(port, address);
    }

  private:
    engine::Random random_;
    session::HostService service_;
};

}  // namespace hexaline::app
