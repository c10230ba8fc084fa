// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hears the announcements of games on the local network and keeps the list of games found.
// Announcements are untrusted. Every wake-up reads the socket empty, so no flood can leave it
// full; datagrams that are too long or not well formed are dropped, and only so many per second
// (from one address, and in all) are looked at. A game is known by the address it was
// announced from and its port: only that address can refresh it or say it is gone. The list
// holds at most kMaxGames games and kMaxGamesPerAddress from one address; a new game always
// finds room, the game heard longest ago making way. A game not heard for kExpiryMs is
// forgotten, and `changed` is emitted at most once per kRefreshMs however many datagrams arrive.

#include <QElapsedTimer>
#include <QHash>
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
    static constexpr int kMaxGamesPerAddress = 8;
    static constexpr int kExpiryMs = 7000;
    static constexpr int kRefreshMs = 250;
    // Datagrams read in one go before other events get their turn; the rest are read at once
    // after them.
    static constexpr int kBatch = 4096;
    // Datagrams looked at per second, from one address and in all; the rest are read and
    // dropped. A game announces itself every two seconds.
    static constexpr int kPerAddressPerSecond = 20;
    static constexpr int kPerSecond = 400;
    static constexpr int kMaxSendersPerSecond = 1024;

    explicit DiscoveryListener(QObject* parent = nullptr);

    // Listens on `port`, on every IPv4 address, or on 127.0.0.1 only when `loopbackOnly`.
    bool listen(std::uint16_t port, bool loopbackOnly);
    // The port and address from HEXALINE_ANNOUNCE_PORT / HEXALINE_ANNOUNCE_ADDRESS: a
    // loopback announcement address listens on loopback only.
    bool listenFromEnvironment();
    std::uint16_t port() const { return socket_.localPort(); }

    const std::vector<FoundGame>& games() const { return games_; }
    // Datagrams dropped as unreadable or over the rate.
    qint64 dropped() const { return dropped_; }

  signals:
    void changed();

  private:
    void readPending();
    bool admit(const QString& address);
    void take(const QByteArray& datagram, const QString& address);
    void makeRoom(const QString& address);
    void expire();
    void noteChange();

    QUdpSocket socket_;
    QTimer expiry_;
    QTimer refresh_;
    QElapsedTimer clock_;
    std::vector<FoundGame> games_;
    qint64 dropped_ = 0;
    // Datagrams looked at in the current second, by sender and in all.
    qint64 rateSecond_ = -1;
    int rateTotal_ = 0;
    QHash<QString, int> rateByAddress_;
    bool readScheduled_ = false;
};

}  // namespace hexaline::transport
