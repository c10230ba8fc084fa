// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which launch mode the positional arguments ask for. Pure: the window carries it out.

#include <QString>
#include <QStringList>

namespace hexaline::app {

enum class LaunchMode {
    Solo,     // no arguments: host at 127.0.0.1 as "You"
    Host,     // name, address, "true"
    Join,     // name, address, anything but exactly "true"
    Waiting,  // one or two arguments: nothing is connected
};

struct LaunchPlan {
    LaunchMode mode = LaunchMode::Solo;
    QString playername;      // empty while waiting
    QString hostaddress;     // empty while waiting
    QString chatLine;        // the system line shown first
    bool lobbyLink = false;  // open the link to the lobby program once the mode has started
};

inline constexpr char kSoloLine[] = "0+Loading Solo Game. Please wait.";
inline constexpr char kMultiLine[] = "0+Loading Multi-player Game. Please wait.";

LaunchPlan decideLaunch(const QStringList& positional);

}  // namespace hexaline::app
