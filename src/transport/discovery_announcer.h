// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sends a hosted game's announcement by UDP, at once and then every two seconds, until
// stopped; stopping sends a last announcement that says the game is gone.
//
// The datagrams go to the broadcast address 255.255.255.255 on port 7773 unless the
// environment says otherwise: HEXALINE_ANNOUNCE_ADDRESS and HEXALINE_ANNOUNCE_PORT (tests set
// 127.0.0.1 and a port of their own, so nothing leaves the machine).

#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <functional>

#include "transport/discovery_message.h"

namespace hexaline::transport {

struct DiscoveryTarget {
    QHostAddress address{QHostAddress::Broadcast};
    std::uint16_t port = kDiscoveryPort;

    // The defaults, changed by HEXALINE_ANNOUNCE_ADDRESS and HEXALINE_ANNOUNCE_PORT.
    static DiscoveryTarget fromEnvironment();
};

class DiscoveryAnnouncer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kIntervalMs = 2000;

    // `snapshot` is asked for the game's state before every datagram.
    DiscoveryAnnouncer(std::function<Announcement()> snapshot, DiscoveryTarget target,
                       QObject* parent = nullptr);
    ~DiscoveryAnnouncer() override;

    void start();
    void stop();
    bool isRunning() const { return timer_.isActive(); }
    const DiscoveryTarget& target() const { return target_; }

  private:
    void send(bool gone);

    std::function<Announcement()> snapshot_;
    DiscoveryTarget target_;
    QUdpSocket socket_;
    QTimer timer_;
};

}  // namespace hexaline::transport
