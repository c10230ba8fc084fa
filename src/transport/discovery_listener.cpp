// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/discovery_listener.h"

#include <QNetworkDatagram>
#include <algorithm>

#include "transport/discovery_announcer.h"

namespace hexaline::transport {

DiscoveryListener::DiscoveryListener(QObject* parent) : QObject(parent) {
    clock_.start();
    connect(&socket_, &QUdpSocket::readyRead, this, &DiscoveryListener::readPending);
    expiry_.setInterval(1000);
    connect(&expiry_, &QTimer::timeout, this, &DiscoveryListener::expire);
    refresh_.setSingleShot(true);
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &DiscoveryListener::changed);
}

bool DiscoveryListener::listen(std::uint16_t port, bool loopbackOnly) {
    const QHostAddress address =
        loopbackOnly ? QHostAddress(QHostAddress::LocalHost) : QHostAddress(QHostAddress::AnyIPv4);
    // Several copies on one machine may all listen for the same announcements.
    if (!socket_.bind(address, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint))
        return false;
    expiry_.start();
    return true;
}

bool DiscoveryListener::listenFromEnvironment() {
    const DiscoveryTarget target = DiscoveryTarget::fromEnvironment();
    return listen(target.port, target.address.isLoopback());
}

void DiscoveryListener::readPending() {
    readScheduled_ = false;
    for (int n = 0; n < kBatch && socket_.hasPendingDatagrams(); ++n) {
        // An oversized datagram is read no further than the limit and then dropped.
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxAnnouncementBytes + 1);
        take(datagram.data(), datagram.senderAddress());
    }
    // A flood is read in batches, between which the window stays responsive.
    if (socket_.hasPendingDatagrams() && !readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &DiscoveryListener::readPending);
    }
}

void DiscoveryListener::take(const QByteArray& datagram, const QHostAddress& from) {
    const std::optional<Announcement> a = readAnnouncement(datagram);
    if (!a || from.isNull()) {
        ++dropped_;
        return;
    }
    bool isIPv4 = false;
    const quint32 ipv4 = from.toIPv4Address(&isIPv4);
    const QString address = isIPv4 ? QHostAddress(ipv4).toString() : from.toString();
    const auto same = [&](const FoundGame& g) {
        return g.address == address && g.announcement.port == a->port;
    };
    const auto it = std::find_if(games_.begin(), games_.end(), same);
    if (a->gone) {
        if (it != games_.end()) {
            games_.erase(it);
            noteChange();
        }
        return;
    }
    if (it != games_.end()) {
        const bool different =
            it->announcement.name != a->name || it->announcement.seatsTaken != a->seatsTaken ||
            it->announcement.gameOn != a->gameOn || it->announcement.version != a->version;
        it->announcement = *a;
        it->heardMs = clock_.elapsed();
        if (different)
            noteChange();
        return;
    }
    if (static_cast<int>(games_.size()) >= kMaxGames) {
        ++dropped_;
        return;
    }
    games_.push_back({address, *a, clock_.elapsed()});
    noteChange();
}

void DiscoveryListener::expire() {
    const qint64 now = clock_.elapsed();
    const auto old = [now](const FoundGame& g) { return now - g.heardMs > kExpiryMs; };
    const auto from = std::remove_if(games_.begin(), games_.end(), old);
    if (from == games_.end())
        return;
    games_.erase(from, games_.end());
    noteChange();
}

void DiscoveryListener::noteChange() {
    if (!refresh_.isActive())
        refresh_.start();
}

}  // namespace hexaline::transport
