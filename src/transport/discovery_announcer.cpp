// SPDX-License-Identifier: GPL-3.0-or-later
#include "transport/discovery_announcer.h"

#include <utility>

namespace hexaline::transport {

DiscoveryTarget DiscoveryTarget::fromEnvironment() {
    DiscoveryTarget target;
    const QString address = qEnvironmentVariable("HEXALINE_ANNOUNCE_ADDRESS");
    if (!address.isEmpty()) {
        const QHostAddress chosen(address);
        if (!chosen.isNull())
            target.address = chosen;
    }
    bool ok = false;
    const int port = qEnvironmentVariableIntValue("HEXALINE_ANNOUNCE_PORT", &ok);
    if (ok && port > 0 && port <= 65535)
        target.port = static_cast<std::uint16_t>(port);
    return target;
}

DiscoveryAnnouncer::DiscoveryAnnouncer(std::function<Announcement()> snapshot,
                                       DiscoveryTarget target, QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)), target_(std::move(target)) {
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { send(false); });
}

DiscoveryAnnouncer::~DiscoveryAnnouncer() {
    stop();
}

void DiscoveryAnnouncer::start() {
    if (timer_.isActive())
        return;
    send(false);
    timer_.start();
}

void DiscoveryAnnouncer::stop() {
    if (!timer_.isActive())
        return;
    timer_.stop();
    send(true);
}

void DiscoveryAnnouncer::send(bool gone) {
    Announcement a = snapshot_ ? snapshot_() : Announcement{};
    a.gone = gone;
    const QByteArray datagram = writeAnnouncement(a);
    // Nobody may be listening, or the network may be down: an announcement is a hint only.
    socket_.writeDatagram(datagram, target_.address, target_.port);
}

}  // namespace hexaline::transport
