#pragma once
// The hidden host side of every instance. It is never shown and listens only in host and
// solo mode. The host session and the game engine plug into its link.

#include <QObject>
#include <cstdint>

#include "net/transport/host_link.h"

namespace hexaline::app {

class HostSide : public QObject {
    Q_OBJECT
  public:
    explicit HostSide(QObject* parent = nullptr);

    transport::HostLink& link() { return link_; }

    // Opens the listening socket. False when it cannot: link().errorText() says why.
    bool startListening(std::uint16_t port) { return link_.listen(port); }

  private:
    transport::HostLink link_;
};

}  // namespace hexaline::app
