// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hears the announcements of games on the local network and keeps the list of games found.
// Announcements are untrusted: datagrams that are too long or not well formed are dropped, the
// list holds at most kMaxGames games, a game not heard for kExpiryMs is forgotten, and
// `changed` is emitted at most once per kRefreshMs however many datagrams arrive.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <QUdpSocket>
#include <vector>

#include "transport/discovery_message.h"

namespace hexaline::transport {

struct FoundGame {
    QString address;  // where the announcement came from: the address to join
    Announcement announcement;
    qint64 heardMs = 0;  // on the listener's clock
};

class DiscoveryListener : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMaxGames = 32;
    static constexpr int kExpiryMs = 7000;
    static constexpr int kRefreshMs = 250;
    // Datagrams read in one go before other events get their turn.
    static constexpr int kBatch = 64;

    explicit DiscoveryListener(QObject* parent = nullptr);

    // Listens on `port`, on every IPv4 address, or on 127.0.0.1 only when `loopbackOnly`.
    bool listen(std::uint16_t port, bool loopbackOnly);
    // The port and address from HEXALINE_ANNOUNCE_PORT / HEXALINE_ANNOUNCE_ADDRESS: a
    // loopback announcement address listens on loopback only.
    bool listenFromEnvironment();
    std::uint16_t port() const { return socket_.localPort(); }

    const std::vector<FoundGame>& games() const { return games_; }
    // Datagrams dropped as unreadable or for want of room.
    qint64 dropped() const { return dropped_; }

  signals:
    void changed();

  private:
    void readPending();
    void take(const QByteArray& datagram, const QHostAddress& from);
    void expire();
    void noteChange();

    QUdpSocket socket_;
    QTimer expiry_;
    QTimer refresh_;
    QElapsedTimer clock_;
    std::vector<FoundGame> games_;
    qint64 dropped_ = 0;
    bool readScheduled_ = false;
};

}  // namespace hexaline::transport
