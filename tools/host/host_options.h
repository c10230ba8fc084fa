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
    engine::BotLevel botLevel = engine::BotLevel::Normal;
    bool help = false;
    bool version = false;
    bool announce = false;  // announce the game on the local network
    QString error;          // what was wrong with the command line, empty when nothing
};

HostOptions parseHostOptions(const QStringList& arguments);
QString hostUsage();

}  // namespace hexaline::tools
