// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A running host on the local network: its announcement, built from the seats and the game,
// sent every two seconds while it runs. Only a game hosted from the window's "Host a Game…"
// or a headless host started with --announce makes one.

#include <QObject>
#include <QString>
#include <memory>

#include "host/host_service.h"
#include "transport/discovery_announcer.h"

namespace hexaline::session {

// The game as announced: the seat 1 player's name (or `fallbackName` while seat 1 is empty),
// player seats taken, whether a game is on, the version and the listening port.
transport::Announcement announcementOf(HostService& host, const QString& fallbackName,
                                       const QString& version);

class HostAnnouncer : public QObject {
    Q_OBJECT
  public:
    HostAnnouncer(HostService& host, QString fallbackName, QString version,
                  transport::DiscoveryTarget target = transport::DiscoveryTarget::fromEnvironment(),
                  QObject* parent = nullptr);

    void start() { announcer_.start(); }
    void stop() { announcer_.stop(); }
    bool isRunning() const { return announcer_.isRunning(); }

  private:
    transport::DiscoveryAnnouncer announcer_;
};

}  // namespace hexaline::session
