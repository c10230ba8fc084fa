// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of hexaline-host.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "engine/players/player.h"

namespace hexaline::tools {

struct HostOptions {
    std::uint16_t port = 7772;
    int botSpeedMs = 1000;
    int secondMs = 1000;
    int perAddress = 4;  // connections one address may hold at once, 0 for no bound
    engine::BotLevel botLevel = engine::BotLevel::Normal;
    bool help = false;
    bool version = false;
    bool announce = false;  // announce the game on the local network
    int webPort = -1;       // serve the browser client on this port; -1: serve nothing
    QString webCert;        // with webKey: serve it over TLS
    QString webKey;
    QString error;  // what was wrong with the command line, empty when nothing
};

HostOptions parseHostOptions(const QStringList& arguments);
QString hostUsage();

}  // namespace hexaline::tools
