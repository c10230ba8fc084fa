// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/discovery_listener.h"

#include <QNetworkDatagram>
#include <algorithm>

#include "transport/address_text.h"
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
    // Read everything waiting, so the socket's buffer never stays full; a flood that keeps it
    // coming is read in batches with other events in between, and never left unread.
    for (int n = 0; n < kBatch && socket_.hasPendingDatagrams(); ++n) {
        // An oversized datagram is read no further than the limit and then dropped.
        const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxAnnouncementBytes + 1);
        const QHostAddress from = datagram.senderAddress();
        if (from.isNull()) {
            ++dropped_;
            continue;
        }
        const QString address = addressText(from);
        if (!admit(address)) {
            ++dropped_;
            continue;
        }
        take(datagram.data(), address);
    }
    if (socket_.hasPendingDatagrams() && !readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &DiscoveryListener::readPending);
    }
}

bool DiscoveryListener::admit(const QString& address) {
    const qint64 second = clock_.elapsed() / 1000;
    if (second != rateSecond_) {
        rateSecond_ = second;
        rateTotal_ = 0;
        rateByAddress_.clear();
    }
    if (rateTotal_ >= kPerSecond)
        return false;
    // Senders counted in one second are bounded too: beyond them, only known ones are looked at.
    if (rateByAddress_.size() >= kMaxSendersPerSecond && !rateByAddress_.contains(address))
        return false;
    int& fromAddress = rateByAddress_[address];
    if (fromAddress >= kPerAddressPerSecond)
        return false;
    ++fromAddress;
    ++rateTotal_;
    return true;
}

void DiscoveryListener::take(const QByteArray& datagram, const QString& address) {
    const std::optional<Announcement> a = readAnnouncement(datagram);
    if (!a) {
        ++dropped_;
        return;
    }
    // Only the address that announced a game can refresh it or say it is gone.
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
    makeRoom(address);
    games_.push_back({address, *a, clock_.elapsed()});
    noteChange();
}

void DiscoveryListener::makeRoom(const QString& address) {
    const auto oldest = [this](auto keep) {
        auto found = games_.end();
        for (auto it = games_.begin(); it != games_.end(); ++it) {
            if (keep(*it) && (found == games_.end() || it->heardMs < found->heardMs))
                found = it;
        }
        return found;
    };
    const auto fromAddress = [&](const FoundGame& g) { return g.address == address; };
    // One address cannot fill the list: beyond its share, its own game heard longest ago goes.
    if (std::count_if(games_.begin(), games_.end(), fromAddress) >= kMaxGamesPerAddress) {
        games_.erase(oldest(fromAddress));
        ++dropped_;
    }
    // A full list makes way for the newcomer: the game heard longest ago goes.
    if (static_cast<int>(games_.size()) >= kMaxGames) {
        games_.erase(oldest([](const FoundGame&) { return true; }));
        ++dropped_;
    }
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
