// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/announce.h"

namespace hexaline::session {

transport::Announcement announcementOf(HostService& host, const QString& fallbackName,
                                       const QString& version) {
    const engine::Host& game = host.session().game();
    transport::Announcement a;
    a.name = game.seats[1].connected && !game.seats[1].name.empty()
                 ? QString::fromStdString(game.seats[1].name)
                 : fallbackName;
    a.port = host.port();
    a.seats = game.maxplayers;
    for (int seat = 1; seat <= game.maxplayers; ++seat) {
        if (game.seats[static_cast<std::size_t>(seat)].connected)
            ++a.seatsTaken;
    }
    a.gameOn = game.gameon;
    a.version = version;
    return a;
}

HostAnnouncer::HostAnnouncer(HostService& host, QString fallbackName, QString version,
                             transport::DiscoveryTarget target, QObject* parent)
    : QObject(parent),
      announcer_(
          [&host, fallbackName, version] { return announcementOf(host, fallbackName, version); },
          std::move(target), this) {}

}  // namespace hexaline::session
